#include "app/command_line.h"

namespace lg {

bool IsInstallRequest(std::span<const std::u16string_view> args) {
    return args.size() == 1 && args[0] == u"/install";
}

}  // namespace lg
