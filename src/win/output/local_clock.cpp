#include "output/local_clock.h"

#include <windows.h>

namespace lg::win {

LocalDateTime LocalNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace lg::win
