// The listings of a malha node or bar, line by line, for the message log and the CAD prompt.
#include "mesh/MeshListings.h"

#include "common/Format.h"
#include "common/StringUtils.h"
#include "elements/ElementKind.h"

#include <array>

namespace quadrilo::mesh {

namespace {

// The name at `index`, or an empty text for a code outside the table.
template <std::size_t N>
std::string NameOf(const std::array<const char*, N>& names, std::uint8_t index) {
    return index < N ? names[index] : "";
}

} // namespace

std::vector<std::string> ShowNodeData(const TNodeData& node, std::int32_t kindCode) {
    const bool deformed = elements::KindOfCode(kindCode) == elements::ElementKind::DeformedNode;
    const auto number = std::to_string(node.Number);
    const double total =
        node.PPontual - (node.PLaje + node.PAcid + node.PPerm + node.PViga + node.PParede);
    return {
        "",
        (deformed ? "*****Dados do Nó(Def.): " : "*****Dados do Nó: ") + number + "*****",
        Format("Coordenadas: (%n,%n)", node.X, node.Y),
        Format("Rotx= %g , Roty= %g , dz= %g ", node.Rotx, node.Roty, node.dz),
        Format("Restrições do nó: dz= %s, rx= %s, ry= %s", FlagText(node.FreeDz != 0),
               FlagText(node.FreeRx != 0), FlagText(node.FreeRy != 0)),
        Format("PLaje: %g (kN), PAcid: %g (kN), PPerm: %g (kN), PViga: %g (kN), PParede: %g "
               "(kN), PPontual: %g (kN)",
               node.PLaje, node.PAcid, node.PPerm, node.PViga, node.PParede, node.PPontual),
        Format("Total de carga no nó: %g (kN)", total),
        Format("Tipo de nó: %s", NameOf(std::array{"Interno", "Lateral", "Canto"}, node.Kind)),
        (deformed ? "*****Fim dados do Nó(Def): " : "*****Fim dados do Nó: ") + number + "*****",
        "",
    };
}

std::vector<std::string> ShowBarData(const TBarData& bar, const MaterialTable& materials) {
    const auto number = std::to_string(bar.Number);
    const TMaterialData none;
    const auto* found = materials.Find(bar.Material);
    const auto& m = found ? *found : none;
    return {
        "",
        "*****Dados da barra: " + number + "*****",
        Format("N1= %d , N2= %d", bar.N1, bar.N2),
        Format("MT1= %g , MF1= %g , V1= %g ", bar.MT1, bar.MF1, bar.V1),
        Format("MT2= %g , MF2= %g , V2= %g ", bar.MT2, bar.MF2, bar.V2),
        Format("Tipo Material: %d", bar.Material),
        Format("Ec: %g (cm^3); Gc: %G (cm^3); I: %g (cm^4); It: %g (cm^4)", m.E, m.G, m.I, m.It),
        Format("Orientação: %s",
               NameOf(std::array{"Horizontal", "Vertical", "Diagonal"}, bar.Orientation)),
        Format("Tipo de barra: %s", NameOf(std::array{"Interna", "Lateral"}, bar.BarType)),
        "*****Fim dados da barra: " + number + "*****",
        "",
    };
}

} // namespace quadrilo::mesh
