#include "output/upload/screen_uploader.h"

#include <utility>

#include "output/upload/multipart_body.h"
#include "output/upload/upload_names.h"

namespace lg {

ScreenUploader::ScreenUploader(std::string systemHash, UploadTransport& transport,
                               GuiThreadCall& gui, UploadGuiSteps steps,
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
    if (stopping_) return;
    queue_.push_back(std::move(picture));
}

void ScreenUploader::Stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    transport_.Cancel();
}

std::size_t ScreenUploader::Queued() const {
    const std::lock_guard lock(mutex_);
    return queue_.size();
}

bool ScreenUploader::TakeNext(PictureToUpload& next) {
    const std::lock_guard lock(mutex_);
    if (stopping_ || queue_.empty()) return false;
    next = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

void ScreenUploader::UploadPending() {
    PictureToUpload picture;
    while (TakeNext(picture)) UploadOnce(picture);
}

void ScreenUploader::OnGuiThread(const std::function<void()>& step) {
    // Once stopping, the GUI thread may be waiting for this thread to end.
    if (!stopping_) gui_.Run(step);
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
        const int startPos = progress_.LastPos();
        OnGuiThread([&] { steps_.ShowProgress(startPos); });
        reply = transport_
                    .Post({.contentType = contentType, .body = body},
                          [this](std::int64_t written) { TransferWork(written); })
                    .value_or(std::string());
    }
    OnGuiThread([&] { steps_.DeliverLink(reply); });
}

void ScreenUploader::TransferWork(std::int64_t written) {
    if (const std::optional<int> pos = progress_.Written(written, maxProgress_)) {
        const int shown = *pos;
        OnGuiThread([&] { steps_.ShowProgress(shown); });
    }
}

}  // namespace lg
