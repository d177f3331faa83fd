#include "support/wire_form.h"

namespace lg::srv::test {

std::vector<WirePart> ClientParts(const std::string& userHash, const std::string& format,
                                  const std::string& fileBytes) {
    return {
        {"user_hash", std::nullopt, userHash},
        {"format", std::nullopt, format},
        {"filescreen", "TMP_SCREEN_NAME" + std::string("9e3669d19b675bd57058fd4664205d2a"),
         fileBytes},
    };
}

std::string WireBody(const std::vector<WirePart>& parts, const std::string& boundary) {
    std::string body;
    for (const WirePart& p : parts) {
        body += "--" + boundary + "\r\n";
        if (p.fileName) {
            body += "Content-Disposition: form-data; name=\"" + p.name + "\"; filename=\"" +
                    *p.fileName + "\"\r\n";
            body += "Content-Type: application/octet-stream\r\n";
            body += "Content-Transfer-Encoding: binary\r\n";
        } else {
            body += "Content-Disposition: form-data; name=\"" + p.name + "\"\r\n";
            body += "Content-Type: text/plain\r\n";
            body += "Content-Transfer-Encoding: quoted-printable\r\n";
        }
        body += "\r\n";
        body += p.content;
        body += "\r\n";
    }
    body += "--" + boundary + "--\r\n";
    return body;
}

std::string WireContentType(const std::string& boundary) {
    return "multipart/form-data; boundary=" + boundary;
}

}  // namespace lg::srv::test
