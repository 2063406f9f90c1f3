// The flat Cad... API over the engine: converts integer handles to typed ids and back.
#include "CadApi.h"

#include "Document.h"
#include "Engine.h"

#include <algorithm>
#include <cctype>
#include <cstring>

using namespace cad;

namespace {

// The engine the flat calls act on; set and restored by CadEngineScope.
Engine* g_engine = nullptr;

// A handle packs the drawing (bits 48..62, first drawing 0), a sub-index (bits 32..47: the
// attribute of an insert) and the object's id (bits 0..31).
CadHandle pack(const Document& doc, std::uint32_t id, std::uint32_t sub = 0) {
    if (id == 0)
        return 0;
    return (static_cast<CadHandle>(doc.handle() - 1) << 48) | (static_cast<CadHandle>(sub) << 32) |
           id;
}

struct Ref {
    Document* doc = nullptr;
    std::uint32_t id = 0;
    std::uint32_t sub = 0;
    explicit operator bool() const { return doc != nullptr && id != 0; }
};

Ref resolve(CadHandle h) {
    if (!g_engine || h <= 0)
        return {};
    Document* doc = g_engine->document(static_cast<int>(h >> 48) + 1);
    return {doc, static_cast<std::uint32_t>(h & 0xFFFFFFFF),
            static_cast<std::uint32_t>((h >> 32) & 0xFFFF)};
}

Document* documentOf(CadHandle drawing) {
    return g_engine && drawing > 0 && drawing <= 0x7FFFFFFF
               ? g_engine->document(static_cast<int>(drawing))
               : nullptr;
}

CadPoint toCad(const Point3& p) {
    return {p.x, p.y, p.z};
}
Point3 toPoint(const CadPoint& p) {
    return {p.x, p.y, p.z};
}

const Entity* entityOf(CadHandle h, Ref* out = nullptr) {
    const Ref r = resolve(h);
    if (!r || r.sub != 0)
        return nullptr;
    if (out)
        *out = r;
    return r.doc->drawing().entity(EntityId(r.id));
}

int edit(CadHandle h, const std::function<void(Entity&)>& change) {
    Ref r;
    if (!entityOf(h, &r))
        return 0;
    return r.doc->drawing().editEntity(EntityId(r.id), change) ? 1 : 0;
}

template <class S> const S* shapeOf(CadHandle h) {
    const Entity* e = entityOf(h);
    return e ? std::get_if<S>(&e->shape) : nullptr;
}

CadHandle addShape(CadHandle drawing, Shape shape) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    Entity e;
    e.shape = std::move(shape);
    return pack(*doc, doc->add(std::move(e)).value);
}

const Layer* layerOf(CadHandle h, Ref* out = nullptr) {
    const Ref r = resolve(h);
    if (!r)
        return nullptr;
    if (out)
        *out = r;
    return r.doc->drawing().layer(LayerId(r.id));
}

int changeLayer(CadHandle h, const std::function<void(Layer&)>& change) {
    Ref r;
    const Layer* l = layerOf(h, &r);
    if (!l)
        return 0;
    Layer changed = *l;
    change(changed);
    return r.doc->drawing().changeLayer(LayerId(r.id), changed) ? 1 : 0;
}

int changeMlineStyle(CadHandle h, const std::function<bool(MlineStyle&)>& change) {
    const Ref r = resolve(h);
    const MlineStyle* s = r ? r.doc->drawing().mlineStyle(MlineStyleId(r.id)) : nullptr;
    if (!s)
        return 0;
    MlineStyle changed = *s;
    if (!change(changed))
        return 0;
    return r.doc->drawing().changeMlineStyle(MlineStyleId(r.id), changed) ? 1 : 0;
}

// The insert and attribute an attribute handle names.
const Attribute* attributeOf(CadHandle h, Ref* out = nullptr) {
    const Ref r = resolve(h);
    if (!r || r.sub == 0)
        return nullptr;
    const Entity* e = r.doc->drawing().entity(EntityId(r.id));
    const auto* ins = e ? std::get_if<InsertShape>(&e->shape) : nullptr;
    if (!ins || r.sub > ins->attributes.size())
        return nullptr;
    if (out)
        *out = r;
    return &ins->attributes[r.sub - 1];
}

bool hasVecExtension(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".vec";
}

int fail(Document* doc, std::string message) {
    if (doc)
        doc->lastError() = std::move(message);
    return 0;
}

} // namespace

CadEngineScope::CadEngineScope(Engine& engine) : m_previous(g_engine) {
    g_engine = &engine;
}
CadEngineScope::~CadEngineScope() {
    g_engine = m_previous;
}

// ---------------------------------------------------------------- drawing

CadHandle CadCreate() {
    return g_engine ? g_engine->createDocument().handle() : 0;
}

int CadDelete(CadHandle drawing) {
    // A command cannot delete the drawing it is running in.
    Document* doc = documentOf(drawing);
    if (!doc || doc->runner().executing())
        return 0;
    return g_engine->deleteDocument(static_cast<int>(drawing)) ? 1 : 0;
}

int CadGetDirty(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc && doc->drawing().dirty() ? 1 : 0;
}

int CadPutDirty(CadHandle drawing, int dirty) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->drawing().setDirty(dirty != 0);
    return 1;
}

std::string CadGetFileName(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->fileName() : std::string();
}

int CadPutFileName(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->setFileName(name);
    return 1;
}

int CadFileOpen(CadHandle drawing, CadHandle, const std::string& name) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    if (name.empty())
        return fail(doc, "No file name given.");
    if (doc->runner().executing())
        return fail(doc, "A drawing cannot be opened from inside a command.");
    std::string error;
    if (!doc->open(name, error))
        return fail(doc, error);
    return 1;
}

int CadFileSave(CadHandle drawing, CadHandle window) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    if (doc->fileName().empty())
        return fail(doc, "The drawing has no file name yet.");
    return CadFileSaveAs(drawing, window, doc->fileName());
}

int CadFileSaveAs(CadHandle drawing, CadHandle, const std::string& name) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    if (name.empty())
        return fail(doc, "No file name given.");
    if (!hasVecExtension(name))
        return fail(doc, "Only \".vec\" drawings can be written: " + name);
    std::string error;
    if (!doc->save(name, error))
        return fail(doc, error);
    return 1;
}

std::string CadGetErrorText(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->lastError() : std::string();
}

int CadPutExData(CadHandle drawing, const void* bytes, int size) {
    Document* doc = documentOf(drawing);
    if (!doc || size < 0 || (size > 0 && !bytes))
        return 0;
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    doc->drawing().editData([&](DrawingData& d) { d.exData.assign(p, p + size); });
    return 1;
}

int CadGetExDataSize(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? static_cast<int>(doc->drawing().data().exData.size()) : 0;
}

int CadGetExData(CadHandle drawing, void* bytes) {
    Document* doc = documentOf(drawing);
    if (!doc || !bytes)
        return 0;
    const auto& data = doc->drawing().data().exData;
    std::memcpy(bytes, data.data(), data.size());
    return static_cast<int>(data.size());
}

int CadSetColor(CadHandle drawing, int index, std::uint32_t rgb) {
    Document* doc = documentOf(drawing);
    if (!doc || index < 0 || index > 255)
        return 0;
    doc->drawing().editData(
        [&](DrawingData& d) { d.palette[static_cast<std::size_t>(index)] = rgb & 0xFFFFFF; });
    return 1;
}

std::uint32_t CadGetColor(CadHandle drawing, int index) {
    Document* doc = documentOf(drawing);
    if (!doc || index < 0 || index > 255)
        return 0;
    return doc->drawing().data().palette[static_cast<std::size_t>(index)];
}

int CadPutPointMode(CadHandle drawing, int mode) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->drawing().settings().pointMode = mode;
    return 1;
}

int CadPutPointSize(CadHandle drawing, double size) {
    Document* doc = documentOf(drawing);
    if (!doc || !(size >= 0.0))
        return 0;
    doc->drawing().settings().pointSize = size;
    return 1;
}

int CadSetCurPntStyleByName(CadHandle drawing, const std::string& name) {
    // The point styles the renderer knows; the drawing keeps the current one by name.
    static const char* const known[] = {"Simple", "Cross", "Circle", "Square"};
    Document* doc = documentOf(drawing);
    if (!doc ||
        std::none_of(std::begin(known), std::end(known), [&](const char* k) { return name == k; }))
        return 0;
    doc->drawing().settings().pointStyle = name;
    return 1;
}

int CadPutTextHeight(CadHandle drawing, double height) {
    Document* doc = documentOf(drawing);
    if (!doc || !(height > 0.0))
        return 0;
    doc->drawing().settings().textHeight = height;
    return 1;
}

int CadViewPutAngles(CadHandle drawing, CadHandle, double hor, double ver) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->drawing().settings().view.angleHor = hor;
    doc->drawing().settings().view.angleVer = ver;
    doc->notifyChanged();
    return 1;
}

double CadViewGetAngleHor(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->drawing().settings().view.angleHor : 0.0;
}

double CadViewGetAngleVer(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->drawing().settings().view.angleVer : 0.0;
}

int CadUpdate(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->notifyChanged();
    return 1;
}

int CadRegen(CadHandle drawing) {
    return CadUpdate(drawing);
}

int CadSetString(int id, const std::string& text) {
    if (!g_engine)
        return 0;
    g_engine->setText(id, text);
    return 1;
}

std::string CadGetString(int id) {
    return g_engine ? g_engine->text(id) : std::string();
}

// ---------------------------------------------------------------- layers

CadHandle CadAddLayer(CadHandle drawing, const std::string& name, int color, int lineType,
                      int lineWeight) {
    Document* doc = documentOf(drawing);
    if (!doc || name.empty())
        return 0;
    return pack(*doc, doc->drawing().addLayer(Layer{name, color, lineType, lineWeight}).value);
}

CadHandle CadGetLayerByName(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().layerByName(name).value) : 0;
}

CadHandle CadSetCurLayerByName(CadHandle drawing, const std::string& name) {
    return CadSetCurLayer(drawing, CadGetLayerByName(drawing, name));
}

CadHandle CadSetCurLayer(CadHandle drawing, CadHandle layer) {
    Document* doc = documentOf(drawing);
    Ref r;
    if (!doc || !layerOf(layer, &r) || r.doc != doc)
        return 0;
    doc->drawing().settings().currentLayer = LayerId(r.id);
    return layer;
}

CadHandle CadGetCurLayer(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().settings().currentLayer.value) : 0;
}

CadHandle CadGetFirstLayer(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc || doc->drawing().layerOrder().empty())
        return 0;
    return pack(*doc, doc->drawing().layerOrder().front().value);
}

CadHandle CadGetNextLayer(CadHandle drawing, CadHandle layer) {
    Document* doc = documentOf(drawing);
    Ref r;
    if (!doc || !layerOf(layer, &r) || r.doc != doc)
        return 0;
    const auto& order = doc->drawing().layerOrder();
    auto it = std::find(order.begin(), order.end(), LayerId(r.id));
    return it == order.end() || ++it == order.end() ? 0 : pack(*doc, it->value);
}

std::string CadLayerGetName(CadHandle layer) {
    const Layer* l = layerOf(layer);
    return l ? l->name : std::string();
}

int CadLayerPutName(CadHandle layer, const std::string& name) {
    return changeLayer(layer, [&](Layer& l) { l.name = name; });
}

int CadLayerGetColor(CadHandle layer) {
    const Layer* l = layerOf(layer);
    return l ? l->color : 0;
}

int CadLayerPutColor(CadHandle layer, int color) {
    return changeLayer(layer, [&](Layer& l) { l.color = color; });
}

int CadLayerGetVisible(CadHandle layer) {
    const Layer* l = layerOf(layer);
    return l && l->visible ? 1 : 0;
}

int CadLayerPutVisible(CadHandle layer, int visible) {
    return changeLayer(layer, [&](Layer& l) { l.visible = visible != 0; });
}

int CadLayerGetLocked(CadHandle layer) {
    const Layer* l = layerOf(layer);
    return l && l->locked ? 1 : 0;
}

int CadLayerPutLocked(CadHandle layer, int locked) {
    return changeLayer(layer, [&](Layer& l) { l.locked = locked != 0; });
}

int CadLayerGetCount(CadHandle layer) {
    Ref r;
    return layerOf(layer, &r) ? static_cast<int>(r.doc->drawing().layerCount(LayerId(r.id))) : 0;
}

CadHandle CadLayerGetFirstEntity(CadHandle layer) {
    Ref r;
    if (!layerOf(layer, &r))
        return 0;
    return pack(*r.doc, r.doc->drawing().firstInLayer(LayerId(r.id)).value);
}

CadHandle CadLayerGetNextEntity(CadHandle layer, CadHandle entity) {
    Ref lr;
    Ref er;
    const Entity* e = entityOf(entity, &er);
    if (!layerOf(layer, &lr) || !e || er.doc != lr.doc || e->layer != LayerId(lr.id) || e->owner)
        return 0;
    return pack(*er.doc, er.doc->drawing().nextEntity(e->id).value);
}

// ---------------------------------------------------------------- entity creation

CadHandle CadAddPoint(CadHandle drawing, double x, double y, double z) {
    return addShape(drawing, PointShape{{x, y, z}});
}

CadHandle CadAddLine(CadHandle drawing, double x1, double y1, double z1, double x2, double y2,
                     double z2) {
    return addShape(drawing, LineShape{{x1, y1, z1}, {x2, y2, z2}});
}

CadHandle CadAddXLine(CadHandle drawing, double x, double y, double z, double dx, double dy,
                      double dz) {
    // A construction line needs a direction; a zero vector has none.
    if (dx == 0.0 && dy == 0.0 && dz == 0.0)
        return 0;
    return addShape(drawing, XLineShape{{x, y, z}, {dx, dy, dz}});
}

CadHandle CadAddRay(CadHandle drawing, double x, double y, double z, double dx, double dy,
                    double dz) {
    if (dx == 0.0 && dy == 0.0 && dz == 0.0)
        return 0;
    return addShape(drawing, RayShape{{x, y, z}, {dx, dy, dz}});
}

CadHandle CadAddCircle(CadHandle drawing, double x, double y, double z, double radius) {
    if (!(radius > 0.0))
        return 0;
    return addShape(drawing, CircleShape{{x, y, z}, radius});
}

CadHandle CadAddRect(CadHandle drawing, double cx, double cy, double cz, double width,
                     double height, double angle) {
    PolylineShape rect;
    rect.closed = true;
    for (const auto& [sx, sy] : {std::pair{-0.5, -0.5}, {0.5, -0.5}, {0.5, 0.5}, {-0.5, 0.5}})
        rect.vertices.push_back(rotatePlan({sx * width, sy * height, 0.0}, angle) +
                                Point3{cx, cy, cz});
    return addShape(drawing, std::move(rect));
}

int CadAddVertex(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->vertices().push_back({x, y, z});
    return 1;
}

int CadClearVertices(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->vertices().clear();
    return 1;
}

CadHandle CadAddPolyline(CadHandle drawing, int type, int closed) {
    Document* doc = documentOf(drawing);
    if (!doc || doc->vertices().size() < 2)
        return 0;
    return addShape(drawing, PolylineShape{doc->vertices(), closed != 0, type});
}

CadHandle CadAddMline(CadHandle drawing, int closed) {
    Document* doc = documentOf(drawing);
    if (!doc || doc->vertices().size() < 2)
        return 0;
    const MlineStyle* style =
        doc->drawing().mlineStyle(doc->drawing().settings().currentMlineStyle);
    if (!style)
        return 0;
    return addShape(drawing, MlineShape{doc->vertices(), closed != 0, style->name, style->drawMode,
                                        style->lines});
}

CadHandle CadAddText(CadHandle drawing, const std::string& text, double x, double y, double z,
                     double height, double angle, int align) {
    if (!(height >= 0.0))
        return 0;
    return addShape(drawing, TextShape{{x, y, z}, text, {height, angle, align}});
}

CadHandle CadAddMText(CadHandle drawing, const std::string& text, double x, double y, double z,
                      double width, int attachment, double angle) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    return addShape(
        drawing,
        MTextShape{
            {x, y, z}, text, doc->drawing().settings().textHeight, width, angle, attachment});
}

CadHandle CadAddDimLinear(CadHandle drawing, CadPoint first, CadPoint second, CadPoint linePos,
                          double angle) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    return addShape(drawing,
                    DimensionShape{false, toPoint(first), toPoint(second), toPoint(linePos), angle,
                                   doc->drawing().settings().currentDimStyle});
}

CadHandle CadAddDimAligned(CadHandle drawing, CadPoint first, CadPoint second, CadPoint linePos) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    return addShape(drawing, DimensionShape{true, toPoint(first), toPoint(second), toPoint(linePos),
                                            0.0, doc->drawing().settings().currentDimStyle});
}

// ---------------------------------------------------------------- entity properties

int CadEntityGetType(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? static_cast<int>(e->kind()) : 0;
}

std::int32_t CadEntityGetID(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? static_cast<std::int32_t>(e->id.value) : 0;
}

CadHandle CadGetEntityByID(CadHandle drawing, std::int32_t id) {
    Document* doc = documentOf(drawing);
    if (!doc || id <= 0 || !doc->drawing().entity(EntityId(static_cast<std::uint32_t>(id))))
        return 0;
    return pack(*doc, static_cast<std::uint32_t>(id));
}

CadHandle CadEntityGetLayer(CadHandle entity) {
    Ref r;
    const Entity* e = entityOf(entity, &r);
    return e ? pack(*r.doc, e->layer.value) : 0;
}

int CadEntityPutLayer(CadHandle entity, CadHandle layer) {
    Ref er;
    Ref lr;
    if (!entityOf(entity, &er) || !layerOf(layer, &lr) || er.doc != lr.doc)
        return 0;
    return edit(entity, [&](Entity& e) { e.layer = LayerId(lr.id); });
}

int CadEntityGetColor(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? e->color : 0;
}

int CadEntityPutColor(CadHandle entity, int color) {
    return edit(entity, [&](Entity& e) { e.color = color; });
}

int CadEntityGetLineweight(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? e->lineweight : 0;
}

int CadEntityPutLineweight(CadHandle entity, int lineweight) {
    return edit(entity, [&](Entity& e) { e.lineweight = lineweight; });
}

double CadEntityGetLtScale(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? e->ltScale : 0.0;
}

int CadEntityPutLtScale(CadHandle entity, double scale) {
    if (!(scale > 0.0))
        return 0;
    return edit(entity, [&](Entity& e) { e.ltScale = scale; });
}

int CadEntityGetVisible(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e && e->visible ? 1 : 0;
}

int CadEntityPutVisible(CadHandle entity, int visible) {
    return edit(entity, [&](Entity& e) { e.visible = visible != 0; });
}

int CadEntityGetLocked(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e && e->locked ? 1 : 0;
}

int CadEntityPutLocked(CadHandle entity, int locked) {
    return edit(entity, [&](Entity& e) { e.locked = locked != 0; });
}

std::int32_t CadEntityGetUserData(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? e->userData : 0;
}

int CadEntityPutUserData(CadHandle entity, std::int32_t value) {
    return edit(entity, [&](Entity& e) { e.userData = value; });
}

int CadEntityPutExData(CadHandle entity, const void* bytes, int size) {
    if (size < 0 || (size > 0 && !bytes))
        return 0;
    const auto* p = static_cast<const std::uint8_t*>(bytes);
    return edit(entity, [&](Entity& e) { e.exData.assign(p, p + size); });
}

int CadEntityGetExDataSize(CadHandle entity) {
    const Entity* e = entityOf(entity);
    return e ? static_cast<int>(e->exData.size()) : 0;
}

int CadEntityGetExData(CadHandle entity, void* bytes) {
    const Entity* e = entityOf(entity);
    if (!e || !bytes)
        return 0;
    std::memcpy(bytes, e->exData.data(), e->exData.size());
    return static_cast<int>(e->exData.size());
}

int CadEntityErase(CadHandle entity, int) {
    Ref r;
    return entityOf(entity, &r) && r.doc->erase(EntityId(r.id)) ? 1 : 0;
}

int CadEntityMove(CadHandle entity, double dx, double dy, double dz) {
    return edit(entity, [&](Entity& e) { translate(e.shape, {dx, dy, dz}); });
}

CadPoint CadEntityGetPoint(CadHandle entity) {
    const Entity* e = entityOf(entity);
    if (!e)
        return {};
    const std::vector<Point3> grips = gripPoints(e->shape);
    return grips.empty() ? CadPoint{} : toCad(grips.front());
}

CadPoint CadLineGetStart(CadHandle entity) {
    const auto* s = shapeOf<LineShape>(entity);
    return s ? toCad(s->start) : CadPoint{};
}

CadPoint CadLineGetEnd(CadHandle entity) {
    const auto* s = shapeOf<LineShape>(entity);
    return s ? toCad(s->end) : CadPoint{};
}

int CadPolyGetNumVers(CadHandle entity) {
    const auto* s = shapeOf<PolylineShape>(entity);
    return s ? static_cast<int>(s->vertices.size()) : 0;
}

CadPoint CadPolyGetVer(CadHandle entity, int index) {
    const auto* s = shapeOf<PolylineShape>(entity);
    if (!s || index < 0 || static_cast<std::size_t>(index) >= s->vertices.size())
        return {};
    return toCad(s->vertices[static_cast<std::size_t>(index)]);
}

int CadMlineGetNumVers(CadHandle entity) {
    const auto* s = shapeOf<MlineShape>(entity);
    return s ? static_cast<int>(s->vertices.size()) : 0;
}

CadPoint CadMlineGetVer(CadHandle entity, int index) {
    const auto* s = shapeOf<MlineShape>(entity);
    if (!s || index < 0 || static_cast<std::size_t>(index) >= s->vertices.size())
        return {};
    return toCad(s->vertices[static_cast<std::size_t>(index)]);
}

std::string CadTextGetText(CadHandle entity) {
    const Entity* e = entityOf(entity);
    if (!e)
        return {};
    if (const auto* t = std::get_if<TextShape>(&e->shape))
        return t->text;
    if (const auto* t = std::get_if<MTextShape>(&e->shape))
        return t->text;
    if (const auto* t = std::get_if<AttDefShape>(&e->shape))
        return t->defaultText;
    return {};
}

int CadTextPutText(CadHandle entity, const std::string& text) {
    const Entity* e = entityOf(entity);
    if (!e || !(std::holds_alternative<TextShape>(e->shape) ||
                std::holds_alternative<MTextShape>(e->shape)))
        return 0;
    return edit(entity, [&](Entity& changed) {
        if (auto* t = std::get_if<TextShape>(&changed.shape))
            t->text = text;
        else if (auto* m = std::get_if<MTextShape>(&changed.shape))
            m->text = text;
    });
}

namespace {

int changeLook(CadHandle entity, const std::function<void(TextLook&)>& change) {
    const Entity* e = entityOf(entity);
    if (!e || !(std::holds_alternative<TextShape>(e->shape) ||
                std::holds_alternative<AttDefShape>(e->shape)))
        return 0;
    return edit(entity, [&](Entity& changed) {
        if (auto* t = std::get_if<TextShape>(&changed.shape))
            change(t->look);
        else if (auto* a = std::get_if<AttDefShape>(&changed.shape))
            change(a->look);
    });
}

} // namespace

int CadTextPutHeight(CadHandle entity, double height) {
    if (!(height >= 0.0))
        return 0;
    return changeLook(entity, [&](TextLook& l) { l.height = height; });
}

int CadTextPutAngle(CadHandle entity, double angle) {
    return changeLook(entity, [&](TextLook& l) { l.angle = angle; });
}

int CadTextPutAlign(CadHandle entity, int align) {
    return changeLook(entity, [&](TextLook& l) { l.align = align; });
}

// ---------------------------------------------------------------- styles

CadHandle CadAddMlineStyle(CadHandle drawing, const std::string& name, int lines, int drawMode) {
    Document* doc = documentOf(drawing);
    if (!doc || lines < 1 || lines > 16)
        return 0;
    MlineStyle style{name, drawMode,
                     std::vector<MlineLine>(static_cast<std::size_t>(lines), MlineLine{})};
    return pack(*doc, doc->drawing().addMlineStyle(style).value);
}

CadHandle CadGetMlineStyleByName(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().mlineStyleByName(name).value) : 0;
}

CadHandle CadSetCurMlineStyleByName(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    const MlineStyleId id = doc->drawing().mlineStyleByName(name);
    if (id)
        doc->drawing().settings().currentMlineStyle = id;
    return pack(*doc, id.value);
}

int CadMlineStylePutOffset(CadHandle style, int line, double offset) {
    return changeMlineStyle(style, [&](MlineStyle& s) {
        if (line < 0 || static_cast<std::size_t>(line) >= s.lines.size())
            return false;
        s.lines[static_cast<std::size_t>(line)].offset = offset;
        return true;
    });
}

int CadMlineStylePutColor(CadHandle style, int line, int color) {
    return changeMlineStyle(style, [&](MlineStyle& s) {
        if (line < 0 || static_cast<std::size_t>(line) >= s.lines.size())
            return false;
        s.lines[static_cast<std::size_t>(line)].color = color;
        return true;
    });
}

CadHandle CadAddDimStyle(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().addDimStyle(DimStyle{name}).value) : 0;
}

CadHandle CadGetDimStyleByName(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().dimStyleByName(name).value) : 0;
}

int CadSetCurDimStyle(CadHandle drawing, CadHandle style) {
    Document* doc = documentOf(drawing);
    const Ref r = resolve(style);
    if (!doc || r.doc != doc || !doc->drawing().dimStyle(DimStyleId(r.id)))
        return 0;
    doc->drawing().settings().currentDimStyle = DimStyleId(r.id);
    return 1;
}

// ---------------------------------------------------------------- blocks and attributes

CadHandle CadAddBlock(CadHandle drawing, const std::string& name, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().addBlock(name, {x, y, z}).value) : 0;
}

CadHandle CadGetBlockByName(CadHandle drawing, const std::string& name) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->drawing().blockByName(name).value) : 0;
}

CadHandle CadBlockGetID(CadHandle block) {
    const Ref r = resolve(block);
    return r && r.doc->drawing().block(BlockId(r.id)) ? block : 0;
}

std::string CadBlockGetName(CadHandle block) {
    const Ref r = resolve(block);
    const Block* b = r ? r.doc->drawing().block(BlockId(r.id)) : nullptr;
    return b ? b->name : std::string();
}

int CadBlockAddEntity(CadHandle block, CadHandle entity) {
    const Ref br = resolve(block);
    Ref er;
    if (!br || !entityOf(entity, &er) || br.doc != er.doc)
        return 0;
    er.doc->selection().remove(EntityId(er.id));
    return er.doc->drawing().moveToBlock(EntityId(er.id), BlockId(br.id)) ? 1 : 0;
}

CadHandle CadBlockGetFirstEntity(CadHandle block) {
    const Ref r = resolve(block);
    return r ? pack(*r.doc, r.doc->drawing().firstInBlock(BlockId(r.id)).value) : 0;
}

CadHandle CadBlockGetNextEntity(CadHandle block, CadHandle entity) {
    const Ref br = resolve(block);
    Ref er;
    const Entity* e = entityOf(entity, &er);
    if (!br || !e || br.doc != er.doc || e->owner != BlockId(br.id))
        return 0;
    return pack(*er.doc, er.doc->drawing().nextEntity(e->id).value);
}

CadHandle CadBlockGetAttDef(CadHandle block, const std::string& tag) {
    for (CadHandle e = CadBlockGetFirstEntity(block); e; e = CadBlockGetNextEntity(block, e))
        if (const auto* a = shapeOf<AttDefShape>(e); a && a->tag == tag)
            return e;
    return 0;
}

CadHandle CadAddAttrib(CadHandle drawing, const std::string& tag, const std::string& text, double x,
                       double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc || tag.empty())
        return 0;
    TextLook look;
    look.height = doc->drawing().settings().textHeight;
    return addShape(drawing, AttDefShape{{x, y, z}, tag, text, look});
}

int CadAttPutDefValue(CadHandle attdef, const std::string& text) {
    if (!shapeOf<AttDefShape>(attdef))
        return 0;
    return edit(attdef, [&](Entity& e) { std::get<AttDefShape>(e.shape).defaultText = text; });
}

CadHandle CadAddInsBlock(CadHandle drawing, CadHandle blockId, double x, double y, double z,
                         double scale, double angle) {
    Document* doc = documentOf(drawing);
    const Ref r = resolve(blockId);
    const Block* block = r && r.doc == doc ? doc->drawing().block(BlockId(r.id)) : nullptr;
    if (!block || !(scale != 0.0))
        return 0;
    InsertShape ins{BlockId(r.id), {x, y, z}, scale, angle, {}};
    // Each attribute starts from its definition's text, placed like the block's content.
    for (EntityId id = doc->drawing().firstInBlock(ins.block); id;
         id = doc->drawing().nextEntity(id)) {
        if (const auto* def = std::get_if<AttDefShape>(&doc->drawing().entity(id)->shape)) {
            TextLook look = def->look;
            look.height *= std::abs(scale);
            look.angle += angle;
            const Point3 at = rotatePlan((def->at - block->base) * scale, angle) + ins.at;
            ins.attributes.push_back(Attribute{def->tag, def->defaultText, at, look});
        }
    }
    return addShape(drawing, std::move(ins));
}

CadHandle CadInsBlockGetFirstAtt(CadHandle insert) {
    Ref r;
    const Entity* e = entityOf(insert, &r);
    const auto* ins = e ? std::get_if<InsertShape>(&e->shape) : nullptr;
    return ins && !ins->attributes.empty() ? pack(*r.doc, r.id, 1) : 0;
}

CadHandle CadInsBlockGetNextAtt(CadHandle insert, CadHandle attribute) {
    Ref ar;
    if (!attributeOf(attribute, &ar) || pack(*ar.doc, ar.id) != insert)
        return 0;
    const auto& ins = std::get<InsertShape>(ar.doc->drawing().entity(EntityId(ar.id))->shape);
    return ar.sub < ins.attributes.size() ? pack(*ar.doc, ar.id, ar.sub + 1) : 0;
}

int CadAttPutValue(CadHandle attribute, const std::string& text) {
    Ref r;
    if (!attributeOf(attribute, &r))
        return 0;
    return r.doc->drawing().editEntity(
               EntityId(r.id),
               [&](Entity& e) {
                   std::get<InsertShape>(e.shape).attributes[r.sub - 1].value = text;
               })
               ? 1
               : 0;
}

std::string CadAttGetValue(CadHandle attribute) {
    const Attribute* a = attributeOf(attribute);
    return a ? a->value : std::string();
}

std::string CadAttGetTag(CadHandle attribute) {
    const Attribute* a = attributeOf(attribute);
    return a ? a->tag : std::string();
}

// ---------------------------------------------------------------- commands

int CadAddCommand(CadHandle drawing, int id, const std::string& name, const std::string& alias,
                  int cursor, CadCommandProc command, CadDragProc drag) {
    Document* doc = documentOf(drawing);
    if (!doc || !command)
        return 0;
    CommandDef def{id, name, alias, cursor, [command, drawing] { return command(drawing); }, {}};
    if (drag)
        def.drag = [drag, drawing](int mode, const Point3& p) {
            drag(drawing, mode, p.x, p.y, p.z);
        };
    return doc->addCommand(std::move(def)) ? 1 : 0;
}

int CadExecute(CadHandle drawing, CadHandle, int id) {
    Document* doc = documentOf(drawing);
    return doc && doc->execute(id) ? 1 : 0;
}

CommandRunner::InputAwaiter CadCmdUserInput(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return CommandRunner::InputAwaiter{doc && doc->runner().active() ? &doc->runner() : nullptr};
}

CadPoint CadCmdGetInputPoint(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? toCad(doc->runner().inputPoint()) : CadPoint{};
}

std::string CadCmdGetInputText(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->runner().inputText() : std::string();
}

int CadCmdAddPoint(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc || !doc->runner().active())
        return 0;
    doc->runner().points().push_back({x, y, z});
    return 1;
}

int CadCmdSetBasePoint(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc || !doc->runner().active())
        return 0;
    doc->runner().setBasePoint({x, y, z});
    return 1;
}

CadPoint CadCmdGetPoint(CadHandle drawing, int index) {
    Document* doc = documentOf(drawing);
    if (!doc || index < 0 || static_cast<std::size_t>(index) >= doc->runner().points().size())
        return {};
    return toCad(doc->runner().points()[static_cast<std::size_t>(index)]);
}

int CadCmdGetNumPoints(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? static_cast<int>(doc->runner().points().size()) : 0;
}

int CadCmdPrompt(CadHandle drawing, const std::string& text, const std::string& defaultText) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->prompt(defaultText.empty() ? text : text + " <" + defaultText + ">");
    return 1;
}

std::string CadCmdGetPrompt(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->promptText() : std::string();
}

int CadCmdActive(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? doc->runner().activeId() : 0;
}

int CadDrawLine(CadHandle drawing, double x1, double y1, double z1, double x2, double y2,
                double z2) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->runner().drawLine({x1, y1, z1}, {x2, y2, z2});
    return 1;
}

int CadDrawAddVertex(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->runner().drawAddVertex({x, y, z});
    return 1;
}

int CadDrawPolyline(CadHandle drawing, int closed) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->runner().drawPolyline(closed != 0);
    return 1;
}

int CadInputPoint(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->setCursor({x, y, z});
    return doc->runner().point({x, y, z}) ? 1 : 0;
}

int CadInputText(CadHandle drawing, const std::string& text) {
    Document* doc = documentOf(drawing);
    return doc && doc->typeText(text) ? 1 : 0;
}

int CadInputCancel(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc || !doc->runner().active())
        return 0;
    doc->cancelCommand();
    return 1;
}

std::vector<RubberBand> CadInputDrag(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    return doc ? doc->runner().drag({x, y, z}) : std::vector<RubberBand>{};
}

// ---------------------------------------------------------------- selection

int CadSelCount(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? static_cast<int>(doc->selection().size()) : 0;
}

// A selection pointer is the 1-based position in the selection.
CadHandle CadSelGetFirstPtr(CadHandle drawing) {
    return CadSelCount(drawing) > 0 ? 1 : 0;
}

CadHandle CadSelGetNextPtr(CadHandle drawing, CadHandle ptr) {
    return ptr > 0 && ptr < CadSelCount(drawing) ? ptr + 1 : 0;
}

CadHandle CadGetEntityByPtr(CadHandle drawing, CadHandle ptr) {
    Document* doc = documentOf(drawing);
    if (!doc || ptr <= 0 || static_cast<std::size_t>(ptr) > doc->selection().size())
        return 0;
    return pack(*doc, doc->selection().entities()[static_cast<std::size_t>(ptr - 1)].value);
}

int CadSelClear(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->selection().clear();
    return 1;
}

int CadSelectEntity(CadHandle drawing, CadHandle entity, int select) {
    Document* doc = documentOf(drawing);
    Ref r;
    if (!doc || !entityOf(entity, &r) || r.doc != doc)
        return 0;
    doc->select(EntityId(r.id), select != 0);
    return 1;
}

int CadSelectByPolygon(CadHandle drawing, int crossing, int, int select) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    return static_cast<int>(doc->selectPolygon(doc->vertices(), crossing != 0, select != 0));
}

int CadSelectByPolyline(CadHandle drawing, CadHandle entity, int select) {
    Document* doc = documentOf(drawing);
    Ref r;
    const Entity* e = entityOf(entity, &r);
    if (!doc || !e || r.doc != doc)
        return 0;
    std::vector<std::pair<Point3, Point3>> fence;
    doc->drawing().outlineOf(*e, fence);
    return static_cast<int>(doc->selectFence(fence, select != 0));
}

int CadSelectByLayer(CadHandle drawing, CadHandle layer) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    LayerId id = doc->drawing().settings().currentLayer;
    if (layer) {
        Ref r;
        if (!layerOf(layer, &r) || r.doc != doc)
            return 0;
        id = LayerId(r.id);
    }
    return static_cast<int>(doc->selectLayer(id, true));
}

int CadSelErase(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? static_cast<int>(doc->eraseSelection()) : 0;
}

CadHandle CadGetEntityByCursor(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc ? pack(*doc, doc->entityAt(doc->cursor(), doc->pickAperture()).value) : 0;
}

int CadPutCursor(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->setCursor({x, y, z});
    return 1;
}

int CadPutPickAperture(CadHandle drawing, double aperture) {
    Document* doc = documentOf(drawing);
    if (!doc || !(aperture > 0.0))
        return 0;
    doc->setPickAperture(aperture);
    return 1;
}

// ---------------------------------------------------------------- events

namespace {

CadHandle entityHandle(int drawing, EntityId id) {
    Document* doc = g_engine ? g_engine->document(drawing) : nullptr;
    return doc ? pack(*doc, id.value) : 0;
}

template <class F> int install(F install) {
    if (!g_engine)
        return 0;
    install(g_engine->events());
    return 1;
}

} // namespace

int CadOnEventMouseDblClk(CadEventMouseDblClkProc proc) {
    return install([&](EventHandlers& ev) {
        ev.mouseDblClk = proc ? [proc](int d, const Point3& p) { proc(d, p.x, p.y, p.z); }
                              : decltype(ev.mouseDblClk){};
    });
}

int CadOnEventEntSelect(CadEventEntSelectProc proc) {
    return install([&](EventHandlers& ev) {
        ev.entSelect =
            proc ? [proc](int d, EntityId e, bool on) { proc(d, entityHandle(d, e), on ? 1 : 0); }
                 : decltype(ev.entSelect){};
    });
}

int CadOnEventEntChange(CadEventEntChangeProc proc) {
    return install([&](EventHandlers& ev) {
        ev.entChange = proc ? [proc](int d, EntityId e) { proc(d, entityHandle(d, e)); }
                            : decltype(ev.entChange){};
    });
}

int CadOnEventMouseMove(CadEventMouseMoveProc proc) {
    return install([&](EventHandlers& ev) {
        ev.mouseMove = proc ? [proc](int d, const Point3& p) { proc(d, p.x, p.y, p.z); }
                            : decltype(ev.mouseMove){};
    });
}

int CadOnEventEntMove(CadEventEntMoveProc proc) {
    return install([&](EventHandlers& ev) {
        ev.entMove = proc ? [proc](int d, EntityId e,
                                   Point3& s) { proc(d, entityHandle(d, e), &s.x, &s.y, &s.z); }
                          : decltype(ev.entMove){};
    });
}

int CadOnEventGripMove(CadEventGripMoveProc proc) {
    return install([&](EventHandlers& ev) {
        ev.gripMove =
            proc ? [proc](int d, EntityId e, int grip,
                          Point3& s) { proc(d, entityHandle(d, e), grip, &s.x, &s.y, &s.z); }
                 : decltype(ev.gripMove){};
    });
}

int CadOnEventEntErase(CadEventEntEraseProc proc) {
    return install([&](EventHandlers& ev) {
        ev.entErase = proc ? [proc](int d, EntityId e) { proc(d, entityHandle(d, e)); }
                           : decltype(ev.entErase){};
    });
}

int CadOnEventEntCreate(CadEventEntCreateProc proc) {
    return install([&](EventHandlers& ev) {
        ev.entCreate = proc ? [proc](int d, EntityId e) { proc(d, entityHandle(d, e)); }
                            : decltype(ev.entCreate){};
    });
}

int CadOnEventExecute(CadEventExecuteProc proc) {
    return install([&](EventHandlers& ev) {
        ev.execute =
            proc ? [proc](int d, int command) { proc(d, command); } : decltype(ev.execute){};
    });
}

int CadSetReturnInt(int value) {
    if (!g_engine)
        return 0;
    g_engine->setReturnInt(value);
    return 1;
}

int CadReportMouseMove(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->reportMouseMove({x, y, z});
    return 1;
}

int CadReportDblClick(CadHandle drawing, double x, double y, double z) {
    Document* doc = documentOf(drawing);
    return doc && doc->reportDoubleClick({x, y, z}) ? 1 : 0;
}

int CadGripCount(CadHandle entity) {
    Ref r;
    return entityOf(entity, &r) ? static_cast<int>(r.doc->grips(EntityId(r.id)).size()) : 0;
}

CadPoint CadGripGet(CadHandle entity, int grip) {
    Ref r;
    if (!entityOf(entity, &r))
        return {};
    const auto grips = r.doc->grips(EntityId(r.id));
    if (grip < 0 || static_cast<std::size_t>(grip) >= grips.size())
        return {};
    return toCad(grips[static_cast<std::size_t>(grip)]);
}

int CadGripDrag(CadHandle entity, int grip, double dx, double dy, double dz) {
    Ref r;
    return entityOf(entity, &r) && r.doc->dragGrip(EntityId(r.id), grip, {dx, dy, dz}) ? 1 : 0;
}

// ---------------------------------------------------------------- undo and clipboard

int CadUndo(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc && doc->undo() ? 1 : 0;
}

int CadRedo(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc && doc->redo() ? 1 : 0;
}

int CadUndoBegin(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->drawing().beginGroup();
    return 1;
}

int CadUndoEnd(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    doc->drawing().endGroup();
    return 1;
}

int CadCbCopy(CadHandle drawing) {
    Document* doc = documentOf(drawing);
    return doc && doc->copySelection() ? 1 : 0;
}

int CadCbPaste(CadHandle drawing, CadHandle, double dx, double dy, double dz) {
    Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    std::string error;
    const std::size_t pasted = doc->paste({dx, dy, dz}, error);
    if (!error.empty())
        doc->lastError() = error;
    return static_cast<int>(pasted);
}

int CadCbHasEntities() {
    return g_engine && clipboardHoldsEntities(g_engine->clipboard()) ? 1 : 0;
}
