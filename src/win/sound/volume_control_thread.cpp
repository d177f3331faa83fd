#include "sound/volume_control_thread.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabVolumeControl";
constexpr UINT kTickMessage = WM_APP + 1;

}  // namespace

TVolumeControlThread::TVolumeControlThread(TBassPlayer& player) : FBassPlayer(&player) {
    wake_.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!wake_ || !stop_ || !CreateMessageOnly(kClassName)) return;
    player.OnStreamStateChanged = [this] { Wake(); };
    wantTicks_ = player.WantsVolumeTicks();
    thread_ = CreateThread(nullptr, 0, &Run, this, 0, nullptr);
}

TVolumeControlThread::~TVolumeControlThread() {
    if (FBassPlayer) FBassPlayer->OnStreamStateChanged = nullptr;
    FBassPlayer = nullptr;
    if (thread_) {
        // The thread never waits for this one (it only posts), so this
        // wait cannot deadlock.
        SetEvent(stop_.get());
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    if (hwnd()) DestroyWindow(hwnd());  // a tick still queued goes with it
}

void TVolumeControlThread::Wake() {
    if (FBassPlayer) wantTicks_ = FBassPlayer->WantsVolumeTicks();
    if (wake_) SetEvent(wake_.get());
}

DWORD WINAPI TVolumeControlThread::Run(void* param) {
    auto* self = static_cast<TVolumeControlThread*>(param);
    HANDLE handles[] = {self->stop_.get(), self->wake_.get()};
    for (;;) {
        const DWORD wait = self->wantTicks_ ? kTickMs : INFINITE;
        const DWORD r = WaitForMultipleObjects(2, handles, FALSE, wait);
        if (r == WAIT_OBJECT_0) return 0;
        if (!self->wantTicks_) continue;
        // One tick in flight at a time; the GUI thread runs it.
        if (!self->tickQueued_.exchange(true)) {
            ++self->ticks_;
            if (!PostMessageW(self->hwnd(), kTickMessage, 0, 0)) self->tickQueued_ = false;
        }
    }
}

LRESULT TVolumeControlThread::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kTickMessage) {
        tickQueued_ = false;
        if (FBassPlayer) FBassPlayer->VolumeTick();
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
