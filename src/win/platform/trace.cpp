#include "platform/trace.h"

#include <windows.h>

#include <string>

namespace lg::win {

void Trace(const wchar_t* text) {
    std::wstring line = L"Lumigrab: ";
    line += text;
    line += L"\n";
    OutputDebugStringW(line.c_str());
}

}  // namespace lg::win
