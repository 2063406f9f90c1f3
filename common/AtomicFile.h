// Whole-file replacement that never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace quadrilo {

class FileWriteError : public std::runtime_error {
public:
    // Where the replacement stopped; the previous file is intact in every case.
    enum class Stage {
        CreateTemporary, // the folder is missing or not writable
        Write,           // writing or flushing the new contents (disk full, I/O error)
        Replace,         // renaming the new file over the old one
    };

    FileWriteError(std::string path, Stage stage, std::error_code code);
    const std::string& path() const { return m_path; }
    Stage stage() const { return m_stage; }
    std::error_code code() const { return m_code; }

private:
    std::string m_path;
    Stage m_stage;
    std::error_code m_code;
};

// Keep the file being replaced as path + ".bak" (a hard link when the file system allows one).
enum class KeepBackup : bool { No = false, Yes = true };

// Writes the bytes to a temporary file of a unique name beside `path`, flushes it to the disk
// and renames it into place, so readers see either the previous file or the new one, and a link
// planted under any guessable temporary name is never followed. Throws FileWriteError; the
// previous file is then intact.
void ReplaceFileContents(const std::string& path, std::string_view text,
                         KeepBackup backup = KeepBackup::No);
void ReplaceFileContents(const std::string& path, std::span<const std::uint8_t> bytes,
                         KeepBackup backup = KeepBackup::No);

} // namespace quadrilo
