#include "store/picture_library.h"

#include "store/picture_id.h"
#include "store/sha256.h"

namespace lg::srv {
namespace {

// A clash of two 71-bit ids is not expected in the life of a server; the
// bound only keeps a broken random source from looping forever.
constexpr int kIdAttempts = 8;

}  // namespace

std::optional<AddedPicture> PictureLibrary::Add(const NewPicture& picture) {
    AddedPicture added;
    PictureRecord& r = added.record;
    r.userHash = picture.userHash;
    r.format = picture.header.format;
    r.bytes = picture.bytes.size();
    r.width = picture.header.width;
    r.height = picture.header.height;
    r.sha256 = Sha256Hex(picture.bytes);
    r.createdUnix = picture.createdUnix;
    r.clientAddress = picture.clientAddress;
    added.deleteSecret = NewDeleteSecret();
    r.deleteDigest = Sha256Hex(added.deleteSecret);
    for (int attempt = 0; attempt < kIdAttempts; ++attempt) {
        r.id = NewPictureId();
        const PutResult put = files_.Put(r.id, r.format, picture.bytes);
        if (put == PutResult::IdTaken) continue;
        if (put == PutResult::Failed) return std::nullopt;
        const InsertResult inserted = index_.Insert(r);
        if (inserted == InsertResult::Inserted) return added;
        files_.Remove(r.id, r.format);
        if (inserted == InsertResult::Failed) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<PictureRecord> PictureLibrary::Find(std::string_view id) {
    if (!IsPictureId(id)) return std::nullopt;
    return index_.Find(id);
}

std::optional<std::string> PictureLibrary::ReadBytes(const PictureRecord& record) {
    return files_.Read(record.id, record.format);
}

bool PictureLibrary::SecretMatches(const PictureRecord& record, std::string_view secret) {
    if (!IsDeleteSecret(secret)) return false;
    return SameSecret(Sha256Hex(secret), record.deleteDigest);
}

bool PictureLibrary::Delete(const PictureRecord& record) {
    if (!index_.Remove(record.id)) return false;
    files_.Remove(record.id, record.format);
    return true;
}

}  // namespace lg::srv
