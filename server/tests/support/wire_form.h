// Upload requests built byte for byte as the client writes them: three
// parts, each opened by "--" and the boundary, its header lines, an empty
// line and the content, the body closed by "--" boundary "--", CR LF line
// ends. Tests change one part at a time to build bad requests.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lg::srv::test {

inline constexpr const char* kUploadPath = "/i/index.php?r=user/imggate";
inline constexpr const char* kTestBoundary = "--------052311420614093";
inline constexpr const char* kTestUserHash = "0cc175b9c0f1b6a831c399e269772661";

struct WirePart {
    std::string name;
    std::optional<std::string> fileName;  // the file part's header only
    std::string content;
};

// The three parts in the client's order: user hash, format, file (named
// "TMP_SCREEN_NAME" + 32 hex digits).
std::vector<WirePart> ClientParts(const std::string& userHash, const std::string& format,
                                  const std::string& fileBytes);

// The body; text parts carry the client's text/plain quoted-printable
// headers, the file part application/octet-stream binary.
std::string WireBody(const std::vector<WirePart>& parts,
                     const std::string& boundary = kTestBoundary);

// The Content-Type header value of such a body.
std::string WireContentType(const std::string& boundary = kTestBoundary);

}  // namespace lg::srv::test
