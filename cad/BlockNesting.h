// How deeply blocks insert one another: the rule that keeps every walk through nested inserts
// finite, checked the same way when a block gets an entity, a file is read or a payload pasted.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace quadrilo::cad {

class Drawing;

// Blocks an insert in model space may reach, one inside the other (the block it names counts
// as the first).
inline constexpr int MaxBlockNesting = 16;

enum class NestingVerdict { Fine, Cycle, TooDeep };

// The graph of blocks and the blocks their content inserts, by stored or drawing id.
class BlockNesting {
public:
    // `block` holds an insert of `inserted`.
    void addInsert(std::uint32_t block, std::uint32_t inserted);
    // Every insert held by a block of the drawing.
    void addDrawing(const Drawing& drawing);
    // In time linear in the inserts: no chain is walked twice.
    [[nodiscard]] NestingVerdict verdict() const;

private:
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> m_inserted; // block -> inserted
};

// Why a verdict refuses, in words for the user ("" when Fine).
[[nodiscard]] std::string nestingProblem(NestingVerdict verdict);

} // namespace quadrilo::cad
