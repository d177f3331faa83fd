#include "output/file_write_result.h"

namespace lg::win {

std::wstring FileWriteResult::Message() const {
    return L"Не удалось сохранить скриншот.\r\n" + reason;
}

FileWriteResult WriteSucceeded() {
    return {};
}

FileWriteResult WriteFailed(DWORD error) {
    return WriteFailed(error, SaveFailureReason(error));
}

FileWriteResult WriteFailed(DWORD error, std::wstring reason) {
    // A failure must never read as success, even when the call that failed
    // forgot to set its error.
    if (error == ERROR_SUCCESS) error = ERROR_GEN_FAILURE;
    return {error, std::move(reason)};
}

FileWriteResult EncodeFailed(EncodeStatus status) {
    switch (status) {
        case EncodeStatus::kOutOfMemory:
            return WriteFailed(ERROR_NOT_ENOUGH_MEMORY);
        case EncodeStatus::kTooLarge:
            return WriteFailed(ERROR_ARITHMETIC_OVERFLOW,
                               L"Снимок слишком велик для этого формата.");
        case EncodeStatus::kEmptyImage:
            return WriteFailed(ERROR_INVALID_DATA, L"Снимок пуст.");
        case EncodeStatus::kCodecFailure:
        case EncodeStatus::kOk:
            break;
    }
    return WriteFailed(ERROR_INVALID_DATA, L"Не удалось закодировать снимок.");
}

std::wstring SaveFailureReason(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_NETWORK_ACCESS_DENIED:
            return L"Нет доступа к папке.";
        case ERROR_WRITE_PROTECT:
            return L"Диск защищён от записи.";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return L"Недостаточно места на диске.";
        case ERROR_FILENAME_EXCED_RANGE:
            return L"Путь слишком длинный.";
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return L"Папка не найдена.";
        case ERROR_NOT_READY:
        case ERROR_DEV_NOT_EXIST:
            return L"Диск недоступен.";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            return L"Недопустимое имя файла.";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return L"Файл занят другой программой.";
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return L"Файл с таким именем уже есть.";
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return L"Недостаточно памяти.";
        default:
            return L"Ошибка Windows " + std::to_wstring(error) + L".";
    }
}

}  // namespace lg::win
