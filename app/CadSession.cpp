// The program's hold on the CAD engine.
#include "app/CadSession.h"

#include "app/DrawingLayers.h"
#include "app/SystemClipboard.h"

#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CanvasTexts.h"
#include "cad/canvas/DrawingTools.h"
#include "cad/canvas/ImmediateCommand.h"

#include <QGuiApplication>

#include <cmath>

namespace quadrilo::app {
namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The beams' multiline style: three lines in colour 1; each beam sets its own width later.
constexpr int BeamStyleDrawMode = 274;
constexpr int BeamStyleColor = 1;
constexpr int PointModeSimple = 64;

// A locked construction line of layer "0" through the origin along the axis.
bool isAxis(const cad::Entity& e, bool alongX) {
    const auto* line = std::get_if<cad::XLineShape>(&e.shape);
    if (!line || !e.locked || e.owner || !(line->base == cad::Point3{}))
        return false;
    const cad::Point3& d = line->dir;
    return alongX ? (d.x != 0.0 && d.y == 0.0 && d.z == 0.0)
                  : (d.y != 0.0 && d.x == 0.0 && d.z == 0.0);
}

} // namespace

cad::LayerId LayerNamed(const cad::Drawing& drawing, const QString& name) {
    return drawing.layerByName(utf8(name));
}

CadSession::CadSession() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        m_clipboard = std::make_unique<SystemClipboard>();
        m_engine.setClipboard(m_clipboard.get());
    }
    m_document = &m_engine.createDocument();
    cad::canvas::registerDrawingTools(*m_document);
}

CadSession::~CadSession() {
    m_engine.setClipboard(nullptr);
}

// ---------------------------------------------------------------- furniture

void CadSession::installEngineTexts() {
    cad::canvas::installCanvasTexts(m_engine, cad::canvas::TextLanguage::Portuguese);
    m_ui.messageTitle = QStringLiteral("CadBox:");
}

void CadSession::installContextMenus() {
    struct Entry {
        int menu;
        const char* text;
        int command;
    };
    // Menu 1 has nothing selected, 2 one entity, 3 several, 7 a vertex grip; 4 to 6 stay empty.
    static const Entry common[] = {{0, "*REPETIR COMANDO*", 913},
                                   {0, "Desfazer", 301},
                                   {0, "Refazer", 302},
                                   {0, "-", 0},
                                   {0, "Auxílio ao desenho", 956},
                                   {0, "Opções", 951},
                                   {0, "-", 0},
                                   {0, "Propriedades do objeto", 306}};
    static const Entry others[] = {{1, "Sair", 904},
                                   {1, "Imprimir", 902},
                                   {1, "-", 0},
                                   {1, "Zoom exteção", 102},
                                   {1, "Zoom tempo real", 107},
                                   {1, "Pan tempo real", 111},
                                   {7, "Inserir vértice", 331},
                                   {7, "Apagar vértice", 332},
                                   {7, "-", 0},
                                   {7, "Editar vértice...", 333}};
    auto& entries = m_ui.menuEntries;
    entries.clear();
    for (const int menu : {3, 2})
        for (const Entry& e : common)
            entries.emplace_back(menu, QString::fromUtf8(e.text), e.command);
    for (const Entry& e : others)
        entries.emplace_back(e.menu, QString::fromUtf8(e.text), e.command);
    m_ui.defaultAccelerators = true;
    for (cad::canvas::CadCanvas* canvas : m_ui.windows())
        m_ui.applyFurniture(*canvas);
}

void CadSession::applyEngineSettings() {
    m_ui.angleUnit = 0;
    m_ui.params[43] = 2;
}

// ---------------------------------------------------------------- file

bool CadSession::open(const QString& path, QString& error) {
    std::string reason;
    if (m_document->runner().executing()) {
        error = QStringLiteral("um comando está em execução");
        return false;
    }
    if (!m_document->open(utf8(path), reason)) {
        error = QString::fromStdString(reason);
        return false;
    }
    return true;
}

bool CadSession::save(const QString& path, QString& error) {
    std::string reason;
    if (!m_document->save(utf8(path), reason)) {
        error = QString::fromStdString(reason);
        return false;
    }
    return true;
}

QString CadSession::fileName() const {
    return QString::fromStdString(m_document->fileName());
}

void CadSession::setFileName(const QString& name) {
    m_document->setFileName(utf8(name));
}

QString CadSession::fileFilter() const {
    return cad::canvas::qtFileFilter(
        cad::canvas::canvasText(m_engine, cad::canvas::CanvasText::FileFilter));
}

// ---------------------------------------------------------------- layers

void CadSession::addProgramLayers() {
    for (const LayerSpec& spec : ProgramLayers)
        drawing().addLayer(cad::Layer{spec.name, spec.color, 0, -1, true, false});
}

bool CadSession::setCurrentLayer(const QString& name) {
    const cad::LayerId id = LayerNamed(drawing(), name);
    if (!id)
        return false;
    drawing().settings().currentLayer = id;
    return true;
}

QString CadSession::currentLayerName() const {
    const cad::Layer* layer = drawing().layer(drawing().settings().currentLayer);
    return layer ? QString::fromStdString(layer->name) : QString();
}

void CadSession::setLayerVisible(const QString& name, bool visible) {
    cad::Drawing& d = drawing();
    const cad::LayerId id = LayerNamed(d, name);
    if (!id)
        return;
    cad::UndoGroup step(d);
    for (cad::EntityId e = d.firstInLayer(id); e; e = d.nextEntity(e))
        d.editEntity(e, [visible](cad::Entity& changed) { changed.visible = visible; });
    setLayerShown(name, visible);
}

const cad::Layer* CadSession::layerNamed(const QString& name) const {
    return drawing().layer(LayerNamed(drawing(), name));
}

void CadSession::editLayer(const QString& name, const std::function<void(cad::Layer&)>& change) {
    const cad::Layer* layer = layerNamed(name);
    if (!layer)
        return;
    cad::Layer changed = *layer;
    change(changed);
    if (!(changed == *layer))
        (void)drawing().changeLayer(LayerNamed(drawing(), name), changed);
}

void CadSession::setLayerShown(const QString& name, bool shown) {
    editLayer(name, [shown](cad::Layer& layer) { layer.visible = shown; });
}

std::optional<bool> CadSession::layerShown(const QString& name) const {
    const cad::Layer* layer = layerNamed(name);
    return layer ? std::optional<bool>(layer->visible) : std::nullopt;
}

void CadSession::setLayerColor(const QString& name, int colorIndex) {
    editLayer(name, [colorIndex](cad::Layer& layer) { layer.color = colorIndex; });
}

std::optional<int> CadSession::layerColor(const QString& name) const {
    const cad::Layer* layer = layerNamed(name);
    return layer ? std::optional<int>(layer->color) : std::nullopt;
}

// ---------------------------------------------------------------- styles and axes

void CadSession::setUpStyles() {
    cad::Drawing& d = drawing();
    (void)d.addMlineStyle(
        cad::MlineStyle{"stVigas",
                        BeamStyleDrawMode,
                        {{0.5, BeamStyleColor}, {0.0, BeamStyleColor}, {-0.5, BeamStyleColor}}});
    if (const cad::DimStyleId grid = d.dimStyleByName("Grelha"))
        d.settings().currentDimStyle = grid;
    d.settings().pointStyle = "Simple";
    d.settings().pointMode = PointModeSimple;
    d.settings().pointSize = 1.0;
}

int CadSession::addAxesWhenAbsent() {
    cad::Drawing& d = drawing();
    const cad::LayerId zero = d.layerByName("0");
    bool hasX = false, hasY = false;
    for (cad::EntityId id = d.firstInLayer(zero); id; id = d.nextEntity(id)) {
        hasX = hasX || isAxis(*d.entity(id), true);
        hasY = hasY || isAxis(*d.entity(id), false);
    }
    int added = 0;
    for (const auto& [present, direction] :
         {std::pair{hasX, cad::Point3{100, 0, 0}}, std::pair{hasY, cad::Point3{0, 100, 0}}}) {
        if (present)
            continue;
        cad::Entity axis;
        axis.layer = zero;
        axis.locked = true;
        axis.shape = cad::XLineShape{{0, 0, 0}, direction};
        if (m_document->add(std::move(axis)))
            ++added;
    }
    return added;
}

// ---------------------------------------------------------------- data and palette

const std::vector<std::uint8_t>& CadSession::drawingData() const {
    return drawing().data().exData;
}

void CadSession::setDrawingData(const std::vector<std::uint8_t>& bytes) {
    drawing().editData([&bytes](cad::DrawingData& data) { data.exData = bytes; });
}

std::uint32_t CadSession::paletteColor(int index) const {
    return SwapRedBlue(drawing().data().palette.at(static_cast<std::size_t>(index)));
}

void CadSession::setPaletteColor(int index, std::uint32_t bgr) {
    drawing().editData([index, bgr](cad::DrawingData& data) {
        data.palette.at(static_cast<std::size_t>(index)) = SwapRedBlue(bgr);
    });
}

// ---------------------------------------------------------------- entities

bool CadSession::addConstructionLine(const cad::Point3& base, const cad::Point3& direction) {
    if (direction == cad::Point3{})
        return false;
    cad::Entity line;
    line.shape = cad::XLineShape{base, direction};
    return static_cast<bool>(m_document->add(std::move(line)));
}

std::size_t CadSession::selectKindInLayer(const QString& layer, int kind) {
    cad::Drawing& d = drawing();
    const cad::LayerId id = LayerNamed(d, layer);
    std::size_t selected = 0;
    for (cad::EntityId e = id ? d.firstInLayer(id) : cad::EntityId{}; e; e = d.nextEntity(e))
        if (d.entity(e)->userData == kind && m_document->selection().add(e))
            ++selected;
    return selected;
}

void CadSession::clearSelection() {
    m_document->selection().clear();
}

std::size_t CadSession::eraseSelection() {
    cad::UndoGroup step(drawing());
    return m_document->eraseSelection();
}

std::size_t CadSession::selectionCount() const {
    return m_document->selection().size();
}

// ---------------------------------------------------------------- view, command line, clipboard

bool CadSession::viewFromTopOrBottom() const {
    const cad::View& view = drawing().settings().view;
    return view.angleHor == 90.0 && std::abs(view.angleVer) == 90.0;
}

bool CadSession::addImmediateCommand(int id, const char* name, std::function<void()> action) {
    return m_document->addCommand(
        cad::CommandDef{id,
                        name,
                        "",
                        0,
                        [action = std::move(action)] { return cad::canvas::immediately(action); },
                        {}});
}

bool CadSession::typeCommandLine(const QString& text) {
    return m_document->typeText(utf8(text));
}

bool CadSession::clipboardHoldsEntities() {
    return cad::clipboardHoldsEntities(m_engine.clipboard());
}

} // namespace quadrilo::app
