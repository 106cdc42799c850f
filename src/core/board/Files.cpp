// Atomic whole-file writes and capped line reading.
#include "core/board/Files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace boltik::board {

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, path, error);
    if (error) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool readLine(std::istream& in, std::string& line, std::size_t maxLength) {
    line.clear();
    bool any = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') break;
        if (line.size() <= maxLength) line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

}  // namespace boltik::board
