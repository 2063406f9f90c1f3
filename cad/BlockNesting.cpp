// Cycle and depth check of block nesting: longest chain by peeling blocks whose inserts are known.
#include "cad/BlockNesting.h"

#include "cad/Drawing.h"

#include <algorithm>

namespace quadrilo::cad {

void BlockNesting::addInsert(std::uint32_t block, std::uint32_t inserted) {
    m_inserted[block].push_back(inserted);
    m_inserted.try_emplace(inserted);
}

void BlockNesting::addDrawing(const Drawing& d) {
    for (BlockId b : d.blocks())
        for (EntityId id = d.firstInBlock(b); id; id = d.nextEntity(id))
            if (const auto* ins = std::get_if<InsertShape>(&d.entity(id)->shape))
                addInsert(b.value, ins->block.value);
}

NestingVerdict BlockNesting::verdict() const {
    // A block's level is one more than the deepest block it inserts. Blocks are settled from
    // those that insert nothing upwards; a block never settled lies on a cycle.
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> insertedBy;
    std::unordered_map<std::uint32_t, std::size_t> unsettled; // inserts whose level is unknown
    std::unordered_map<std::uint32_t, int> level;
    std::vector<std::uint32_t> ready;
    for (const auto& [block, inserted] : m_inserted) {
        unsettled[block] = inserted.size();
        level[block] = 1;
        for (std::uint32_t i : inserted)
            insertedBy[i].push_back(block);
        if (inserted.empty())
            ready.push_back(block);
    }
    std::size_t settled = 0;
    int deepest = 0;
    while (!ready.empty()) {
        const std::uint32_t b = ready.back();
        ready.pop_back();
        ++settled;
        deepest = std::max(deepest, level[b]);
        for (std::uint32_t outer : insertedBy[b]) {
            level[outer] = std::max(level[outer], level[b] + 1);
            if (--unsettled[outer] == 0)
                ready.push_back(outer);
        }
    }
    if (settled < m_inserted.size())
        return NestingVerdict::Cycle;
    return deepest > MaxBlockNesting ? NestingVerdict::TooDeep : NestingVerdict::Fine;
}

std::string nestingProblem(NestingVerdict verdict) {
    switch (verdict) {
    case NestingVerdict::Fine:
        return {};
    case NestingVerdict::Cycle:
        return "blocks insert each other in a cycle";
    case NestingVerdict::TooDeep:
        return "blocks nested more than " + std::to_string(MaxBlockNesting) + " deep";
    }
    return {};
}

} // namespace quadrilo::cad
