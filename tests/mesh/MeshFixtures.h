// Floors for the malha tests, built as records: lajes, vigas, pilares and cargas, laid into a
// workspace the way the drawing would be read (grid generated, records encoded and read back).
#pragma once

#include "common/Messages.h"
#include "elements/TBeamData.h"
#include "elements/TColumnData.h"
#include "elements/TLoadData.h"
#include "elements/TSlabData.h"
#include "mesh/MeshGeneration.h"
#include "mesh/MeshWorkspace.h"
#include "project/TProjectData.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quadrilo::mesh::test {

// A new project's data with the grid's divisions.
[[nodiscard]] TProjectData Project(std::uint16_t nDX, std::uint16_t nDY);

// A laje between two corners; h in cm, loads in kN/m².
[[nodiscard]] TSlabData Slab(double minX, double minY, double maxX, double maxY, double h,
                             double acidental, double permanente);

// A viga of b × d cm from one end to the other, concrete of 25 kN/m³, I = b·d³/12.
[[nodiscard]] TBeamData Beam(double x1, double y1, double x2, double y2, double b, double d,
                             double it);

// A pilar of 20 × 20 cm centred at (x, y); the flags are 1 for restrained.
[[nodiscard]] TColumnData Column(double x, double y, std::uint8_t dz, std::uint8_t rx,
                                 std::uint8_t ry, double mola);

[[nodiscard]] TLoadData Load(double x, double y, double valor);

struct Floor {
    TProjectData Project;
    std::vector<TSlabData> Slabs;
    std::vector<TBeamData> Beams;
    std::vector<TColumnData> Columns;
    std::vector<TLoadData> Loads;
};

// One laje of 200 × 100 at 2 × 1 divisions with a viga on its lower edge, a carga local of
// −10 kN at (100, 100) and four pilares: held fully, on a spring of 5000 kN/m with free
// rotations, and two holding dz only. Load combination "pp+1.4*ca+1.4*cp+cl".
[[nodiscard]] Floor SmallFloor();

// Two lajes in an L, (0, 0)–(400, 500) and (400, 0)–(800, 300), over one grid of 8 × 5
// divisions of 1 m: the corner x > 400, y > 300 is empty. Five pilares hold dz at the L's
// corners; cargas locais of −10 kN at (500, 400), in the empty corner, and at (200, 200).
[[nodiscard]] Floor LShapedFloor();

// Entity ids the drawing would give: lajes from 100, vigas from 200, pilares from 300, cargas
// from 400, nodes from 1000, bars from 100000.
inline constexpr std::uint32_t FirstNodeId = 1000;
inline constexpr std::uint32_t FirstBarId = 100000;

// Generates the floor's grid (writing StepX and StepY into floor.Project) and reads every
// element and the grid into the workspace's lists, layer by layer, with the counters set. The
// lajes and vigas carry their own entity ids in their records.
[[nodiscard]] MeshWorkspace BuildWorkspace(Floor& floor);

// GenerateCalculationData, then WriteCalculationData to `path`: whether both succeeded.
[[nodiscard]] bool GenerateAndWrite(MeshWorkspace& workspace, const TProjectData& project,
                                    const std::string& path, MessageSink& sink);

// What the drawing holds once the changed records are written back, read into fresh lists.
[[nodiscard]] MeshWorkspace ReadBack(const MeshWorkspace& written);

// A fresh, empty folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }
    [[nodiscard]] std::string File(const std::string& name) const {
        return (m_path / name).string();
    }

private:
    std::filesystem::path m_path;
};

} // namespace quadrilo::mesh::test
