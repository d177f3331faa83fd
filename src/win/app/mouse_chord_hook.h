// The low-level mouse hook that turns the left+right chord into a capture.
#pragma once

namespace lg::win {

void InstallMouseChordHook();
void RemoveMouseChordHook();

}  // namespace lg::win
