#include "output/upload/multipart_body.h"

namespace lg {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void Append(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

// The two text parts: plain ASCII values, which quoted-printable coding
// leaves as they are.
void AppendTextPart(std::vector<std::uint8_t>& out, std::string_view boundary,
                    std::string_view name, std::string_view value) {
    Append(out, "--");
    Append(out, boundary);
    Append(out, kCrLf);
    Append(out, "Content-Disposition: form-data; name=\"");
    Append(out, name);
    Append(out,
           "\"\r\nContent-Type: text/plain\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n");
    Append(out, value);
    Append(out, kCrLf);
}

}  // namespace

std::string MultipartContentType(std::string_view boundary) {
    return "multipart/form-data; boundary=" + std::string(boundary);
}

std::string MultipartBoundary(std::uint64_t random) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string boundary = "--------LumigrabBoundary";
    for (int shift = 60; shift >= 0; shift -= 4) boundary += kDigits[(random >> shift) & 15];
    return boundary;
}

std::vector<std::uint8_t> BuildMultipartBody(const UploadForm& form, std::string_view boundary) {
    std::vector<std::uint8_t> out;
    out.reserve(form.file.size() + 512 + 5 * boundary.size());
    AppendTextPart(out, boundary, "user_hash", form.userHash);
    AppendTextPart(out, boundary, "format", form.format);
    Append(out, "--");
    Append(out, boundary);
    Append(out, kCrLf);
    Append(out, "Content-Disposition: form-data; name=\"filescreen\"; filename=\"");
    Append(out, form.fileName);
    Append(out,
           "\"\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: "
           "binary\r\n\r\n");
    out.insert(out.end(), form.file.begin(), form.file.end());
    Append(out, kCrLf);
    Append(out, "--");
    Append(out, boundary);
    Append(out, "--");
    Append(out, kCrLf);
    return out;
}

}  // namespace lg
