// Temporary file, flush, then rename, with errors that name the file and the failing step.
#include "common/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quadrilo {
namespace {

std::string describe(const std::string& path, std::error_code code) {
    return "não foi possível gravar o arquivo " + path + ": " + code.message();
}

[[noreturn]] void fail(const std::string& path, FileWriteError::Stage stage, int error) {
    throw FileWriteError(path, stage, std::error_code(error, std::generic_category()));
}

// Writes everything, retrying interrupted and short writes; returns 0 or the errno.
int writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const auto written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

void keepBackup(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return;
    // The previous version stays as ".bak": a hard link costs no copy; a copy is the fallback.
    // A missing backup is no reason to refuse the save itself.
    const std::string backup = path + ".bak";
    fs::remove(backup, ec);
    if (::link(path.c_str(), backup.c_str()) != 0)
        fs::copy_file(path, backup, fs::copy_options::overwrite_existing, ec);
}

} // namespace

FileWriteError::FileWriteError(std::string path, Stage stage, std::error_code code)
    : std::runtime_error(describe(path, code)), m_path(std::move(path)), m_stage(stage),
      m_code(code) {}

void ReplaceFileContents(const std::string& path, std::string_view text, KeepBackup backup) {
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        fail(path, FileWriteError::Stage::CreateTemporary, errno);
    // The new file keeps the permissions of the one it replaces.
    struct stat previous {};
    fchmod(fd, ::stat(path.c_str(), &previous) == 0 ? previous.st_mode & 07777 : 0644);
    int error = writeAll(fd, text.data(), text.size());
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        std::remove(temp.c_str());
        fail(path, FileWriteError::Stage::Write, error);
    }
    if (backup == KeepBackup::Yes)
        keepBackup(path);
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
        std::remove(temp.c_str());
        fail(path, FileWriteError::Stage::Replace, error);
    }
}

void ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes,
                         KeepBackup backup) {
    ReplaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), backup);
}

} // namespace quadrilo
