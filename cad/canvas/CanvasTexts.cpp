// English and Portuguese texts of the canvas and its tools.
#include "CanvasTexts.h"

#include "Engine.h"

#include <map>
#include <utility>

namespace cad::canvas {
namespace {

struct Pair {
    CanvasText id;
    const char* english;
    const char* portuguese;
};

// Both languages side by side, so that no identifier lacks a translation.
constexpr Pair texts[] = {
    {CanvasText::RepeatCommand, "Repeat %s", "Repetir %s"},
    {CanvasText::SpecifyPoint, "Specify a point:", "Especifique um ponto:"},
    {CanvasText::NextPoint,
     "Specify next point (Enter ends):", "Especifique o próximo ponto (Enter termina):"},
    {CanvasText::ThroughPoint,
     "Specify a through point or [H/V]:", "Especifique um ponto de passagem ou [H/V]:"},
    {CanvasText::RayPoint, "Specify a through point:", "Especifique um ponto de passagem:"},
    {CanvasText::Centre, "Specify the centre:", "Especifique o centro:"},
    {CanvasText::Radius,
     "Specify the radius or a point on the circle:", "Especifique o raio ou um ponto do círculo:"},
    {CanvasText::TextHeight,
     "Specify the text height <%s>:", "Especifique a altura do texto <%s>:"},
    {CanvasText::TextAngle,
     "Specify the rotation angle <%s>:", "Especifique o ângulo de rotação <%s>:"},
    {CanvasText::TextContent, "Enter the text:", "Digite o texto:"},
    {CanvasText::MTextLines,
     "Enter a line of text (empty line ends):", "Digite uma linha do texto (linha vazia termina):"},
    {CanvasText::BlockName, "Block name <%s>:", "Nome do bloco <%s>:"},
    {CanvasText::InsertionPoint,
     "Specify the insertion point:", "Especifique o ponto de inserção:"},
    {CanvasText::FirstExtension, "Specify the first extension line origin:",
     "Especifique a origem da primeira linha de chamada:"},
    {CanvasText::SecondExtension, "Specify the second extension line origin:",
     "Especifique a origem da segunda linha de chamada:"},
    {CanvasText::DimensionLine,
     "Specify the dimension line location:", "Especifique a posição da linha de cota:"},
    {CanvasText::PickSegment, "Select a segment of a polyline or multiline:",
     "Selecione um segmento de polilinha ou multilinha:"},
    {CanvasText::PickVertex, "Select a vertex:", "Selecione um vértice:"},
    {CanvasText::NewVertexPosition,
     "Specify the new position of the vertex:", "Especifique a nova posição do vértice:"},
    {CanvasText::UnknownBlock, "Unknown block: %s", "Bloco desconhecido: %s"},
    {CanvasText::InvalidValue, "Invalid value.", "Valor inválido."},
    {CanvasText::FirstCorner, "Specify first corner:", "Especifique primeiro canto:"},
    {CanvasText::OppositeCorner, "Specify opposite corner:", "Especifique o canto oposto:"},
    {CanvasText::RealtimeZoom, "Drag up or down to zoom; Escape ends.",
     "Arraste para cima ou para baixo para ampliar; Esc termina."},
    {CanvasText::RealtimePan, "Drag to pan; Escape ends.", "Arraste para deslocar; Esc termina."},
    {CanvasText::DraftingAids, "Drafting aids", "Ajuda de desenho"},
    {CanvasText::SnapEndpoint, "Endpoint", "Extremidade"},
    {CanvasText::SnapMidpoint, "Midpoint", "Ponto médio"},
    {CanvasText::SnapIntersection, "Intersection", "Interseção"},
    {CanvasText::SnapNode, "Node", "Nó"},
    {CanvasText::SnapCentre, "Centre", "Centro"},
    {CanvasText::SnapNearest, "Nearest", "Mais próximo"},
    {CanvasText::SnapGrid, "Snap to grid", "Atrair à grade"},
    {CanvasText::GridShow, "Show grid", "Mostrar grade"},
    {CanvasText::GridSpacing, "Grid spacing", "Espaçamento da grade"},
    {CanvasText::Ortho, "Ortho", "Orto"},
    {CanvasText::LayerDialog, "Layers", "Camadas"},
    {CanvasText::LayerName, "Name", "Nome"},
    {CanvasText::LayerColor, "Colour", "Cor"},
    {CanvasText::LayerVisible, "Visible", "Visível"},
    {CanvasText::LayerCurrent, "Current", "Ativa"},
    {CanvasText::LayerNew, "New layer", "Nova camada"},
    {CanvasText::LayerOrderTitle, "Layer order", "Ordem das camadas"},
    {CanvasText::LayerUp, "Up", "Subir"},
    {CanvasText::LayerDown, "Down", "Descer"},
    {CanvasText::LayerNameInvalid, "Layer names must be unique and not empty; nothing was changed.",
     "Os nomes das camadas devem ser únicos e não vazios; nada foi alterado."},
    {CanvasText::DimStyleTitle, "Dimension style", "Estilo de cota"},
    {CanvasText::DimTextHeight, "Text height", "Altura do texto"},
    {CanvasText::DimArrowSize, "Arrow size", "Tamanho da seta"},
    {CanvasText::DimExtensionOffset, "Extension line offset", "Afastamento da linha de chamada"},
    {CanvasText::DimExtensionBeyond, "Extension beyond the dimension line",
     "Prolongamento além da linha de cota"},
    {CanvasText::DimDecimals, "Decimal places", "Casas decimais"},
    {CanvasText::Ok, "OK", "OK"},
    {CanvasText::Cancel, "Cancel", "Cancela"},
    {CanvasText::Options, "Options", "Opções"},
    {CanvasText::ShowLineweights, "Show lineweights", "Mostrar espessuras de linha"},
    {CanvasText::ShowCross, "Cross cursor", "Cursor em cruz"},
    {CanvasText::Properties, "Properties", "Propriedades"},
    {CanvasText::PropertyLayer, "Layer", "Camada"},
    {CanvasText::PropertyColor, "Colour", "Cor"},
    {CanvasText::PropertyLineweight, "Lineweight", "Espessura"},
    {CanvasText::FileFilter, "CadBox drawing  (*.vec)|*.vec|", "Desenho CadBox (*.vec)|*.vec|"},
};

const Pair* find(CanvasText id) {
    for (const auto& p : texts)
        if (p.id == id)
            return &p;
    return nullptr;
}

} // namespace

std::string canvasText(const Engine& engine, CanvasText id) {
    std::string text = engine.text(static_cast<int>(id));
    if (text.empty())
        if (const Pair* p = find(id))
            text = p->english;
    return text;
}

void installCanvasTexts(Engine& engine, TextLanguage language) {
    for (const auto& p : texts)
        engine.setText(static_cast<int>(p.id),
                       language == TextLanguage::English ? p.english : p.portuguese);
}

std::string withArgument(std::string text, const std::string& argument) {
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

} // namespace cad::canvas
