// libFuzzer target of the binary records: any bytes decode or are refused by size, and what
// decodes encodes and decodes again to the same record.
#include "RecordCodecs.h"

#include "common/RecordCodec.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>

using namespace quadrilo;
using namespace quadrilo::fuzz;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// A block of any other size is refused with both sizes named; a block of the record's size
// always decodes (damaged text lengths and any reals included), its encoding has the record's
// size, and decoding that encoding gives the same record again. Field by field equality fails on
// NaN, so the encodings are compared too: they hold every real bit for bit.
template <class Record> void CheckRecord(std::span<const std::uint8_t> block) {
    if (block.size() != Record::Size) {
        try {
            (void)Record::Decode(block);
        } catch (const RecordSizeError& e) {
            Require(e.Expected() == Record::Size && e.Actual() == block.size());
            return;
        }
        Require(false); // a block of the wrong size was taken
    }
    const auto first = Record::Decode(block);
    const auto bytes = first.Encode();
    Require(bytes.size() == Record::Size);
    const auto second = Record::Decode(bytes);
    Require(second.Encode() == bytes);
    const bool comparable = first == first; // false when a real is NaN
    Require(!comparable || first == second);
}

template <std::size_t... I>
void CheckRecordAt(std::size_t selector, std::span<const std::uint8_t> block,
                   std::index_sequence<I...>) {
    ((selector == I ? CheckRecord<std::tuple_element_t<I, Records>>(block) : void()), ...);
}

// Every double survives the 10-byte Extended, so a decoded value comes back bit for bit.
void CheckExtended(std::span<const std::uint8_t> block) {
    if (block.size() != ExtendedSize)
        return;
    const double value = DecodeExtended(block.first<ExtendedSize>());
    const auto again = DecodeExtended(EncodeExtended(value));
    Require(std::bit_cast<std::uint64_t>(again) == std::bit_cast<std::uint64_t>(value));
}

// Every Windows-1252 byte reads as a character and writes back as itself; any bytes taken as
// UTF-8, malformed sequences included, convert without fault.
void CheckText(std::span<const std::uint8_t> block) {
    const std::string_view bytes(reinterpret_cast<const char*>(block.data()), block.size());
    Require(Utf8ToWindows1252(Windows1252ToUtf8(bytes)) == bytes);
    (void)Utf8ToWindows1252(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t selector = data[0] % SelectorCount;
    const std::span<const std::uint8_t> block(data + 1, size - 1);
    if (selector == ExtendedSelector)
        CheckExtended(block);
    else if (selector == TextSelector)
        CheckText(block);
    else
        CheckRecordAt(selector, block, std::make_index_sequence<std::tuple_size_v<Records>>{});
    return 0;
}
