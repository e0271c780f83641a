#include "common/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvik {

bool WriteFileAtomically(const std::string& path, std::string_view content)
{
    std::vector<char> pattern(path.begin(), path.end());
    const std::string suffix = ".tmp-XXXXXX";
    pattern.insert(pattern.end(), suffix.begin(), suffix.end());
    pattern.push_back('\0');
    int fd = mkstemp(pattern.data());
    if (fd < 0) return false;
    const std::string temporary(pattern.data());

    bool ok = true;
    const char* data = content.data();
    size_t left = content.size();
    while (ok && left > 0) {
        ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) ok = false;
        else {
            data += written;
            left -= static_cast<size_t>(written);
        }
    }
    // New files get the usual permissions (mkstemp makes them private); a replaced file keeps its own.
    struct stat existing {};
    mode_t mode = stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0666 & ~[] {
        mode_t mask = umask(0);
        umask(mask);
        return mask;
    }();
    ok = ok && fchmod(fd, mode) == 0;
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    content = buffer.str();
    return true;
}

CappedRead ReadFileUpTo(const std::string& path, std::uintmax_t maxBytes, std::string& content)
{
    // O_NONBLOCK: opening a FIFO that stands where a file was expected must not wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return CappedRead::Unreadable;
    struct stat status {};
    CappedRead result = CappedRead::Ok;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) result = CappedRead::Unreadable;
    else if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) result = CappedRead::TooLarge;

    std::string bytes;
    if (result == CappedRead::Ok) {
        bytes.resize(static_cast<size_t>(status.st_size));
        size_t filled = 0;
        for (;;) {
            // One byte more than the cap allows shows a file that grew meanwhile.
            if (filled == bytes.size()) bytes.resize(std::min<std::uintmax_t>(bytes.size() + 4096, maxBytes + 1));
            const ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                result = CappedRead::Unreadable;
                break;
            }
            if (got == 0) break;
            filled += static_cast<size_t>(got);
            if (filled > maxBytes) {
                result = CappedRead::TooLarge;
                break;
            }
        }
        bytes.resize(filled);
    }
    close(fd);
    if (result == CappedRead::Ok) content = std::move(bytes);
    return result;
}

}  // namespace morvik
