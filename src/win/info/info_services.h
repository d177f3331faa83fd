// What the information windows need from the rest of the program, so each
// can be tested on its own: pages opened, the registry, today's date.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "settings/registry_store.h"

namespace lg::win {

struct InfoServices {
    // Opens a page of the vendor's web server by its path.
    std::function<void(std::string_view path)> openPage;
    // The registry the windows store their dates and marks in.
    std::shared_ptr<RegistryStore> store;
    // Today as a day count since 30 December 1899 (the settings dates').
    std::function<double()> today;
};

// The program's own: the default browser, HKEY_CURRENT_USER, the local
// clock.
InfoServices DefaultInfoServices();

// Today's local date as a whole day count since 30 December 1899.
double Today();

}  // namespace lg::win
