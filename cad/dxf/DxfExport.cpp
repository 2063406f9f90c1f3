// The DXF export: tables, blocks and entities of the drawing written with dxflib into memory.
#include "cad/dxf/DxfExport.h"

#include "cad/ShapeParts.h"
#include "cad/dxf/AciPalette.h"
#include "cad/dxf/DxfSink.h"
#include "cad/dxf/DxfText.h"
#include "common/AtomicFile.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <sstream>
#include <unordered_map>

namespace quadrilo::dxf {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

// The named lineweights (by layer, by block, default) keep their DXF codes; a lineweight of our
// own takes the nearest standard one.
int dxfLineweight(int lineweight) {
    if (lineweight < 0)
        return lineweight >= cad::LineweightDefault ? lineweight : cad::LineweightByLayer;
    return *std::min_element(
        cad::StandardLineweights.begin(), cad::StandardLineweights.end(),
        [&](int a, int b) { return std::abs(a - lineweight) < std::abs(b - lineweight); });
}

// Horizontal and vertical justification of TEXT for each of our alignment codes.
std::pair<int, int> textJustification(int align) {
    switch (static_cast<cad::TextAlign>(align)) {
    case cad::TextAlign::TopLeft:
        return {0, 3};
    case cad::TextAlign::TopCentre:
        return {1, 3};
    case cad::TextAlign::TopRight:
        return {2, 3};
    case cad::TextAlign::MiddleCentre:
        return {1, 2};
    case cad::TextAlign::MiddleLeft:
        return {0, 2};
    case cad::TextAlign::MiddleRight:
        return {2, 2};
    case cad::TextAlign::BottomCentre:
        return {1, 1};
    case cad::TextAlign::BottomLeft:
        return {0, 1};
    case cad::TextAlign::BottomRight:
        return {2, 1};
    default:
        return {0, 0};
    }
}

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// Names of layers and blocks as DXF allows them: without the characters it reserves, and unique
// without regard to case (DXF compares table names that way).
class SymbolNames {
public:
    std::string add(const std::string& name) {
        std::string clean = name.empty() ? std::string("_") : name;
        for (char& c : clean)
            if (std::string_view("<>/\\\":;?*|=`").find(c) != std::string_view::npos)
                c = '_';
        std::string unique = clean;
        for (int n = 2; !m_taken.insert(upperAscii(unique)).second; ++n)
            unique = clean + "_" + std::to_string(n);
        return EncodeDxfString(unique);
    }

private:
    std::set<std::string> m_taken;
};

// dxflib writes its objects without their owners: each object belongs to the dictionary that
// lists it, the root dictionary to none. The owner goes right after the object's handle.
std::string withOwners(const std::string& objects) {
    std::vector<std::pair<std::string, std::string>> groups;
    std::istringstream in(objects);
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);)
        groups.emplace_back(code, value);
    std::unordered_map<std::string, std::string> owner;
    std::string current;
    for (const auto& [code, value] : groups) {
        const std::string_view c = std::string_view(code).substr(code.find_first_not_of(' '));
        if (c == "5")
            current = value;
        else if (c == "350" || c == "360")
            owner.try_emplace(value, current);
    }
    std::string out;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        out += groups[i].first + '\n' + groups[i].second + '\n';
        const bool handle = groups[i].first == "  5" && i > 0 && groups[i - 1].first == "  0";
        if (handle) {
            const auto it = owner.find(groups[i].second);
            out += "330\n" + (it != owner.end() ? it->second : std::string("0")) + '\n';
        }
    }
    return out;
}

class DrawingWriter {
public:
    explicit DrawingWriter(const cad::Drawing& drawing)
        : m_drawing(drawing), m_colors(drawing.data().palette) {
        // Each dimension shows through an anonymous block of its own lines and text.
        const auto name = [&](cad::EntityId id) {
            const cad::Entity* e = m_drawing.entity(id);
            if (e->visible && e->kind() == cad::EntityKind::Dimension)
                m_dimensionBlocks.emplace_back(e,
                                               "*D" + std::to_string(m_dimensionBlocks.size() + 1));
        };
        for (cad::BlockId block : m_drawing.blocks())
            for (cad::EntityId e = m_drawing.firstInBlock(block); e; e = m_drawing.nextEntity(e))
                name(e);
        for (cad::LayerId layer : m_drawing.layerOrder())
            for (cad::EntityId e = m_drawing.firstInLayer(layer); e; e = m_drawing.nextEntity(e))
                name(e);
    }

    std::string write() {
        header();
        tables();
        blocks();
        entities();
        const std::size_t objects = m_out.text().size();
        m_dxf.writeObjects(m_out);
        m_dxf.writeObjectsEnd(m_out);
        m_out.text().replace(objects, std::string::npos, withOwners(m_out.text().substr(objects)));
        m_out.dxfEOF();
        sealHandleSeed();
        return std::move(m_out.text());
    }
    std::size_t skipped() const { return m_skipped; }

private:
    void header() {
        m_dxf.writeHeader(m_out);
        m_out.dxfString(9, "$DWGCODEPAGE");
        m_out.dxfString(3, "ANSI_1252");
        m_out.dxfString(9, "$INSUNITS"); // the drawing is in centimetres
        m_out.dxfInt(70, 5);
        m_out.dxfString(9, "$MEASUREMENT");
        m_out.dxfInt(70, 1);
        m_out.sectionEnd();
    }

    // dxflib writes $HANDSEED as FFFF; readers take it as the next free handle, so it must lie
    // above every handle the file holds.
    void sealHandleSeed() {
        std::string& text = m_out.text();
        const std::string fixed = "$HANDSEED\n  5\nFFFF\n";
        if (const auto at = text.find(fixed); at != std::string::npos) {
            const DxfSink nextFree;
            nextFree.dxfHex(5, static_cast<int>(m_out.getNextHandle()));
            text.replace(at + 10, fixed.size() - 10, nextFree.text());
        }
    }

    void tables() {
        m_out.sectionTables();
        m_dxf.writeVPort(m_out);
        m_out.tableLinetypes(3);
        for (const char* name : {"BYBLOCK", "BYLAYER", "CONTINUOUS"})
            m_dxf.writeLinetype(m_out, DL_LinetypeData(name, "", 0, 0, 0.0));
        m_out.tableEnd();
        layerTable();
        m_out.tableStyle(1);
        m_dxf.writeStyle(m_out, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
        m_out.tableEnd();
        m_dxf.writeView(m_out);
        m_dxf.writeUcs(m_out);
        m_out.tableAppid(1);
        m_dxf.writeAppid(m_out, "ACAD");
        m_out.tableEnd();
        const cad::DimStyle* dim = m_drawing.dimStyle(m_drawing.settings().currentDimStyle);
        const cad::DimStyle style = dim ? *dim : cad::DimStyle{};
        m_dxf.writeDimStyle(m_out, style.arrowSize, style.extensionBeyond, style.extensionOffset,
                            style.textHeight / 4.0, style.textHeight);
        m_dxf.writeBlockRecord(m_out);
        for (cad::BlockId id : m_drawing.blocks())
            m_dxf.writeBlockRecord(m_out, blockName(id));
        for (const auto& [dimension, name] : m_dimensionBlocks)
            m_dxf.writeBlockRecord(m_out, name);
        m_out.tableEnd();
        m_out.sectionEnd();
    }

    void layerTable() {
        const auto& order = m_drawing.layerOrder();
        m_out.tableLayers(static_cast<int>(order.size()));
        for (cad::LayerId id : order) {
            const cad::Layer* layer = m_drawing.layer(id);
            const std::string& name = m_layerNames[id.value] = m_symbols.add(layer->name);
            const int color = std::clamp(m_colors(layer->color), 1, 255);
            // A layer that is off has a negative colour; frozen and locked are flags.
            const int flags = (layer->visible ? 0 : 1) | (layer->locked ? 4 : 0);
            m_dxf.writeLayer(m_out, DL_LayerData(name, flags),
                             DL_Attributes("", layer->visible ? color : -color,
                                           dxfLineweight(layer->lineWeight), "CONTINUOUS", 1.0));
        }
        m_out.tableEnd();
    }

    const std::string& blockName(cad::BlockId id) {
        auto [it, added] = m_blockNames.try_emplace(id.value);
        if (added)
            it->second = m_symbols.add(m_drawing.block(id)->name);
        return it->second;
    }

    void blocks() {
        m_out.sectionBlocks();
        for (const char* space : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            m_dxf.writeBlock(m_out, DL_BlockData(space, 0, 0.0, 0.0, 0.0));
            m_dxf.writeEndBlock(m_out, space);
        }
        for (cad::BlockId id : m_drawing.blocks()) {
            const cad::Block* block = m_drawing.block(id);
            bool hasAttDefs = false;
            for (cad::EntityId e = m_drawing.firstInBlock(id); e; e = m_drawing.nextEntity(e))
                hasAttDefs |= m_drawing.entity(e)->kind() == cad::EntityKind::AttDef;
            m_dxf.writeBlock(m_out, DL_BlockData(blockName(id), hasAttDefs ? 2 : 0, block->base.x,
                                                 block->base.y, block->base.z));
            for (cad::EntityId e = m_drawing.firstInBlock(id); e; e = m_drawing.nextEntity(e))
                entity(*m_drawing.entity(e));
            m_dxf.writeEndBlock(m_out, blockName(id));
        }
        for (const auto& [dimension, name] : m_dimensionBlocks)
            dimensionBlock(name, std::get<cad::DimensionShape>(dimension->shape));
        m_out.sectionEnd();
    }

    void entities() {
        m_out.sectionEntities();
        for (cad::LayerId layer : m_drawing.layerOrder())
            for (cad::EntityId e = m_drawing.firstInLayer(layer); e; e = m_drawing.nextEntity(e))
                entity(*m_drawing.entity(e));
        m_out.sectionEnd();
    }

    // One entity, taken back whole when a coordinate of it is not a finite number.
    void entity(const cad::Entity& e) {
        if (!e.visible)
            return;
        const DxfSink::Mark mark = m_out.mark();
        m_current = &e;
        const auto layer = m_layerNames.find(e.layer.value);
        DL_Attributes attributes(layer != m_layerNames.end() ? layer->second : std::string("0"),
                                 m_colors(e.color), dxfLineweight(e.lineweight), "BYLAYER", 1.0);
        attributes.setLinetypeScale(e.ltScale);
        std::visit([&](const auto& s) { shape(s, attributes); }, e.shape);
        if (m_out.wroteNonFinite(mark)) {
            m_out.rollBack(mark);
            ++m_skipped;
        }
    }

    void shape(const cad::PointShape& s, const DL_Attributes& a) {
        m_dxf.writePoint(m_out, DL_PointData(s.at.x, s.at.y, s.at.z), a);
    }
    void shape(const cad::LineShape& s, const DL_Attributes& a) {
        m_dxf.writeLine(m_out,
                        DL_LineData(s.start.x, s.start.y, s.start.z, s.end.x, s.end.y, s.end.z), a);
    }
    void shape(const cad::XLineShape& s, const DL_Attributes& a) {
        const cad::Point3 d = unitDirection(s.dir);
        m_dxf.writeXLine(m_out, DL_XLineData(s.base.x, s.base.y, s.base.z, d.x, d.y, d.z), a);
    }
    void shape(const cad::RayShape& s, const DL_Attributes& a) {
        const cad::Point3 d = unitDirection(s.dir);
        m_dxf.writeRay(m_out, DL_RayData(s.base.x, s.base.y, s.base.z, d.x, d.y, d.z), a);
    }
    void shape(const cad::CircleShape& s, const DL_Attributes& a) {
        m_dxf.writeCircle(m_out, DL_CircleData(s.centre.x, s.centre.y, s.centre.z, s.radius), a);
    }
    void shape(const cad::PolylineShape& s, const DL_Attributes& a) {
        polyline(s.vertices, s.closed, a);
    }
    void shape(const cad::MlineShape& s, const DL_Attributes& a) {
        for (const cad::MlinePath& path : cad::mlinePaths(s)) {
            DL_Attributes own = a;
            if (path.color != cad::ByLayerColor)
                own.setColor(m_colors(path.color));
            polyline(path.points, s.closed, own);
        }
    }
    void shape(const cad::TextShape& s, const DL_Attributes& a) {
        m_dxf.writeText(m_out, textData(s.at, s.look, EncodeDxfString(s.text)), a);
    }
    void shape(const cad::MTextShape& s, const DL_Attributes& a) {
        m_dxf.writeMText(m_out,
                         DL_MTextData(s.at.x, s.at.y, s.at.z, std::cos(s.angle), std::sin(s.angle),
                                      0.0, s.height, s.width, std::clamp(s.attachment, 1, 9), 1, 1,
                                      1.0, EncodeDxfString(MTextFromPlain(s.text)), "Standard",
                                      s.angle),
                         a);
    }
    void shape(const cad::AttDefShape& s, const DL_Attributes& a) {
        // dxflib has no ATTDEF; it is TEXT's groups followed by the definition's own.
        const DL_TextData t = textData(s.at, s.look, EncodeDxfString(s.defaultText));
        m_out.entity("ATTDEF");
        m_out.subClass("AcDbEntity");
        m_out.entityAttributes(a);
        m_out.subClass("AcDbText");
        m_out.coord(10, t.ipx, t.ipy, t.ipz);
        m_out.dxfReal(40, t.height);
        m_out.dxfString(1, t.text);
        m_out.dxfReal(50, s.look.angle / Degree);
        m_out.dxfString(7, t.style);
        m_out.dxfInt(72, t.hJustification);
        m_out.coord(11, t.apx, t.apy, t.apz);
        m_out.subClass("AcDbAttributeDefinition");
        m_out.dxfString(3, EncodeDxfString(s.tag));
        m_out.dxfString(2, attributeTag(s.tag));
        m_out.dxfInt(70, 0);
        m_out.dxfInt(74, t.vJustification);
    }
    void shape(const cad::InsertShape& s, const DL_Attributes& a) {
        const cad::Block* block = m_drawing.block(s.block);
        if (!block)
            return;
        m_dxf.writeInsert(m_out,
                          DL_InsertData(blockName(s.block), s.at.x, s.at.y, s.at.z, s.scale,
                                        s.scale, s.scale, s.angle / Degree, 1, 1, 0.0, 0.0),
                          a);
        if (s.attributes.empty())
            return;
        m_out.dxfInt(66, 1); // attributes follow, closed by SEQEND
        for (const cad::Attribute& att : s.attributes) {
            const DL_TextData t = textData(att.at, att.look, EncodeDxfString(att.value));
            m_dxf.writeAttribute(m_out, DL_AttributeData(t, attributeTag(att.tag)), a);
        }
        m_out.entity("SEQEND");
        m_out.subClass("AcDbEntity");
        m_out.dxfString(8, a.getLayer());
    }
    void shape(const cad::DimensionShape& s, const DL_Attributes& a) {
        // Written here rather than by dxflib, which gives no dimension its block.
        const cad::DimensionParts g = cad::dimensionParts(s, dimStyleOf(s));
        const auto block = std::find_if(m_dimensionBlocks.begin(), m_dimensionBlocks.end(),
                                        [&](const auto& d) { return d.first == m_current; });
        m_out.entity("DIMENSION");
        m_out.subClass("AcDbEntity");
        m_out.entityAttributes(a);
        m_out.subClass("AcDbDimension");
        m_out.dxfString(2, block->second);
        m_out.coord(10, g.lineTo.x, g.lineTo.y, g.lineTo.z);
        m_out.coord(11, g.textAt.x, g.textAt.y, g.textAt.z);
        m_out.dxfInt(70, 32 | (s.aligned ? 1 : 0)); // 32: the block belongs to this dimension
        m_out.dxfInt(71, 5);
        m_out.dxfString(3, "Standard");
        m_out.subClass("AcDbAlignedDimension");
        m_out.coord(13, s.first.x, s.first.y, s.first.z);
        m_out.coord(14, s.second.x, s.second.y, s.second.z);
        if (!s.aligned) {
            m_out.dxfReal(50, s.angle / Degree);
            m_out.subClass("AcDbRotatedDimension");
        }
    }

    // The dimension's lines, open arrowheads and value, drawn by block on layer 0.
    void dimensionBlock(const std::string& name, const cad::DimensionShape& s) {
        const cad::DimStyle style = dimStyleOf(s);
        const cad::DimensionParts g = cad::dimensionParts(s, style);
        m_dxf.writeBlock(m_out, DL_BlockData(name, 1, 0.0, 0.0, 0.0));
        const DL_Attributes byBlock("0", AciByBlock, -2, "BYBLOCK", 1.0);
        const auto line = [&](const cad::Point3& p, const cad::Point3& q) {
            m_dxf.writeLine(m_out, DL_LineData(p.x, p.y, p.z, q.x, q.y, q.z), byBlock);
        };
        line(g.ext1From, g.ext1To);
        line(g.ext2From, g.ext2To);
        line(g.lineFrom, g.lineTo);
        for (const auto& [tip, wing] : g.arrows)
            line(tip, wing);
        const cad::TextLook look{style.textHeight, g.textAngle,
                                 static_cast<int>(cad::TextAlign::MiddleCentre)};
        m_dxf.writeText(m_out, textData(g.textAt, look, cad::dimensionText(g.value, style)),
                        byBlock);
        m_dxf.writeEndBlock(m_out, name);
    }

    cad::DimStyle dimStyleOf(const cad::DimensionShape& s) const {
        const cad::DimStyle* style = m_drawing.dimStyle(s.style);
        return style ? *style : cad::DimStyle{};
    }

    void polyline(const std::vector<cad::Point3>& vertices, bool closed, const DL_Attributes& a) {
        if (vertices.size() < 2)
            return;
        const double elevation = vertices.front().z;
        m_dxf.writePolyline(
            m_out,
            DL_PolylineData(static_cast<int>(vertices.size()), 0, 0, closed ? 1 : 0, elevation), a);
        for (const cad::Point3& v : vertices)
            m_dxf.writeVertex(m_out, DL_VertexData(v.x, v.y, v.z, 0.0));
        m_dxf.writePolylineEnd(m_out);
    }

    static DL_TextData textData(const cad::Point3& at, const cad::TextLook& look,
                                const std::string& text) {
        const auto [h, v] = textJustification(look.align);
        return DL_TextData(at.x, at.y, at.z, at.x, at.y, at.z, look.height, 1.0, 0, h, v, text,
                           "Standard", look.angle);
    }

    // Attribute tags carry no blanks in DXF.
    static std::string attributeTag(const std::string& tag) {
        std::string clean = tag.empty() ? std::string("TAG") : tag;
        std::replace(clean.begin(), clean.end(), ' ', '_');
        return EncodeDxfString(clean);
    }

    static cad::Point3 unitDirection(const cad::Point3& d) {
        const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        return length > 0.0 ? d * (1.0 / length) : cad::Point3{1.0, 0.0, 0.0};
    }

    const cad::Drawing& m_drawing;
    AciColorMap m_colors;
    DxfSink m_out;
    DL_Dxf m_dxf;
    SymbolNames m_symbols;
    std::unordered_map<std::uint32_t, std::string> m_layerNames;               // by layer id
    std::unordered_map<std::uint32_t, std::string> m_blockNames;               // by block id
    std::vector<std::pair<const cad::Entity*, std::string>> m_dimensionBlocks; // in file order
    const cad::Entity* m_current = nullptr; // the entity being written
    std::size_t m_skipped = 0;
};

} // namespace

std::string DrawingToDxf(const cad::Drawing& drawing, std::size_t* skipped) {
    DrawingWriter writer(drawing);
    std::string text = writer.write();
    if (skipped)
        *skipped = writer.skipped();
    return text;
}

DxfExportResult WriteDxfFile(const cad::Drawing& drawing, const std::string& path) {
    DxfExportResult result;
    try {
        ReplaceFileContents(path, DrawingToDxf(drawing, &result.skipped));
        result.ok = true;
    } catch (const FileWriteError& e) {
        result.error = e.what();
    } catch (const std::bad_alloc&) {
        result.error = "Memória insuficiente para exportar " + path;
    }
    return result;
}

} // namespace quadrilo::dxf
