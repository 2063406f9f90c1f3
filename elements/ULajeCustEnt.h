// Laje (slab): creation panel and command, what it draws, its listing and its edit panel.
#pragma once

#include "elements/EditPanels.h"
#include "elements/ElementDrawing.h"
#include "elements/ElementOutcome.h"
#include "elements/TSlabData.h"
#include "project/TProjectData.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quadrilo::elements {

// Tab "5) Lajes": the texts of the creation panel, with their defaults.
struct SlabCreationPanel {
    std::string edtLh = "12";
    std::string edtLName = "Laje";
    std::string edtCAcid = "2";
    std::string edtCPerm = "1";
    std::string edtSlabIt = "(b*h^3)/6";
};

inline constexpr std::string_view SlabFirstCornerPrompt = "Entre a 1ra coordenada da laje...";
inline constexpr std::string_view SlabSecondCornerPrompt = "Entre a 2a coordenada da laje...";

// "Cria Laje": the slab buffer's input fields (Nome cut to 50 characters, Espessura,
// CargaAcidental, CargaPermanente). Refused for a thickness e ≤ 0, a text that is not a number or
// a torsion formula that does not compile; the caller stores the project data first, so the
// command finds this formula in SlabIt.
[[nodiscard]] Outcome<TSlabData> ReadSlabPanel(const SlabCreationPanel& panel);

// The slab between two picked corners, each coordinate cut to hundredths first: the record
// computed from the buffer's input fields and the project's PELaje, with Itx and Ity from the
// project's SlabIt formula (b = Ly, then b = Lx, h = e, in a parser of its own). Refused, with
// nothing to draw, for e ≤ 0, for corners that leave Lx or Ly at 0, or for a formula that fails
// or gives a negative inertia.
[[nodiscard]] Outcome<ElementCreation> CreateSlab(const TSlabData& buffer, Point3 corner1,
                                                  Point3 corner2, const TProjectData& project);

// The rubber band from the first corner B to the cursor C: B→C and B to each of the box's other
// two corners, (Bx, Cy, Cz) and (Cx, By, Bz).
[[nodiscard]] std::vector<RubberLine> SlabRubberBand(Point3 base, Point3 cursor);

// "Laje 400 x 500 x 12": the name of the block that slabs of these rounded sizes share.
[[nodiscard]] std::string SlabBlockName(const TSlabData& slab);
// "Laje Lx: 400  Ly: 500  e: 12  ": the text of the slab's label.
[[nodiscard]] std::string SlabLabel(const TSlabData& slab);

// The slab's data for the message log, after its creation and on a double click.
[[nodiscard]] MessageLines SlabListing(const TSlabData& slab);

[[nodiscard]] SlabPanel FillSlabPanel(const TSlabData& slab, std::int32_t entity);
[[nodiscard]] SlabPanel ClearedSlabPanel();

// "Grava" (actEditLajeSave): the record read from the slab's own entity with the new thickness
// and name, its inertias (e³·L/12 and e³·L/6) and self-weight recomputed; the label follows, cut
// to 50 characters. Refused for e ≤ 0. The panel stays as it is.
[[nodiscard]] Outcome<ElementEdit> SaveSlabPanel(const SlabPanel& panel, const TSlabData& slab,
                                                 const TProjectData& project);

// The slab's record after its insert moved by d: centre and box follow the drawing.
[[nodiscard]] TSlabData MovedSlab(TSlabData slab, Point3 d);
[[nodiscard]] std::string SlabMovedText(const TSlabData& moved);

} // namespace quadrilo::elements
