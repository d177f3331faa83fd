// The low-level mouse hook that turns the left+right chord into a capture.
#pragma once

#include <functional>

namespace lg::win {

// Installs the hook for every thread of the desktop. The hook only decides:
// the capture (`onChord`, an area capture when empty) runs later from the
// message loop, as the system removes a low-level hook that keeps it
// waiting.
void InstallMouseChordHook(std::function<void()> onChord = {});
void RemoveMouseChordHook();

}  // namespace lg::win
