// The project record as its editors show it, and their texts read back all or nothing.
#pragma once

#include "project/TProjectData.h"

#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::app {

// The project record as its editors show it: the texts of the edits of tabs 1, 4, 5 and 6, and
// their conversion into a record, every field first, so that a store changes all or nothing.

struct ProjectFieldTexts {
    std::string fck, nDX, nDY;
    std::string PEConcreto, PELaje, PEParede, Ec, Gc;
    std::string LoadFact, GcFactor, VigaIt, SlabIt;
    std::string Memo; // the memo's lines joined by "\n"
    int DefFact = 0;
    int DiagDef = 0;
};

struct FieldProblem {
    std::string editor;  // objectName of the edit
    std::string message; // for the user, Portuguese
    // A number the record cannot hold (logged); otherwise a text that is not a number (shown by
    // the error handler).
    bool refused = false;
};

struct ProjectFieldsResult {
    TProjectData record;
    std::vector<FieldProblem> problems;
    [[nodiscard]] bool ok() const { return problems.empty(); }
};

// Grids whose node or bar count passes this do not fit the grillage's 16-bit counters.
inline constexpr long MaxMeshCount = 65535;

// The record `current` with every edited field taken from the texts. The slab box, the grid
// spacings and DefColor have no editor and stay. A text that shows exactly the current value
// keeps the current value bit for bit, so that a store after a load changes nothing.
[[nodiscard]] ProjectFieldsResult ReadProjectFields(const ProjectFieldTexts& texts,
                                                    const TProjectData& current);

// The texts the editors show for a record.
[[nodiscard]] ProjectFieldTexts ShowProjectFields(const TProjectData& record);

// The memo as the record keeps it: every line followed by CR LF, cut to 255 characters; and back
// (a final line break starts no empty line).
[[nodiscard]] std::string MemoToRecord(std::string_view editorText);
[[nodiscard]] std::string MemoFromRecord(std::string_view recordText);

// The first `count` characters of a UTF-8 text.
[[nodiscard]] std::string CutCharacters(std::string_view utf8, std::size_t count);

} // namespace quadrilo::app
