// Comparing the calculation tool dialog's file names.
#include "results/CalculationFiles.h"

#include <algorithm>
#include <cctype>

namespace quadrilo::results {
namespace {

// The absolute form of a name with links and ".." resolved as far as the path exists.
std::string Normal(const std::filesystem::path& path) {
    std::error_code error;
    auto full = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    auto text = (error ? path.lexically_normal() : full).string();
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::filesystem::path ResolveFileName(const std::string& typed,
                                      const std::filesystem::path& folder) {
    const std::filesystem::path name(typed);
    return name.is_absolute() ? name : folder / name;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) || Normal(a) == Normal(b);
}

bool IsProgramCalculationFile(const std::filesystem::path& file,
                              const std::filesystem::path& programDir) {
    return SameFile(file, programDir / ProgramInputName) ||
           SameFile(file, programDir / ProgramOutputName);
}

} // namespace quadrilo::results
