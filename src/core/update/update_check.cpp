#include "update/update_check.h"

#include <optional>

namespace lg {
namespace {

// A decimal integer (optional sign, digits only), else 0.
long long DecimalOrZero(std::u16string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
    if (i == s.size()) return 0;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') return 0;
        if (v > (1LL << 40)) return 0;  // far beyond any version number
        v = v * 10 + (s[i] - u'0');
    }
    return negative ? -v : v;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' ||
           c < 0x20;
}

}  // namespace

std::vector<std::u16string> SplitByDelimiter(std::u16string_view text,
                                             std::u16string_view delimiters) {
    std::vector<std::u16string> parts;
    if (text.empty()) return parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (delimiters.find(text[i]) != std::u16string_view::npos) {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

bool IsNewerVersion(std::u16string_view current, std::u16string_view remote, bool shortForm) {
    const std::vector<std::u16string> a = SplitByDelimiter(current, u".");
    const std::vector<std::u16string> b = SplitByDelimiter(remote, u".");
    const std::size_t n = shortForm ? 2 : 4;
    if (a.size() != n || b.size() != n) return true;
    for (std::size_t i = 0; i < n; ++i) {
        const long long x = DecimalOrZero(a[i]), y = DecimalOrZero(b[i]);
        if (x < y) return true;
        if (x > y) return false;
    }
    return false;
}

std::u16string UpdateReplyVersion(std::u16string_view reply) {
    const std::size_t eq = reply.find(u'=');
    std::u16string_view v = eq == std::u16string_view::npos ? reply : reply.substr(eq + 1);
    const std::size_t crlf = v.find(u"\r\n");
    if (crlf != std::u16string_view::npos) v = v.substr(0, crlf);
    return std::u16string(v);
}

bool UpdateReplyIsBlank(std::u16string_view reply) {
    for (char16_t c : reply) {
        if (!IsBlank(c)) return false;
    }
    return true;
}

double UpdateDateAfterClose(double today, double next) {
    return today + (next == 0 ? 1 : 5);
}

}  // namespace lg
