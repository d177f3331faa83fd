// Readable failure messages for the settings record.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "settings/settings.h"

namespace lg {

inline void PrintTo(const TLGSettings& s, std::ostream* os) {
    *os << std::hex << "{penwidth " << std::dec << s.penwidth << std::hex << ", pencolor $"
        << s.pencolor << ", wincolor $" << s.wincolor << ", RunWinStart " << s.RunWinStart
        << ", path " << ::testing::PrintToString(s.path) << ", showcursor " << s.showcursor
        << ", playsound " << s.playsound << ", hkAll $" << s.hkAll << ", hkArea $" << s.hkArea
        << ", hkWindow $" << s.hkWindow << ", TwoMouse " << s.TwoMouse << ", Server " << s.Server
        << ", SaveLocal " << s.SaveLocal << std::dec << ", format " << s.format << ", FirstRun "
        << s.FirstRun << ", ShowRedact " << s.ShowRedact << ", OpenURL " << s.OpenURL << "}";
}

}  // namespace lg
