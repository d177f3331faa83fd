// Diagnostic trace lines for a debugger (and for the end-to-end tests, which
// read them from Wine's debug channel). Users never see them.
#pragma once

namespace lg::win {

void Trace(const wchar_t* text);

}  // namespace lg::win
