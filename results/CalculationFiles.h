// File names of the calculation tool dialog: how typed names resolve and which runs are refused.
#pragma once

#include <filesystem>
#include <string>

namespace quadrilo::results {

inline constexpr const char* ProgramInputName = "gInput.txt";
inline constexpr const char* ProgramOutputName = "gOutput.txt";
inline constexpr const char* SameFileMessage =
    "Erro: O arquivo de resultados não pode ser o próprio arquivo de dados de cálculo";

// A name without a folder is taken in `folder` (the folder the dialog shows).
[[nodiscard]] std::filesystem::path ResolveFileName(const std::string& typed,
                                                    const std::filesystem::path& folder);

// Whether two names denote one file: the same file on disk, or the same name once made absolute,
// without regard to letter case (as the program compares its file names).
[[nodiscard]] bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether `file` is the program's own calculation data or results file in `programDir`.
[[nodiscard]] bool IsProgramCalculationFile(const std::filesystem::path& file,
                                            const std::filesystem::path& programDir);

} // namespace quadrilo::results
