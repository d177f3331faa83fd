#include "http/site_pages.h"

#include <array>
#include <fstream>
#include <iterator>

#include "http/html.h"

namespace lg::srv {
namespace {

struct BuiltInPage {
    std::string_view path;
    std::string_view name;
    std::string_view title;
    std::string_view body;
};

constexpr std::array<BuiltInPage, 7> kPages = {{
    {"/", "index", "ЛюмиГРАБ",
     "<h1>ЛюмиГРАБ</h1>\n<p>Снимки экрана в один клик: выделите область, дополните её стрелками "
     "и надписями, сохраните, скопируйте или получите ссылку.</p>\n"
     "<p><a href=\"download.php\">Скачать программу</a> · <a "
     "href=\"support.php\">Поддержка</a></p>"},
    {"/support.php", "support", "Поддержка — ЛюмиГРАБ",
     "<h1>Поддержка</h1>\n<p>Вопрос или ошибка? Напишите администратору этого сервера. "
     "Приложите, если можно, снимок экрана и опишите, что вы делали.</p>"},
    {"/survey200.php", "survey200", "Опрос — ЛюмиГРАБ",
     "<h1>Спасибо, что пользуетесь ЛюмиГРАБ!</h1>\n<p>Расскажите администратору сервера, что "
     "вам нравится в программе и чего не хватает.</p>"},
    {"/welcome.php", "welcome", "Добро пожаловать — ЛюмиГРАБ",
     "<h1>Добро пожаловать!</h1>\n<p>Программа работает в области уведомлений. Нажмите "
     "PrintScreen или щёлкните по значку, чтобы сделать снимок.</p>"},
    {"/take-screenshot.php", "take-screenshot", "Как сделать снимок экрана — ЛюмиГРАБ",
     "<h1>Как сделать снимок экрана</h1>\n<ol><li>Нажмите PrintScreen.</li>"
     "<li>Выделите нужную область мышью.</li><li>Дорисуйте стрелки, рамки и надписи.</li>"
     "<li>Сохраните снимок, скопируйте его или загрузите и получите ссылку.</li></ol>"},
    {"/versiya-pro.php", "versiya-pro", "Версия Pro — ЛюмиГРАБ",
     "<h1>Версия Pro</h1>\n<p>На этом сервере все возможности программы доступны "
     "без ограничений.</p>"},
    {"/download.php", "download", "Скачать — ЛюмиГРАБ",
     "<h1>Скачать ЛюмиГРАБ</h1>\n<p>Установщик на этом сервере пока не размещён. "
     "Обратитесь к администратору.</p>"},
}};

const BuiltInPage* FindByName(std::string_view name) {
    for (const BuiltInPage& p : kPages) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

}  // namespace

std::optional<std::string_view> SitePageName(std::string_view path) {
    for (const BuiltInPage& p : kPages) {
        if (p.path == path) return p.name;
    }
    return std::nullopt;
}

std::string SitePage(std::string_view name, const std::filesystem::path& dataDir) {
    const BuiltInPage* page = FindByName(name);
    if (!page) return NotFoundPage();
    // The name comes from the table above, never from the request.
    std::ifstream file(dataDir / "pages" / (std::string(page->name) + ".html"), std::ios::binary);
    if (file) {
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (!file.bad()) return text;
    }
    return HtmlPage(page->title, page->body);
}

std::string NotFoundPage() {
    return HtmlPage("Не найдено — ЛюмиГРАБ",
                    "<h1>Страница не найдена</h1>\n<p>Такого адреса на сервере нет.</p>");
}

}  // namespace lg::srv
