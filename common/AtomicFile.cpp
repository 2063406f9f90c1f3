// Temporary file plus rename, with errors that name the file.
#include "common/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quadrilo {
namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
    throw FileWriteError("não foi possível gravar o arquivo " + path + ": " + std::strerror(error));
}

} // namespace

void ReplaceFileContents(const std::string& path, std::string_view text) {
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        Fail(path, errno);
    // The new file keeps the permissions of the one it replaces.
    struct stat previous {};
    fchmod(fd, ::stat(path.c_str(), &previous) == 0 ? previous.st_mode & 07777 : 0644);
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const auto written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            ::close(fd);
            std::remove(temp.c_str());
            Fail(path, error);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temp.c_str());
        Fail(path, error);
    }
}

} // namespace quadrilo
