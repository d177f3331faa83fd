// The upload worker's logic, without the thread: pictures queued by the
// GUI thread, and one upload after another on the worker thread, each
// reporting its progress and ending with the reply handed to the GUI
// thread. The thread, the HTTP client and the wake-up are the platform's
// (UploadTransport, GuiThreadWake).
//
// The worker never waits for the GUI thread: what it has for the window
// is left in a mailbox and the GUI thread is woken by one posted message,
// so a GUI thread that is busy, or exiting and waiting for the worker,
// can never deadlock with it. Progress is coalesced there: a percentage
// replaces one still waiting, so at most one wake-up is pending and the
// window only ever catches up with the latest value.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output/upload/upload_progress.h"
#include "output/upload/upload_transport.h"

namespace lg {

// One picture to upload: its format tag and its own copy of the file.
struct PictureToUpload {
    std::string format;  // ".PNG" or ".JPG"
    std::vector<std::uint8_t> bytes;
};

// What becomes of the uploads when the program is asked to end.
struct FinishingUploads {
    // Uploads taken for sending whose reply has not yet reached the GUI
    // thread: they go on, and each still ends in DeliverLink.
    std::size_t repliesToCome = 0;
    // Pictures that were waiting their turn: dropped, never sent.
    std::size_t dropped = 0;
};

// The window steps, run on the GUI thread.
struct UploadGuiSteps {
    // The percentage last reached (UploadProgress::LastPos).
    std::function<void(int lastPos)> ShowProgress;
    // The reply body, empty after a failure.
    std::function<void(const std::string& reply)> DeliverLink;
};

class ScreenUploader {
public:
    // `random` draws the numbers behind each upload's file name and
    // multipart boundary.
    ScreenUploader(std::string systemHash, UploadTransport& transport, GuiThreadWake& gui,
                   UploadGuiSteps steps, std::function<std::uint64_t()> random);
    ScreenUploader(const ScreenUploader&) = delete;
    ScreenUploader& operator=(const ScreenUploader&) = delete;

    // GUI thread. Queues a copy of `file`: a picture that comes while
    // another is being sent waits for its turn rather than replace it.
    void SendScreen(std::span<const std::uint8_t> file, std::string_view format);

    // GUI thread. The program is ending: the queued pictures are dropped
    // and no new one is taken, while the upload being sent goes on to its
    // reply, so its link is not lost.
    FinishingUploads Finish();

    // Any thread. No upload starts any more, the queued ones are dropped,
    // the one being sent is cancelled and no step reaches the GUI thread.
    void Stop();
    bool Stopping() const { return stopping_.load(); }

    // Worker thread. Uploads the queued pictures in turn until none is
    // left or Stop was asked.
    void UploadPending();

    // GUI thread, when woken: runs the window steps left since the last
    // time, in the order they came.
    void DeliverToGui();

    const std::string& SystemHash() const { return systemHash_; }
    int LastPos() const { return progress_.LastPos(); }
    std::size_t Queued() const;

private:
    bool TakeNext(PictureToUpload& next);
    void UploadOnce(const PictureToUpload& picture);
    void TransferWork(std::int64_t written);

    // What waits for the GUI thread: a percentage or a reply.
    struct GuiEvent {
        bool reply = false;
        int lastPos = 0;
        std::string text;
    };
    void Leave(GuiEvent event);

    // Counts a delivered reply off when its handler returns, or throws.
    class ReplyPaid {
    public:
        explicit ReplyPaid(ScreenUploader& uploader) : uploader_(uploader) {}
        ~ReplyPaid();
        ReplyPaid(const ReplyPaid&) = delete;
        ReplyPaid& operator=(const ReplyPaid&) = delete;

    private:
        ScreenUploader& uploader_;
    };

    const std::string systemHash_;
    UploadTransport& transport_;
    GuiThreadWake& gui_;
    UploadGuiSteps steps_;
    std::function<std::uint64_t()> random_;

    mutable std::mutex mutex_;
    std::deque<PictureToUpload> queue_;
    // Taken for sending, reply not yet through DeliverLink.
    std::size_t repliesOwed_ = 0;
    bool finishing_ = false;
    std::atomic<bool> stopping_{false};

    std::mutex mailboxMutex_;
    std::deque<GuiEvent> mailbox_;
    bool wakePending_ = false;

    // Worker thread only.
    UploadProgress progress_;
    std::int64_t maxProgress_ = 0;
};

}  // namespace lg
