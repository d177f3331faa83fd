// A self-signed certificate for localhost and 127.0.0.1, made with the
// openssl command in a given folder.
#pragma once

#include <filesystem>

namespace lg::srv::test {

struct TestCertificate {
    std::filesystem::path cert, key;
};

// Throws std::runtime_error when openssl fails.
TestCertificate MakeTestCertificate(const std::filesystem::path& folder);

}  // namespace lg::srv::test
