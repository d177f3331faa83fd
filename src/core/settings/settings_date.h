// Whole dates kept as values under the program's key (for instance when the
// next update check is due).
//
// A date is a day count since 30 December 1899 (day 0), stored as an 8-byte
// REG_BINARY holding the little-endian IEEE double.
#pragma once

#include <string_view>

#include "settings/registry_store.h"

namespace lg {

// The stored date, or 0 (earlier than any real date) when the key or value
// is missing, the value is not an 8-byte binary, or it holds no finite number.
double ReadSettingsDate(const RegistryStore& store, std::u16string_view name);

// Creates the program's key when missing; true when the value was written.
bool WriteSettingsDate(RegistryStore& store, std::u16string_view name, double value);

}  // namespace lg
