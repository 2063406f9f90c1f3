// records-seeds OUTDIR: the seed corpus of records-fuzz, written from the records' own encodings.
#include "RecordCodecs.h"

#include "common/AtomicFile.h"
#include "common/RecordCodec.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace quadrilo;
using namespace quadrilo::fuzz;

namespace {

class SeedWriter {
public:
    explicit SeedWriter(std::filesystem::path dir) : m_dir(std::move(dir)) {}

    // One seed: the selector byte, then the block.
    void Write(std::uint8_t selector, const std::string& name,
               const std::vector<std::uint8_t>& block) {
        std::string bytes(1, static_cast<char>(selector));
        bytes.append(block.begin(), block.end());
        ReplaceFileContents((m_dir / (std::to_string(selector) + "-" + name)).string(), bytes);
        ++m_count;
    }
    [[nodiscard]] int Count() const { return m_count; }

private:
    std::filesystem::path m_dir;
    int m_count = 0;
};

// Bytes that vary along the block, so that every field of a record decoded from them differs
// from the next and its text length bytes lie beyond the field.
std::vector<std::uint8_t> Patterned(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return bytes;
}

// Per record: the empty record, a record of varied fields (as its decoder reads patterned bytes,
// then encoded), and blocks one byte short and one byte long.
template <class Record> void WriteRecordSeeds(SeedWriter& out, std::uint8_t selector) {
    out.Write(selector, "empty", Record{}.Encode());
    out.Write(selector, "varied", Record::Decode(Patterned(Record::Size)).Encode());
    out.Write(selector, "short", Patterned(Record::Size - 1));
    out.Write(selector, "long", Patterned(Record::Size + 1));
}

template <std::size_t... I> void WriteAllRecordSeeds(SeedWriter& out, std::index_sequence<I...>) {
    (WriteRecordSeeds<std::tuple_element_t<I, Records>>(out, I), ...);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("uso: records-seeds PASTA\n", stderr);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        SeedWriter out(argv[1]);
        WriteAllRecordSeeds(out, std::make_index_sequence<std::tuple_size_v<Records>>{});

        TProjectData project;
        ResetProjectData(project, 0x0000FF00);
        out.Write(std::tuple_size_v<Records> - 1, "new-project", project.Encode());

        const double values[] = {1.5, -0.0, 2.5e-320, std::numeric_limits<double>::infinity(),
                                 std::nan("")};
        for (std::size_t i = 0; i < std::size(values); ++i) {
            const auto bytes = EncodeExtended(values[i]);
            out.Write(ExtendedSelector, "value" + std::to_string(i), {bytes.begin(), bytes.end()});
        }

        const auto text = Utf8ToWindows1252("Laje L1 – ação, pilar P2 (€)");
        out.Write(TextSelector, "names", {text.begin(), text.end()});
        std::printf("%d sementes em %s\n", out.Count(), argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Erro: %s\n", e.what());
        return 1;
    }
    return 0;
}
