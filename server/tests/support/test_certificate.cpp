#include "support/test_certificate.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace lg::srv::test {

TestCertificate MakeTestCertificate(const std::filesystem::path& folder) {
    TestCertificate made{folder / "cert.pem", folder / "key.pem"};
    // An elliptic-curve key: made in milliseconds, unlike RSA.
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
        " -subj /CN=localhost -addext subjectAltName=DNS:localhost,IP:127.0.0.1"
        " -keyout '" +
        made.key.string() + "' -out '" + made.cert.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("openssl req failed");
    return made;
}

}  // namespace lg::srv::test
