#include "update/fetch_outcome_of.h"

#include <winhttp.h>

#include "platform/u16.h"

namespace lg::win {
namespace {

// The secure channel refused the server: its certificate (untrusted,
// expired, for another name, revoked) or the handshake. Wine reports a
// certificate it does not trust as a channel error.
bool IsSecureFailure(DWORD error) {
    switch (error) {
        case ERROR_WINHTTP_SECURE_FAILURE:
        case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
        case ERROR_WINHTTP_SECURE_INVALID_CERT:
        case ERROR_WINHTTP_SECURE_INVALID_CA:
        case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
        case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
        case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
        case ERROR_WINHTTP_SECURE_CERT_REVOKED:
        case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
        case ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED:
            return true;
        default:
            return false;
    }
}

}  // namespace

FetchOutcome FetchOutcomeOf(const HttpGetResult& result) {
    FetchOutcome out;
    out.error = result.error;
    out.status = static_cast<int>(result.status);
    if (result.status == 0) {
        out.failure =
            IsSecureFailure(result.error) ? FetchFailure::Certificate : FetchFailure::NoConnection;
    } else if (result.status < 200 || result.status >= 300) {
        out.failure = FetchFailure::Status;
    } else if (result.error != 0) {
        out.failure = FetchFailure::Unreadable;
    } else {
        out.failure = FetchFailure::None;
        const std::wstring text = Utf8ToWide(result.body);
        out.body.assign(AsU16(text));
    }
    return out;
}

}  // namespace lg::win
