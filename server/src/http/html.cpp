#include "http/html.h"

namespace lg::srv {

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string HtmlPage(std::string_view title, std::string_view bodyHtml) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    page += EscapeHtml(title);
    page +=
        "</title>\n<style>body{font-family:sans-serif;background:#091a32;color:#e8eef6;"
        "max-width:60em;margin:2em auto;padding:0 1em}a{color:#1cc2f1}"
        "img{max-width:100%;height:auto;border:1px solid #4a6ea1}"
        "button{font-size:1em;padding:.4em 1.2em}</style>\n</head>\n<body>\n";
    page += bodyHtml;
    page += "\n</body>\n</html>\n";
    return page;
}

}  // namespace lg::srv
