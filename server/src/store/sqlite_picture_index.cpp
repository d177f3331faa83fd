#include "store/sqlite_picture_index.h"

#include <sqlite3.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace lg::srv {
namespace {

constexpr const char* kSchema =
    "PRAGMA journal_mode=WAL;"
    // FULL: a row reported stored survives a power cut, not only a crash.
    "PRAGMA synchronous=FULL;"
    "CREATE TABLE IF NOT EXISTS pictures("
    " id TEXT PRIMARY KEY NOT NULL,"
    " user_hash TEXT NOT NULL,"
    " format TEXT NOT NULL,"
    " bytes INTEGER NOT NULL,"
    " width INTEGER NOT NULL,"
    " height INTEGER NOT NULL,"
    " sha256 TEXT NOT NULL,"
    " created INTEGER NOT NULL,"
    " client TEXT NOT NULL,"
    " delete_digest TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS pictures_created ON pictures(created);";

constexpr const char* kColumns =
    "id, user_hash, format, bytes, width, height, sha256, created, client, delete_digest";

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Statement Prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        throw std::runtime_error(std::string("SQLite: ") + sqlite3_errmsg(db));
    }
    return Statement(stmt, &sqlite3_finalize);
}

void BindText(sqlite3_stmt* stmt, int index, std::string_view text) {
    sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt, column)))
                : std::string();
}

PictureRecord ReadRow(sqlite3_stmt* stmt) {
    PictureRecord r;
    r.id = ColumnText(stmt, 0);
    r.userHash = ColumnText(stmt, 1);
    r.format = ColumnText(stmt, 2) == "jpg" ? PictureFormat::Jpeg : PictureFormat::Png;
    r.bytes = static_cast<uint64_t>(sqlite3_column_int64(stmt, 3));
    r.width = static_cast<uint32_t>(sqlite3_column_int64(stmt, 4));
    r.height = static_cast<uint32_t>(sqlite3_column_int64(stmt, 5));
    r.sha256 = ColumnText(stmt, 6);
    r.createdUnix = sqlite3_column_int64(stmt, 7);
    r.clientAddress = ColumnText(stmt, 8);
    r.deleteDigest = ColumnText(stmt, 9);
    return r;
}

}  // namespace

SqlitePictureIndex::SqlitePictureIndex(const std::filesystem::path& file) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + file.string() + ": " + message);
    }
    // The admin command and the server may write at the same moment.
    sqlite3_busy_timeout(db_, 5000);
    char* error = nullptr;
    if (sqlite3_exec(db_, kSchema, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        sqlite3_close(db_);
        throw std::runtime_error("cannot prepare " + file.string() + ": " + message);
    }
}

SqlitePictureIndex::~SqlitePictureIndex() {
    sqlite3_close(db_);
}

InsertResult SqlitePictureIndex::Insert(const PictureRecord& r) {
    std::lock_guard lock(mutex_);
    Statement stmt = Prepare(
        db_, std::string("INSERT INTO pictures(") + kColumns + ") VALUES(?,?,?,?,?,?,?,?,?,?)");
    BindText(stmt.get(), 1, r.id);
    BindText(stmt.get(), 2, r.userHash);
    BindText(stmt.get(), 3, PictureExtension(r.format));
    sqlite3_bind_int64(stmt.get(), 4, static_cast<sqlite3_int64>(r.bytes));
    sqlite3_bind_int64(stmt.get(), 5, r.width);
    sqlite3_bind_int64(stmt.get(), 6, r.height);
    BindText(stmt.get(), 7, r.sha256);
    sqlite3_bind_int64(stmt.get(), 8, r.createdUnix);
    BindText(stmt.get(), 9, r.clientAddress);
    BindText(stmt.get(), 10, r.deleteDigest);
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_DONE) return InsertResult::Inserted;
    if (sqlite3_extended_errcode(db_) == SQLITE_CONSTRAINT_PRIMARYKEY) return InsertResult::IdTaken;
    return InsertResult::Failed;
}

std::optional<PictureRecord> SqlitePictureIndex::Find(std::string_view id) {
    std::lock_guard lock(mutex_);
    Statement stmt =
        Prepare(db_, std::string("SELECT ") + kColumns + " FROM pictures WHERE id = ?");
    BindText(stmt.get(), 1, id);
    if (sqlite3_step(stmt.get()) != SQLITE_ROW) return std::nullopt;
    return ReadRow(stmt.get());
}

bool SqlitePictureIndex::Remove(std::string_view id) {
    std::lock_guard lock(mutex_);
    Statement stmt = Prepare(db_, "DELETE FROM pictures WHERE id = ?");
    BindText(stmt.get(), 1, id);
    return sqlite3_step(stmt.get()) == SQLITE_DONE && sqlite3_changes(db_) > 0;
}

std::vector<PictureRecord> SqlitePictureIndex::List() {
    std::lock_guard lock(mutex_);
    Statement stmt =
        Prepare(db_, std::string("SELECT ") + kColumns + " FROM pictures ORDER BY created, id");
    std::vector<PictureRecord> out;
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) out.push_back(ReadRow(stmt.get()));
    return out;
}

}  // namespace lg::srv
