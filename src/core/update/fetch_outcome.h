// How the fetch of the update list ended, as the platform's worker hands it
// back: a failure kind, the reply's status and its text.
#pragma once

#include <cstdint>
#include <string>

namespace lg {

enum class FetchFailure : std::uint8_t {
    None,          // a 2xx reply, read whole
    NoConnection,  // no name, refused, timed out or dropped before a reply came
    Certificate,   // the secure channel did not accept the server
    Status,        // the server answered with a status other than 2xx
    Unreadable,    // a reply came but its body could not be read whole
};

struct FetchOutcome {
    FetchFailure failure = FetchFailure::NoConnection;
    int status = 0;           // the reply's HTTP status; 0 when none came
    std::uint32_t error = 0;  // the system's code of the failing step, for the trace
    std::u16string body{};    // the body of a 2xx reply

    // The server could not be reached at all: an automatic check tries
    // again soon instead of an hour later.
    bool CouldNotConnect() const {
        return failure == FetchFailure::NoConnection || failure == FetchFailure::Certificate;
    }
};

}  // namespace lg
