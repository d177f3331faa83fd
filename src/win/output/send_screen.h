// The upload worker: a long-lived thread that sends each queued picture to
// the image server, shows the transfer in the progress window and hands
// the server's reply to OnRedyLink on the GUI thread. The panel that owns
// it makes it at start-up and stops it at exit.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "output/gui_thread_wake.h"
#include "output/upload/screen_uploader.h"
#include "output/upload/upload_transport.h"
#include "platform/handles.h"

namespace lg::win {

class TThreadSendScreen {
public:
    // The reply text, empty after a failure; called on the GUI thread.
    using TGetStrProc = std::function<void(const std::string& reply)>;

    // GUI thread. Computes the user hash and starts the thread, which
    // sends through `transport` (the image server's when null).
    explicit TThreadSendScreen(std::unique_ptr<UploadTransport> transport = nullptr);
    // Stops the worker and waits a moment for its thread to end.
    ~TThreadSendScreen();
    TThreadSendScreen(const TThreadSendScreen&) = delete;
    TThreadSendScreen& operator=(const TThreadSendScreen&) = delete;

    // GUI thread. Queues a copy of the encoded picture with its format tag
    // (".PNG" or ".JPG") and returns at once.
    void SendScreen(std::span<const std::uint8_t> file, std::string_view format);
    // GUI thread. The program is asked to end: the queued pictures are
    // dropped and no new one is taken; the upload under way goes on and
    // its reply still reaches OnRedyLink.
    FinishingUploads Finish();
    // GUI thread. The worker ends: the upload under way is cancelled, the
    // queued ones dropped, and nothing more reaches this thread.
    void Stop();
    // GUI thread. Waits up to `timeoutMs` for the thread to end; true once
    // it has. The worker never waits for this thread, so no message needs
    // running meanwhile.
    bool WaitEnded(DWORD timeoutMs);

    const std::string& SystemHashText() const;

    TGetStrProc OnRedyLink;

    // How long the destructor waits for the thread: a request the system
    // cannot cancel at once ends within its own time limits, the process
    // exiting meanwhile takes the thread with it.
    static constexpr DWORD kStopWaitMs = 3000;

private:
    struct Worker;
    static DWORD WINAPI ThreadProc(void* param);
    void ShowProgress(int lastPos);
    void DeliverLink(const std::string& reply);

    GuiThreadWindow window_;
    std::shared_ptr<Worker> worker_;
    UniqueKernelHandle thread_;
};

}  // namespace lg::win
