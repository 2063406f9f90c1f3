// Reading a whole file into memory, for the results reader and the listings.
#pragma once

#include <optional>
#include <string>

namespace quadrilo::results {

// The file's bytes as they are; nothing when it cannot be opened or read (errno tells why).
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::string& path);

} // namespace quadrilo::results
