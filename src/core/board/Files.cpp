// Atomic whole-file writes and capped line reading.
#include "core/board/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace boltik::board {

std::string describeFileError(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return "нет прав на запись";
        case EROFS:
            return "диск доступен только для чтения";
        case ENOSPC:
        case EDQUOT:
            return "на диске нет места";
        case EISDIR:
            return "на этом месте папка";
        case ENOENT:
        case ENOTDIR:
            return "папки нет";
        case ENAMETOOLONG:
            return "слишком длинное имя";
        default:
            return std::string("ошибка записи: ") + std::strerror(errorNumber);
    }
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".part";
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return {false, describeFileError(errno ? errno : EACCES)};
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int error = errno ? errno : EIO;
            out.close();
            std::remove(temp.c_str());
            return {false, describeFileError(error)};
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::remove(temp.c_str());
        return {false, describeFileError(error.value())};
    }
    return {};
}

bool readLine(std::istream& in, std::string& line, std::size_t maxLength) {
    line.clear();
    bool any = false;
    bool cut = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') break;
        if (line.size() <= maxLength) {
            line += static_cast<char>(c);
        } else {
            cut = true;
        }
    }
    // Only the line's own end loses its CR: a cut line keeps its length, so it stays longer
    // than maxLength.
    if (!cut && !line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

}  // namespace boltik::board
