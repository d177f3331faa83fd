#include "settings/server_url.h"

namespace lg {

std::u16string ReadServerUrlOverride(const RegistryStore& store) {
    return store.ReadString(kProgramKey, u"ServerURL").value_or(std::u16string{});
}

}  // namespace lg
