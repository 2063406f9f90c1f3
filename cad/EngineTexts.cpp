// The engine's built-in texts in English and Portuguese, side by side so that no identifier
// lacks a translation, and the current text table.
#include "cad/EngineTexts.h"

#include "cad/FileResult.h"

#include <algorithm>
#include <iterator>

namespace quadrilo::cad {
namespace {

constexpr BuiltinText texts[] = {
    {TextId::FileFilter, "CadBox drawing  (*.vec)|*.vec|", "Desenho CadBox (*.vec)|*.vec|"},
    {TextId::SaveChanges, "Save changes in the file '%s'?", "Salvar as alterações no arquivo'%s'?"},
    {TextId::NothingToUndo, "Undo buffer is empty", "Buffer Desfazer está vazio"},
    {TextId::NothingToRedo, "Redo buffer is empty", "Buffer Refazer está vazio"},
    {TextId::NothingSelected, "Nothing selected.", "Nada selecionado."},
    {TextId::ClipboardEmpty, "No entities on the clipboard.",
     "Nenhuma entidade na área de transferência."},
    {TextId::UnknownCommand, "Unknown command: %s", "Comando desconhecido: %s"},
    {TextId::CommandFailed, "Command failed: %s", "O comando falhou: %s"},
    {TextId::SelectObjects, "Select objects (right button - stop)",
     "Selecione objetos (Botão direito - cancela)"},
    {TextId::SelectObjectsFound, "Select objects: %d found, %d total",
     "Selecione objetos: %d encontrados, %d total"},
    {TextId::MenuZoomExtents, "Zoom Extents", "Zoom Extensão"},
    {TextId::MenuZoomWindow, "Zoom Window", "Zoom Janela"},
    {TextId::MenuZoomRealtime, "Real-time Zoom", "Zoom Tempo Real"},
    {TextId::MenuPanRealtime, "Real-time Pan", "Pan Tempo Real"},
    {TextId::MenuZoomPrevious, "Zoom Previous", "Zoom Anterior"},
    {TextId::MenuRepeat, "Repeat Command", "Repetir Comando"},
    {TextId::MenuUndo, "Undo", "Desfazer"},
    {TextId::MenuRedo, "Redo", "Refazer"},
    {TextId::MenuCopy, "Copy", "Copiar"},
    {TextId::MenuPaste, "Paste", "Colar"},
    {TextId::MenuErase, "Erase", "Apagar"},
    {TextId::MenuMove, "Move", "Mover"},
    {TextId::MenuDraftingAids, "Drafting Aids", "Auxílio ao Desenho"},
    {TextId::MenuOptions, "Options", "Opções"},
    {TextId::MenuProperties, "Properties", "Propriedades"},
    {TextId::MenuLayers, "Layers", "Camadas"},
    {TextId::MenuVertexInsert, "Insert Vertex", "Inserir Vértice"},
    {TextId::MenuVertexDelete, "Delete Vertex", "Apagar Vértice"},
    {TextId::MenuVertexEdit, "Edit Vertex...", "Editar Vértice..."},
    {TextId::FileCannotOpen, "Cannot open %s: %s", "Não foi possível abrir %s: %s"},
    {TextId::FileNotADrawing, "%s is not a Quadrilo drawing (unknown header).",
     "%s não é um desenho do Quadrilo (cabeçalho desconhecido)."},
    {TextId::FileTruncated, "%s is truncated.", "%s está incompleto."},
    {TextId::FileDamaged, "%s is damaged (%s).", "%s está danificado (%s)."},
    {TextId::FileNewerVersion, "%s has format version %s, which this program cannot read.",
     "%s tem a versão de formato %s, que este programa não lê."},
    {TextId::FileCannotWrite, "Cannot write %s: %s", "Não foi possível gravar %s: %s"},
    {TextId::FileUnknownFormat, "No reader or writer for the format of %s.",
     "Nenhum leitor ou gravador para o formato de %s."},
    {TextId::FileNoName, "No file name given.", "Nenhum nome de arquivo informado."},
    {TextId::FileInsideCommand, "A drawing cannot be opened from inside a command.",
     "Um desenho não pode ser aberto de dentro de um comando."},
    {TextId::LayerZeroKept, "Can't delete layer 0", "Não posso apagar camada 0"},
    {TextId::LayerNotEmpty, "Can't delete a layer that holds entities",
     "Não posso apagar camada que contém entidades"},
    {TextId::LayerIsCurrent, "Can't delete the current layer", "Não posso apagar a camada ativa"},
    {TextId::ClipboardDamaged, "The clipboard content is damaged (%s).",
     "O conteúdo da área de transferência está danificado (%s)."},
    {TextId::ClipboardRefused, "The clipboard content cannot be pasted into this drawing (%s).",
     "O conteúdo da área de transferência não pode ser colado neste desenho (%s)."},
    {TextId::Ok, "OK", "OK"},
    {TextId::Cancel, "Cancel", "Cancela"},
    {TextId::LayerDialog, "Layers", "Camadas"},
    {TextId::LayerName, "Name", "Nome"},
    {TextId::LayerColor, "Colour", "Cor"},
    {TextId::LayerVisible, "Visible", "Visível"},
    {TextId::LayerCurrent, "Current", "Ativa"},
    {TextId::LayerNew, "New layer", "Nova camada"},
    {TextId::LayerOrderTitle, "Layer order", "Ordem das camadas"},
    {TextId::LayerUp, "Up", "Subir"},
    {TextId::LayerDown, "Down", "Descer"},
    {TextId::LayerNameInvalid, "Layer names must be unique and not empty; nothing was changed.",
     "Os nomes das camadas devem ser únicos e não vazios; nada foi alterado."},
    {TextId::LayerDelete, "Delete", "Apagar"},
    {TextId::Options, "Options", "Opções"},
    {TextId::ShowLineweights, "Show lineweights", "Mostrar espessuras de linha"},
    {TextId::ShowCross, "Cross cursor", "Cursor em cruz"},
    {TextId::DimTextHeight, "Text height", "Altura do texto"},
    {TextId::DimArrowSize, "Arrow size", "Tamanho da seta"},
    {TextId::DimExtensionOffset, "Extension line offset", "Afastamento da linha de chamada"},
    {TextId::DimExtensionBeyond, "Extension beyond the dimension line",
     "Prolongamento além da linha de cota"},
    {TextId::DimDecimals, "Decimal places", "Casas decimais"},
    {TextId::DimStyleTitle, "Dimension style", "Estilo de cota"},
    {TextId::CurrentLayerIs, "Current Layer:  %s", "Camada ativa:  %s"},
    {TextId::Properties, "Properties", "Propriedades"},
    {TextId::PropertyLayer, "Layer", "Camada"},
    {TextId::PropertyColor, "Colour", "Cor"},
    {TextId::PropertyLineweight, "Lineweight", "Espessura"},
    {TextId::PropertyText, "Text", "Texto"},
    {TextId::PropertyByLayer, "ByLayer", "PorCamada"},
    {TextId::PropertyByBlock, "ByBlock", "PorBloco"},
    {TextId::DraftingAids, "Drafting aids", "Ajuda de desenho"},
    {TextId::SnapEndpoint, "Endpoint", "Extremidade"},
    {TextId::SnapMidpoint, "Midpoint", "Ponto médio"},
    {TextId::SnapIntersection, "Intersection", "Interseção"},
    {TextId::SnapNode, "Node", "Nó"},
    {TextId::SnapCentre, "Centre", "Centro"},
    {TextId::SnapNearest, "Nearest", "Mais próximo"},
    {TextId::SnapGrid, "Snap to grid", "Atrair à grade"},
    {TextId::GridShow, "Show grid", "Mostrar grade"},
    {TextId::GridSpacing, "Grid spacing", "Espaçamento da grade"},
    {TextId::Ortho, "Ortho", "Orto"},
    {TextId::StatusObjectSnap, "SNAP", "SNAP"},
    {TextId::StatusGrid, "GRID", "GRADE"},
    {TextId::StatusOrtho, "ORTHO", "ORTO"},
    {TextId::StatusGridSnap, "GRID SNAP", "SNAP GRADE"},
    {TextId::RepeatCommand, "Repeat %s", "Repetir %s"},
    {TextId::SpecifyPoint, "Specify a point:", "Especifique um ponto:"},
    {TextId::NextPoint,
     "Specify next point (Enter ends):", "Especifique o próximo ponto (Enter termina):"},
    {TextId::ThroughPoint,
     "Specify a through point or [H/V]:", "Especifique um ponto de passagem ou [H/V]:"},
    {TextId::RayPoint, "Specify a through point:", "Especifique um ponto de passagem:"},
    {TextId::Centre, "Specify the centre:", "Especifique o centro:"},
    {TextId::Radius,
     "Specify the radius or a point on the circle:", "Especifique o raio ou um ponto do círculo:"},
    {TextId::TextHeight, "Specify the text height <%s>:", "Especifique a altura do texto <%s>:"},
    {TextId::TextAngle,
     "Specify the rotation angle <%s>:", "Especifique o ângulo de rotação <%s>:"},
    {TextId::TextContent, "Enter the text:", "Digite o texto:"},
    {TextId::MTextLines,
     "Enter a line of text (empty line ends):", "Digite uma linha do texto (linha vazia termina):"},
    {TextId::BlockName, "Block name <%s>:", "Nome do bloco <%s>:"},
    {TextId::InsertionPoint, "Specify the insertion point:", "Especifique o ponto de inserção:"},
    {TextId::FirstExtension, "Specify the first extension line origin:",
     "Especifique a origem da primeira linha de chamada:"},
    {TextId::SecondExtension, "Specify the second extension line origin:",
     "Especifique a origem da segunda linha de chamada:"},
    {TextId::DimensionLine,
     "Specify the dimension line location:", "Especifique a posição da linha de cota:"},
    {TextId::PickSegment, "Select a segment of a polyline or multiline:",
     "Selecione um segmento de polilinha ou multilinha:"},
    {TextId::PickVertex, "Select a vertex:", "Selecione um vértice:"},
    {TextId::NewVertexPosition,
     "Specify the new position of the vertex:", "Especifique a nova posição do vértice:"},
    {TextId::UnknownBlock, "Unknown block: %s", "Bloco desconhecido: %s"},
    {TextId::InvalidValue, "Invalid value.", "Valor inválido."},
    {TextId::BasePoint, "Specify base point:", "Especifique o ponto base:"},
    {TextId::SecondPoint, "Specify second point:", "Especifique o segundo ponto:"},
    {TextId::InvalidPoint, "Invalid point.", "Ponto inválido."},
    {TextId::NextPointOrUndo,
     "Specify next point or [Undo]:", "Especifique o próximo ponto ou [U: desfazer]:"},
    {TextId::CommandPrompt, "Command:", "Comando:"},
    {TextId::FirstCorner, "Specify first corner:", "Especifique primeiro canto:"},
    {TextId::OppositeCorner, "Specify opposite corner:", "Especifique o canto oposto:"},
    {TextId::RealtimeZoom, "Drag up or down to zoom; Escape ends.",
     "Arraste para cima ou para baixo para ampliar; Esc termina."},
    {TextId::RealtimePan, "Drag to pan; Escape ends.", "Arraste para deslocar; Esc termina."},
};

static_assert(std::is_sorted(std::begin(texts), std::end(texts),
                             [](const BuiltinText& a, const BuiltinText& b) {
                                 return static_cast<int>(a.id) < static_cast<int>(b.id);
                             }),
              "the built-in texts are listed in identifier order");

} // namespace

std::span<const BuiltinText> builtinTexts() {
    return texts;
}

std::string fillPlaceholders(std::string text, std::initializer_list<std::string_view> args) {
    std::size_t from = 0;
    for (const std::string_view arg : args) {
        const std::size_t s = text.find("%s", from);
        const std::size_t d = text.find("%d", from);
        const std::size_t at = std::min(s, d);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, arg);
        from = at + arg.size();
    }
    return text;
}

TextTable::TextTable() {
    install(TextLanguage::English);
}

void TextTable::set(int id, std::string text) {
    m_texts[id] = std::move(text);
}

void TextTable::install(TextLanguage language) {
    for (const BuiltinText& t : texts)
        m_texts[static_cast<int>(t.id)] =
            language == TextLanguage::English ? t.english : t.portuguese;
}

std::string TextTable::text(int id) const {
    const auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

const std::string& TextTable::text(TextId id) const {
    // Every built-in identifier has an entry from construction on.
    return m_texts.at(static_cast<int>(id));
}

std::string describe(const FileResult& r, const TextTable& texts) {
    switch (r.error) {
    case FileError::None:
        return {};
    case FileError::NoFileName:
        return texts.text(TextId::FileNoName);
    case FileError::CannotOpen:
        return texts.format(TextId::FileCannotOpen, {r.path, r.detail});
    case FileError::NotADrawing:
        return texts.format(TextId::FileNotADrawing, {r.path});
    case FileError::Truncated:
        return texts.format(TextId::FileTruncated, {r.path});
    case FileError::Damaged:
        return texts.format(TextId::FileDamaged, {r.path, r.detail});
    case FileError::NewerVersion:
        return texts.format(TextId::FileNewerVersion, {r.path, r.detail});
    case FileError::CannotWrite:
        return texts.format(TextId::FileCannotWrite, {r.path, r.detail});
    case FileError::UnknownFormat:
        return texts.format(TextId::FileUnknownFormat, {r.path});
    case FileError::InsideCommand:
        return texts.text(TextId::FileInsideCommand);
    case FileError::Refused:
        return r.detail;
    }
    return {};
}

} // namespace quadrilo::cad
