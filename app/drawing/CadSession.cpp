// The program's hold on the CAD engine.
#include "app/drawing/CadSession.h"

#include "app/drawing/DrawingLayers.h"
#include "app/texts/Language.h"

#include "cad/Transaction.h"
#include "cad/dxf/DxfFormats.h"

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
        m_clipboard = std::make_unique<cad::canvas::SystemClipboard>();
        m_engine.setClipboard(m_clipboard.get());
    }
    // DXF opens for viewing; DWG is refused with the way round it.
    dxf::AddDxfFormats(m_engine.formats());
    m_document = &m_engine.createDocument();
}

CadSession::~CadSession() {
    m_engine.setClipboard(nullptr);
}

// ---------------------------------------------------------------- furniture

void CadSession::installEngineTexts() {
    EngineTextsPortuguese(m_engine.texts());
    m_ui.setMessageTitle(QStringLiteral("CadBox:"));
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
    // The program's menus replace the engine's own, every one of them.
    for (int menu = 1; menu <= 7; ++menu)
        m_ui.menuClear(menu);
    for (const int menu : {3, 2})
        for (const Entry& e : common)
            m_ui.menuAdd(menu, QString::fromUtf8(e.text), e.command);
    for (const Entry& e : others)
        m_ui.menuAdd(e.menu, QString::fromUtf8(e.text), e.command);
    m_ui.setDefaultAccelerators();
}

void CadSession::applyEngineSettings() {
    m_ui.angleUnit = 0;
    m_ui.params[43] = 2;
}

// ---------------------------------------------------------------- file

cad::FileResult CadSession::open(const QString& path) {
    return m_document->open(utf8(path));
}

cad::FileResult CadSession::save(const QString& path) {
    return m_document->save(utf8(path));
}

QString CadSession::describe(const cad::FileResult& result) const {
    return QString::fromStdString(cad::describe(result, m_engine.texts()));
}

QString CadSession::fileName() const {
    return QString::fromStdString(m_document->fileName());
}

void CadSession::setFileName(const QString& name) {
    m_document->setFileName(utf8(name));
}

QString CadSession::fileFilter() const {
    return cad::canvas::qtFileFilter(m_engine.texts().text(cad::TextId::FileFilter));
}

// ---------------------------------------------------------------- layers

void CadSession::addProgramLayers() {
    cad::Transaction tx(drawing());
    for (const ProgramLayer& layer : ProgramLayers)
        tx.addLayer(cad::Layer{layer.name, layer.color, 0, -1, true, false});
}

bool CadSession::setCurrentLayer(const QString& name) {
    return m_document->setCurrentLayer(LayerNamed(drawing(), name));
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
    cad::Transaction tx(d);
    for (cad::EntityId e = d.firstInLayer(id); e; e = d.nextEntity(e))
        (void)tx.setVisible(e, visible);
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
        (void)cad::Transaction(drawing()).changeLayer(LayerNamed(drawing(), name), changed);
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
    (void)cad::Transaction(d).addMlineStyle(
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
    cad::Transaction tx(d);
    for (const auto& [present, direction] :
         {std::pair{hasX, cad::Point3{100, 0, 0}}, std::pair{hasY, cad::Point3{0, 100, 0}}}) {
        if (present)
            continue;
        cad::Entity axis{.layer = zero, .locked = true, .shape = cad::XLineShape{{}, direction}};
        if (tx.add(std::move(axis)))
            ++added;
    }
    return added;
}

// ---------------------------------------------------------------- data and palette

const std::vector<std::uint8_t>& CadSession::drawingData() const {
    return drawing().data().exData;
}

void CadSession::setDrawingData(const std::vector<std::uint8_t>& bytes) {
    cad::Transaction(drawing()).setDrawingData(bytes);
}

std::uint32_t CadSession::paletteColor(int index) const {
    return SwapRedBlue(drawing().data().palette.at(static_cast<std::size_t>(index)));
}

void CadSession::setPaletteColor(int index, std::uint32_t bgr) {
    (void)cad::Transaction(drawing()).setPaletteColor(index, SwapRedBlue(bgr));
}

// ---------------------------------------------------------------- entities

bool CadSession::addConstructionLine(const cad::Point3& base, const cad::Point3& direction) {
    // On the current layer; a line without a direction is refused.
    cad::Transaction tx(drawing());
    return static_cast<bool>(tx.add(cad::Entity{.shape = cad::XLineShape{base, direction}}));
}

std::size_t CadSession::selectKindInLayer(const QString& layer, int kind) {
    const cad::Drawing& d = drawing();
    const cad::LayerId id = LayerNamed(d, layer);
    std::vector<cad::EntityId> ofKind;
    for (cad::EntityId e = id ? d.firstInLayer(id) : cad::EntityId{}; e; e = d.nextEntity(e))
        if (d.entity(e)->userData == kind)
            ofKind.push_back(e);
    return m_document->selectEntities(std::move(ofKind), true);
}

void CadSession::clearSelection() {
    m_document->clearSelection();
}

std::size_t CadSession::eraseSelection() {
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

cad::Subscription CadSession::addImmediateCommand(int id, const char* name,
                                                  std::function<void()> action) {
    return m_document->addCommand(cad::CommandDef{
        id, name, "", 0, [action = std::move(action)] { return cad::immediately(action); }, {}});
}

bool CadSession::typeCommandLine(const QString& text) {
    return m_document->typeText(utf8(text));
}

bool CadSession::clipboardHoldsEntities() {
    return cad::clipboardHoldsEntities(m_engine.clipboard());
}

} // namespace quadrilo::app
