#include "output/send_screen.h"

#include <random>

#include "output/load_form.h"
#include "output/system_hash.h"
#include "output/upload/screen_uploader.h"
#include "output/upload/upload_progress.h"
#include "output/winhttp_transport.h"
#include "platform/handles.h"
#include "platform/trace.h"

namespace lg::win {

// What the thread uses, shared with it: it may outlive the object by a
// moment at exit, while a request the system could not cancel runs out.
struct TThreadSendScreen::Worker {
    Worker(std::unique_ptr<UploadTransport> t, HWND window, UploadGuiSteps steps)
        : transport(std::move(t)),
          gui(window),
          random(std::random_device{}()),
          uploader(SystemHash(), *transport, gui, std::move(steps), [this] { return random(); }) {}

    std::unique_ptr<UploadTransport> transport;
    PostToGuiThread gui;
    std::mt19937_64 random;  // only the worker thread draws
    ScreenUploader uploader;
    // Auto-reset: each wait takes one signal; signals given while an
    // upload runs count as one, and the queue holds every picture.
    UniqueKernelHandle event{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
};

TThreadSendScreen::TThreadSendScreen(std::unique_ptr<UploadTransport> transport) {
    window_.Create([this] {
        if (worker_) worker_->uploader.DeliverToGui();
    });
    if (!transport) transport = WinHttpTransport::ToImageServer();
    worker_ = std::make_shared<Worker>(
        std::move(transport), window_.hwnd(),
        UploadGuiSteps{.ShowProgress = [this](int lastPos) { ShowProgress(lastPos); },
                       .DeliverLink = [this](const std::string& reply) { DeliverLink(reply); }});
    if (!window_.hwnd() || !worker_->event) {
        Trace(L"upload worker not started");
        return;
    }
    auto* owned = new std::shared_ptr<Worker>(worker_);
    thread_.reset(CreateThread(nullptr, 0, &ThreadProc, owned, 0, nullptr));
    if (!thread_) {
        delete owned;
        Trace(L"upload worker not started");
    }
}

TThreadSendScreen::~TThreadSendScreen() {
    Stop();
    if (thread_) {
        if (!WaitEnded(kStopWaitMs)) Trace(L"upload worker still ending");
    }
}

DWORD WINAPI TThreadSendScreen::ThreadProc(void* param) {
    const std::unique_ptr<std::shared_ptr<Worker>> owned(
        static_cast<std::shared_ptr<Worker>*>(param));
    Worker& w = **owned;
    for (;;) {
        WaitForSingleObject(w.event.get(), INFINITE);
        if (w.uploader.Stopping()) break;
        w.uploader.UploadPending();
    }
    return 0;
}

void TThreadSendScreen::SendScreen(std::span<const std::uint8_t> file, std::string_view format) {
    worker_->uploader.SendScreen(file, format);
    SetEvent(worker_->event.get());
    Trace(L"upload queued");
}

FinishingUploads TThreadSendScreen::Finish() {
    const FinishingUploads finishing = worker_->uploader.Finish();
    Trace(L"upload worker finishing");
    return finishing;
}

void TThreadSendScreen::Stop() {
    worker_->uploader.Stop();
    SetEvent(worker_->event.get());
}

bool TThreadSendScreen::WaitEnded(DWORD timeoutMs) {
    return !thread_ || WaitForSingleObject(thread_.get(), timeoutMs) == WAIT_OBJECT_0;
}

const std::string& TThreadSendScreen::SystemHashText() const {
    return worker_->uploader.SystemHash();
}

void TThreadSendScreen::ShowProgress(int lastPos) {
    TLoadForm* form = LoadForm();
    const ProgressWindowStep step = ProgressStepFor(lastPos);
    Trace((L"upload progress " + std::to_wstring(lastPos)).c_str());
    if (!form) return;
    if (step.close) {
        // A finished transfer leaves a full bar behind, so the window shown
        // again while the reply is awaited (the program asked to end) says
        // the picture went.
        if (lastPos >= 100) {
            form->SetPosition(100);
        } else {
            form->Close();
        }
        return;
    }
    if (!form->Showing()) form->Show();
    form->SetPosition(step.position);
}

void TThreadSendScreen::DeliverLink(const std::string& reply) {
    if (TLoadForm* form = LoadForm(); form && form->Showing()) form->Close();
    Trace(reply.empty() ? L"upload reply delivered: none" : L"upload reply delivered");
    if (OnRedyLink) OnRedyLink(reply);
}

}  // namespace lg::win
