#include "admin/admin_command.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string>

#include "store/folder_picture_files.h"
#include "store/picture_library.h"
#include "store/reconcile.h"
#include "store/sqlite_picture_index.h"

namespace lg::srv {
namespace {

constexpr std::string_view kUsage =
    "usage: lumigrab-server admin --data DIR list | delete ID | purge DAYS\n";

std::optional<long> ParseDays(std::string_view text) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > 36500) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

int RunAdminCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
                    int64_t nowUnix) {
    if (args.size() < 3 || args[0] != "--data") {
        err << kUsage;
        return 2;
    }
    const std::filesystem::path data{std::string(args[1])};
    const std::string_view verb = args[2];
    if (!std::filesystem::is_directory(data)) {
        err << "no data folder at " << data.string() << '\n';
        return 1;
    }
    FolderPictureFiles files(data / "pictures");
    SqlitePictureIndex index(data / "index.sqlite3");
    PictureLibrary library(files, index);

    if (verb == "list" && args.size() == 3) {
        for (const PictureRecord& r : index.List()) {
            out << r.id << '.' << PictureExtension(r.format) << '\t' << r.width << 'x' << r.height
                << '\t' << r.bytes << '\t' << r.createdUnix << '\t' << r.userHash << '\t'
                << r.clientAddress << '\n';
        }
        return 0;
    }
    if (verb == "delete" && args.size() == 4) {
        const std::optional<PictureRecord> r = library.Find(args[3]);
        if (!r || !library.Delete(*r)) {
            err << "no picture " << args[3] << '\n';
            return 1;
        }
        out << "deleted " << r->id << '\n';
        return 0;
    }
    if (verb == "purge" && args.size() == 4) {
        const std::optional<long> days = ParseDays(args[3]);
        if (!days) {
            err << "purge takes a number of days\n";
            return 2;
        }
        const int64_t cutoff = nowUnix - int64_t{*days} * 86400;
        size_t removed = 0;
        for (const PictureRecord& r : index.List()) {
            if (r.createdUnix < cutoff && library.Delete(r)) ++removed;
        }
        out << "deleted " << removed << " pictures older than " << *days << " days\n";
        return 0;
    }
    err << kUsage;
    return 2;
}

}  // namespace lg::srv
