// lumigrab-server admin --data DIR list | delete ID | purge DAYS
// Works on the data folder directly, also while the server runs (the index
// is in WAL mode; a deletion takes the row first, as the server does).
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace lg::srv {

// Runs the admin command given by `args` (after "admin"); writes its report
// to `out` and problems to `err`; returns the process exit code.
int RunAdminCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                    int64_t nowUnix);

}  // namespace lg::srv
