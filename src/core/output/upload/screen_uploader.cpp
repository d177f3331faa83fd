#include "output/upload/screen_uploader.h"

#include <utility>

#include "output/upload/multipart_body.h"
#include "output/upload/upload_names.h"

namespace lg {

ScreenUploader::ScreenUploader(std::string systemHash, UploadTransport& transport,
                               GuiThreadWake& gui, UploadGuiSteps steps,
                               std::function<std::uint64_t()> random)
    : systemHash_(std::move(systemHash)),
      transport_(transport),
      gui_(gui),
      steps_(std::move(steps)),
      random_(std::move(random)) {}

void ScreenUploader::SendScreen(std::span<const std::uint8_t> file, std::string_view format) {
    PictureToUpload picture{std::string(format),
                            std::vector<std::uint8_t>(file.begin(), file.end())};
    const std::lock_guard lock(mutex_);
    if (stopping_ || finishing_) return;
    queue_.push_back(std::move(picture));
}

FinishingUploads ScreenUploader::Finish() {
    const std::lock_guard lock(mutex_);
    finishing_ = true;
    const FinishingUploads finishing{.repliesToCome = repliesOwed_, .dropped = queue_.size()};
    queue_.clear();
    return finishing;
}

void ScreenUploader::Stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    {
        const std::lock_guard lock(mailboxMutex_);
        mailbox_.clear();
    }
    transport_.Cancel();
}

std::size_t ScreenUploader::Queued() const {
    const std::lock_guard lock(mutex_);
    return queue_.size();
}

bool ScreenUploader::TakeNext(PictureToUpload& next) {
    const std::lock_guard lock(mutex_);
    if (stopping_ || finishing_ || queue_.empty()) return false;
    next = std::move(queue_.front());
    queue_.pop_front();
    ++repliesOwed_;
    return true;
}

void ScreenUploader::UploadPending() {
    PictureToUpload picture;
    while (TakeNext(picture)) UploadOnce(picture);
}

void ScreenUploader::Leave(GuiEvent event) {
    bool wake = false;
    {
        const std::lock_guard lock(mailboxMutex_);
        if (stopping_) return;
        if (!event.reply && !mailbox_.empty() && !mailbox_.back().reply) {
            mailbox_.back().lastPos = event.lastPos;
        } else {
            mailbox_.push_back(std::move(event));
        }
        wake = !wakePending_;
        wakePending_ = true;
    }
    if (wake && !gui_.Wake()) {
        // Nobody is coming for this one: the next event tries again.
        const std::lock_guard lock(mailboxMutex_);
        wakePending_ = false;
    }
}

void ScreenUploader::DeliverToGui() {
    std::deque<GuiEvent> events;
    {
        const std::lock_guard lock(mailboxMutex_);
        wakePending_ = false;
        events.swap(mailbox_);
    }
    for (const GuiEvent& e : events) {
        if (stopping_) return;
        if (e.reply) {
            // Still owed while its handler runs: the program asked to end
            // from inside it (a message sent meanwhile) waits for this one.
            const ReplyPaid paid(*this);
            steps_.DeliverLink(e.text);
        } else {
            steps_.ShowProgress(e.lastPos);
        }
    }
}

ScreenUploader::ReplyPaid::~ReplyPaid() {
    const std::lock_guard lock(uploader_.mutex_);
    if (uploader_.repliesOwed_ > 0) --uploader_.repliesOwed_;
}

void ScreenUploader::UploadOnce(const PictureToUpload& picture) {
    maxProgress_ = static_cast<std::int64_t>(picture.bytes.size());
    const int nameNumber = static_cast<int>(random_() % (kUploadNameRandomMax + 1ull));
    const std::string fileName = UploadFileName(nameNumber);
    const std::string boundary = MultipartBoundary(random_());
    std::string reply;
    {
        const std::vector<std::uint8_t> body = BuildMultipartBody({.userHash = systemHash_,
                                                                   .format = picture.format,
                                                                   .fileName = fileName,
                                                                   .file = picture.bytes},
                                                                  boundary);
        const std::string contentType = MultipartContentType(boundary);
        Leave({.lastPos = progress_.LastPos(), .text = {}});
        reply = transport_
                    .Post({.contentType = contentType, .body = body},
                          [this](std::int64_t written) { TransferWork(written); })
                    .value_or(std::string());
    }
    Leave({.reply = true, .text = std::move(reply)});
}

void ScreenUploader::TransferWork(std::int64_t written) {
    if (const std::optional<int> pos = progress_.Written(written, maxProgress_)) {
        Leave({.lastPos = *pos, .text = {}});
    }
}

}  // namespace lg
