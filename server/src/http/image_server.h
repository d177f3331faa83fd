// The whole server: opens the data folder (pictures and index), makes them
// agree, and answers HTTPS (or plain HTTP behind a proxy) until stopped.
#pragma once

#include <atomic>
#include <memory>

#include "http/rate_limiter.h"
#include "http/server_context.h"
#include "http/server_options.h"
#include "store/folder_picture_files.h"
#include "store/picture_library.h"
#include "store/reconcile.h"
#include "store/sqlite_picture_index.h"

namespace httplib {
class Server;
}

namespace lg::srv {

class ImageServer {
public:
    // Opens <data>/pictures and <data>/index.sqlite3 and reconciles them.
    // Throws std::runtime_error when the folder, the index or the
    // certificate cannot be used.
    explicit ImageServer(ServerOptions options);
    ~ImageServer();
    ImageServer(const ImageServer&) = delete;
    ImageServer& operator=(const ImageServer&) = delete;

    // Binds the listening socket; returns the port (a free one when the
    // options say 0). Throws std::runtime_error when it cannot bind.
    int Bind();
    // Answers requests until Stop; call after Bind, on its own thread.
    void Run();
    // Stops taking connections; requests in progress finish, then Run
    // returns. Safe from any thread, also before Run has started.
    void Stop();

    [[nodiscard]] const ReconcileReport& startReport() const { return startReport_; }

private:
    ServerOptions options_;
    FolderPictureFiles files_;
    SqlitePictureIndex index_;
    PictureLibrary library_;
    RateLimiter perHash_, perAddress_;
    ServerContext ctx_;
    ReconcileReport startReport_;
    std::unique_ptr<httplib::Server> http_;
    std::atomic<bool> running_{false}, stopRequested_{false};
};

}  // namespace lg::srv
