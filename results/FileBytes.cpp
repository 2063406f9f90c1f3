// Whole-file reads in one call.
#include "results/FileBytes.h"

#include <fstream>

namespace quadrilo::results {

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(file.tellg()), '\0');
    file.seekg(0);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        return std::nullopt;
    return bytes;
}

} // namespace quadrilo::results
