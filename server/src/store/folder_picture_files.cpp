#include "store/folder_picture_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#include "store/picture_id.h"

namespace lg::srv {
namespace fs = std::filesystem;
namespace {

// Temporary files start with this, which no picture id does.
constexpr std::string_view kTempPrefix = ".tmp-";

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A new name in a folder lasts a crash only once the folder is flushed.
bool SyncFolder(const fs::path& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}

std::optional<PictureFormat> FormatOfExtension(std::string_view ext) {
    if (ext == ".png") return PictureFormat::Png;
    if (ext == ".jpg") return PictureFormat::Jpeg;
    return std::nullopt;
}

}  // namespace

FolderPictureFiles::FolderPictureFiles(fs::path root) : root_(std::move(root)) {
    fs::create_directories(root_);
}

fs::path FolderPictureFiles::PathOf(std::string_view id, PictureFormat format) const {
    std::string name(id);
    name += '.';
    name += PictureExtension(format);
    return root_ / std::string(id.substr(0, 2)) / name;
}

PutResult FolderPictureFiles::Put(std::string_view id, PictureFormat format,
                                  std::string_view bytes) {
    if (!IsPictureId(id)) return PutResult::Failed;
    const fs::path target = PathOf(id, format);
    const fs::path folder = target.parent_path();
    std::error_code ec;
    if (fs::create_directory(folder, ec)) {
        if (!SyncFolder(root_)) return PutResult::Failed;
    } else if (ec) {
        return PutResult::Failed;
    }
    const fs::path temp = folder / (std::string(kTempPrefix) + target.filename().string());
    {
        Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (fd.get() < 0) return PutResult::Failed;
        if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.Close()) {
            ::unlink(temp.c_str());
            return PutResult::Failed;
        }
    }
    // link() fails when the name exists, so an id drawn twice can never
    // replace an earlier picture.
    const int linked = ::link(temp.c_str(), target.c_str());
    const int linkErrno = errno;
    ::unlink(temp.c_str());
    if (linked != 0) return linkErrno == EEXIST ? PutResult::IdTaken : PutResult::Failed;
    return SyncFolder(folder) ? PutResult::Stored : PutResult::Failed;
}

std::optional<std::string> FolderPictureFiles::Read(std::string_view id, PictureFormat format) {
    if (!IsPictureId(id)) return std::nullopt;
    std::ifstream in(PathOf(id, format), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool FolderPictureFiles::Remove(std::string_view id, PictureFormat format) {
    if (!IsPictureId(id)) return false;
    const fs::path target = PathOf(id, format);
    if (::unlink(target.c_str()) != 0) return false;
    SyncFolder(target.parent_path());
    return true;
}

std::vector<StoredFile> FolderPictureFiles::List() {
    std::vector<StoredFile> out;
    std::error_code ec;
    for (const fs::directory_entry& folder : fs::directory_iterator(root_, ec)) {
        if (!folder.is_directory()) continue;
        const std::string prefix = folder.path().filename().string();
        for (const fs::directory_entry& file : fs::directory_iterator(folder.path(), ec)) {
            if (!file.is_regular_file()) continue;
            const fs::path name = file.path().filename();
            const std::string stem = name.stem().string();
            const std::optional<PictureFormat> format =
                FormatOfExtension(name.extension().string());
            if (!format || !IsPictureId(stem) || stem.compare(0, 2, prefix) != 0) continue;
            out.push_back(StoredFile{stem, *format, static_cast<uint64_t>(file.file_size(ec))});
        }
    }
    return out;
}

size_t FolderPictureFiles::RemoveLeftovers() {
    size_t removed = 0;
    std::error_code ec;
    for (const fs::directory_entry& folder : fs::directory_iterator(root_, ec)) {
        if (!folder.is_directory()) continue;
        for (const fs::directory_entry& file : fs::directory_iterator(folder.path(), ec)) {
            if (file.path().filename().string().starts_with(kTempPrefix) &&
                fs::remove(file.path(), ec)) {
                ++removed;
            }
        }
    }
    return removed;
}

}  // namespace lg::srv
