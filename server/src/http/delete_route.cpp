#include "http/delete_route.h"

#include "http/html.h"
#include "http/replies.h"
#include "store/picture_id.h"

namespace lg::srv {

void HandleDelete(ServerContext& ctx, std::string_view rest, bool confirmed,
                  httplib::Response& res) {
    const size_t slash = rest.find('/');
    if (slash == std::string_view::npos) {
        ReplyNotFound(res);
        return;
    }
    const std::string_view id = rest.substr(0, slash);
    const std::string_view secret = rest.substr(slash + 1);
    const std::optional<PictureRecord> record = ctx.library.Find(id);
    if (!record || !PictureLibrary::SecretMatches(*record, secret)) {
        ReplyNotFound(res);
        return;
    }
    res.set_header("Cache-Control", "no-store");
    if (!confirmed) {
        // The form posts back to this same address.
        ReplyHtml(res, 200,
                  HtmlPage("Удалить снимок? — ЛюмиГРАБ",
                           "<h1>Удалить снимок?</h1>\n<p>Снимок " + EscapeHtml(record->id) +
                               " будет удалён с сервера навсегда, ссылка на него перестанет "
                               "работать.</p>\n<form method=\"post\"><button "
                               "type=\"submit\">Удалить</button></form>"));
        return;
    }
    if (!ctx.library.Delete(*record)) {
        ReplyNotFound(res);
        return;
    }
    ReplyHtml(res, 200,
              HtmlPage("Снимок удалён — ЛюмиГРАБ",
                       "<h1>Снимок удалён</h1>\n<p>Ссылка на него больше не работает.</p>"));
}

}  // namespace lg::srv
