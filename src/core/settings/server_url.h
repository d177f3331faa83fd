// The administrator's override of the image server address.
#pragma once

#include <string>

#include "settings/registry_store.h"

namespace lg {

// The REG_SZ "ServerURL" under the program's key, or empty when it is absent
// or not a string. Validation is ServerBase's job (app/endpoints.h).
std::u16string ReadServerUrlOverride(const RegistryStore& store);

}  // namespace lg
