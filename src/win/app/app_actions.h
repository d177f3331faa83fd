// What the tray shell asks of the windows that stand behind its commands.
// Each is the one place where the window it names is opened.
#pragma once

#include <windows.h>

#include "update/update_check_flow.h"

namespace lg::win {

// Kinds of capture: 0 an area the user selects, 1 the foreground window,
// 2 the whole virtual screen, 3 the last area again. A countdown under
// way stops: this capture takes its place.
void RequestCapture(int typeSelect);

// An area capture after a countdown of `seconds`; asked again while one
// counts, it starts over.
void RequestDelayedCapture(int seconds);

// "Выход": the program ends, at once or after the upload under way; asked
// again, at once.
void RequestExit();

// The settings window, modal, one at a time; a second start's request
// lands here too.
void OpenSettingsWindow(HWND owner);
// Destroys the settings window before the program's other windows go.
void CloseSettingsWindow();

// The about window, modeless; an open one comes to the front.
void OpenAboutWindow(HWND owner);

// The companion offer window, unless it is already showing.
void ShowOfferWindow();

// The update list check: the timers' (quiet, keeping to its day) or the
// one the user asked for from the tray menu (always answers).
void CheckForUpdate(HWND owner, UpdateTrigger trigger);

// The welcome window of the installer's first start, modal; true when the
// user asked for a capture from it.
bool ShowWelcomeWindow(HWND owner);

// The new-version notice, modal over `owner`: 1 when the user chose
// "ОБНОВИТЬ", 2 when it was closed. The window exists only meanwhile.
int ShowNewVersionNotice(HWND owner);
// A notice is showing (the check does not start another).
bool NewVersionNoticeExists();

// The rating window, modeless, with no owner; one at a time.
void ShowSurveyWindow();
// The rating window is open.
bool SurveyWindowExists();

// Destroys the about and rating windows before the program's other
// windows go.
void CloseInfoWindows();

}  // namespace lg::win
