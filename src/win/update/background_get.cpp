#include "update/background_get.h"

#include <memory>

#include "net/http_get.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabBackgroundGet";
constexpr UINT kReplyMessage = WM_APP + 1;

// What the worker owns: its copy of the address and where to post.
struct Job {
    std::wstring url;
    DWORD timeoutMs;
    std::size_t maxBody;
    HWND target;
};

DWORD WINAPI Worker(void* param) {
    std::unique_ptr<Job> job(static_cast<Job*>(param));
    auto reply = std::make_unique<HttpGetResult>(HttpGet(job->url, job->timeoutMs, job->maxBody));
    // The window may be gone (the program ending): then the reply is dropped.
    if (PostMessageW(job->target, kReplyMessage, 0, reinterpret_cast<LPARAM>(reply.get()))) {
        reply.release();
    }
    return 0;
}

}  // namespace

BackgroundGet::~BackgroundGet() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool BackgroundGet::Start(std::wstring url, DWORD timeoutMs, std::size_t maxBody, Reply done) {
    if (running_) return false;
    if (!hwnd() && !CreateMessageOnly(kClassName)) return false;
    auto job = std::make_unique<Job>(Job{std::move(url), timeoutMs, maxBody, hwnd()});
    HANDLE thread = CreateThread(nullptr, 0, &Worker, job.get(), 0, nullptr);
    if (!thread) return false;
    job.release();
    CloseHandle(thread);  // it ends by itself; nothing waits for it
    running_ = true;
    done_ = std::move(done);
    return true;
}

LRESULT BackgroundGet::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kReplyMessage) {
        std::unique_ptr<HttpGetResult> reply(reinterpret_cast<HttpGetResult*>(lp));
        running_ = false;
        Reply done = std::move(done_);
        if (done) done(std::move(*reply));
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        // Replies already queued for this window would be lost with it.
        MSG pending;
        while (PeekMessageW(&pending, hwnd(), kReplyMessage, kReplyMessage, PM_REMOVE)) {
            delete reinterpret_cast<HttpGetResult*>(pending.lParam);
        }
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
