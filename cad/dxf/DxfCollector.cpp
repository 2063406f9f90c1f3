// dxflib's callbacks turned into DxfContent.
#include "cad/dxf/DxfCollector.h"

#include "cad/dxf/AciPalette.h"
#include "cad/dxf/DxfText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quadrilo::dxf {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

bool startsWithNoCase(const std::string& s, std::string_view prefix) {
    return s.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), s.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}

// Our alignment code for TEXT's horizontal and vertical justification; whether the text stands
// at its alignment point rather than its first point.
std::pair<int, bool> alignmentOf(int h, int v) {
    using A = cad::TextAlign;
    A align = A::BaselineLeft;
    if (h == 4)
        align = A::MiddleCentre;
    else if (h >= 0 && h <= 2 && v >= 0 && v <= 3) {
        constexpr A byRow[4][3] = {{A::BaselineLeft, A::BottomCentre, A::BottomRight},
                                   {A::BottomLeft, A::BottomCentre, A::BottomRight},
                                   {A::MiddleLeft, A::MiddleCentre, A::MiddleRight},
                                   {A::TopLeft, A::TopCentre, A::TopRight}};
        align = byRow[v][h];
    }
    return {static_cast<int>(align), align != A::BaselineLeft};
}

// Points of an arc after its start point, in steps of at most five degrees.
void appendArc(std::vector<cad::Point3>& points, const cad::Point3& centre, double radius,
               double start, double sweep) {
    const int steps =
        std::clamp(static_cast<int>(std::ceil(std::abs(sweep) / (5.0 * Degree))), 2, 72);
    for (int k = 1; k <= steps; ++k) {
        const double a = start + sweep * k / steps;
        points.push_back(
            {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z});
    }
}

// The arc a polyline's bulge (tan of a quarter of the swept angle) makes from p to q.
void appendBulge(std::vector<cad::Point3>& points, const cad::Point3& p, const cad::Point3& q,
                 double bulge) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double chord = std::hypot(dx, dy);
    if (chord == 0.0 || std::abs(bulge) < 1e-9 || std::abs(bulge) > 1e6) {
        points.push_back(q);
        return;
    }
    const double b = std::abs(bulge);
    const double radius = chord * (1.0 + b * b) / (4.0 * b);
    const double towardCentre = (radius - b * chord / 2.0) * (bulge > 0 ? 1.0 : -1.0);
    const cad::Point3 centre{(p.x + q.x) / 2 - dy / chord * towardCentre,
                             (p.y + q.y) / 2 + dx / chord * towardCentre, p.z};
    appendArc(points, centre, radius, std::atan2(p.y - centre.y, p.x - centre.x),
              4.0 * std::atan(bulge));
}

int lineweightOf(int width) {
    return width >= 0 ? std::min(width, 211) : -1;
}

} // namespace

DxfContent DxfCollector::take() {
    finishPolyline();
    return std::move(m_content);
}

std::string DxfCollector::text(const std::string& raw) const {
    return DecodeDxfString(raw, m_utf8);
}

void DxfCollector::skip() {
    finishPolyline();
    m_attributesOpen = false;
    if (!m_block && container())
        ++m_content.skipped; // what the user misses in the plan; block content may never show
}

void DxfCollector::addLayer(const DL_LayerData& data) {
    const DL_Attributes& a = getAttributes();
    const int color = std::clamp(std::abs(a.getColor()), 1, 255);
    cad::Layer layer{text(data.name), a.getColor24() >= 0 ? NearestAci(a.getColor24()) : color};
    layer.visible = !data.off && a.getColor() >= 0 && (data.flags & 1) == 0;
    layer.locked = (data.flags & 4) != 0;
    layer.lineWeight = lineweightOf(a.getWidth());
    if (!layer.name.empty())
        m_content.layers.push_back(std::move(layer));
}

void DxfCollector::addBlock(const DL_BlockData& data) {
    finishPolyline();
    m_attributesOpen = false;
    const std::string name = text(data.name);
    m_blockIgnored =
        startsWithNoCase(name, "*Model_Space") || startsWithNoCase(name, "*Paper_Space");
    if (m_blockIgnored || name.empty()) {
        m_blockIgnored = true;
        return;
    }
    m_content.blocks.push_back(DxfBlock{name, {data.bpx, data.bpy, data.bpz}, {}});
    m_block = m_content.blocks.size() - 1;
}

void DxfCollector::endBlock() {
    finishPolyline();
    m_attributesOpen = false;
    m_block.reset();
    m_blockIgnored = false;
}

std::vector<DxfEntity>* DxfCollector::container() {
    if (m_block)
        return &m_content.blocks[*m_block].entities;
    if (m_blockIgnored || getAttributes().isInPaperSpace())
        return nullptr;
    return &m_content.entities;
}

DxfEntity DxfCollector::entityOf(cad::Shape shape) {
    const DL_Attributes& a = getAttributes();
    DxfEntity e;
    e.layer = text(a.getLayer());
    if (e.layer.empty())
        e.layer = "0";
    const int color = a.getColor();
    e.color = a.getColor24() >= 0 ? NearestAci(a.getColor24())
                                  : (color >= 0 && color <= 256 ? color : AciByLayer);
    e.lineweight = lineweightOf(a.getWidth());
    e.shape = std::move(shape);
    return e;
}

void DxfCollector::add(cad::Shape shape) {
    finishPolyline();
    m_attributesOpen = false;
    if (auto* to = container())
        to->push_back(entityOf(std::move(shape)));
}

void DxfCollector::addPoint(const DL_PointData& d) {
    add(cad::PointShape{{d.x, d.y, d.z}});
}

void DxfCollector::addLine(const DL_LineData& d) {
    add(cad::LineShape{{d.x1, d.y1, d.z1}, {d.x2, d.y2, d.z2}});
}

void DxfCollector::addXLine(const DL_XLineData& d) {
    add(cad::XLineShape{{d.bx, d.by, d.bz}, {d.dx, d.dy, d.dz}});
}

void DxfCollector::addRay(const DL_RayData& d) {
    add(cad::RayShape{{d.bx, d.by, d.bz}, {d.dx, d.dy, d.dz}});
}

void DxfCollector::addCircle(const DL_CircleData& d) {
    add(cad::CircleShape{{d.cx, d.cy, d.cz}, d.radius});
}

void DxfCollector::addArc(const DL_ArcData& d) {
    // No arc of our own: a polyline through the arc, close enough to look at.
    double sweep = std::fmod(d.angle2 - d.angle1, 360.0);
    if (sweep <= 0.0)
        sweep += 360.0;
    const cad::Point3 centre{d.cx, d.cy, d.cz};
    const double start = d.angle1 * Degree;
    cad::PolylineShape arc;
    arc.vertices.push_back(
        {d.cx + d.radius * std::cos(start), d.cy + d.radius * std::sin(start), d.cz});
    appendArc(arc.vertices, centre, d.radius, start, sweep * Degree);
    add(std::move(arc));
}

void DxfCollector::addPolyline(const DL_PolylineData& d) {
    finishPolyline();
    m_attributesOpen = false;
    m_polyline = OpenPolyline{{}, (d.flags & 1) != 0, (d.flags & (16 | 64)) != 0, entityOf({})};
}

void DxfCollector::addVertex(const DL_VertexData& d) {
    if (m_polyline)
        m_polyline->vertices.push_back(d);
}

void DxfCollector::endSequence() {
    finishPolyline();
    m_attributesOpen = false;
}

// dxflib ends an LWPOLYLINE, hatch or leader this way; an old POLYLINE ends with SEQEND.
void DxfCollector::endEntity() {
    finishPolyline();
}

void DxfCollector::finishPolyline() {
    if (!m_polyline)
        return;
    OpenPolyline open = std::move(*m_polyline);
    m_polyline.reset();
    auto* to = container();
    if (!to)
        return;
    if (open.mesh || open.vertices.size() < 2) {
        if (!m_block)
            ++m_content.skipped;
        return;
    }
    cad::PolylineShape shape;
    shape.closed = open.closed;
    const std::size_t n = open.vertices.size();
    shape.vertices.push_back({open.vertices[0].x, open.vertices[0].y, open.vertices[0].z});
    const std::size_t segments = open.closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const DL_VertexData& a = open.vertices[i];
        const DL_VertexData& b = open.vertices[(i + 1) % n];
        appendBulge(shape.vertices, {a.x, a.y, a.z}, {b.x, b.y, b.z}, a.bulge);
    }
    if (open.closed)
        shape.vertices.pop_back(); // the closing segment ends where the first vertex is
    open.entity.shape = std::move(shape);
    to->push_back(std::move(open.entity));
}

void DxfCollector::addText(const DL_TextData& d) {
    const auto [align, atAlignmentPoint] = alignmentOf(d.hJustification, d.vJustification);
    const cad::Point3 at =
        atAlignmentPoint ? cad::Point3{d.apx, d.apy, d.apz} : cad::Point3{d.ipx, d.ipy, d.ipz};
    add(cad::TextShape{at, text(d.text),
                       cad::TextLook{d.height > 0 ? d.height : 1.0, d.angle, align}});
}

void DxfCollector::addMTextChunk(const std::string& chunk) {
    m_mtextChunks += chunk;
}

void DxfCollector::addMText(const DL_MTextData& d) {
    const std::string whole = PlainFromMText(text(m_mtextChunks + d.text));
    m_mtextChunks.clear();
    add(cad::MTextShape{{d.ipx, d.ipy, d.ipz},
                        whole,
                        d.height > 0 ? d.height : 1.0,
                        d.width,
                        d.angle,
                        std::clamp(d.attachmentPoint, 1, 9)});
}

void DxfCollector::addInsert(const DL_InsertData& d) {
    cad::InsertShape insert;
    insert.at = {d.ipx, d.ipy, d.ipz};
    insert.scale = d.sx != 0.0 ? d.sx : 1.0;
    insert.angle = d.angle * Degree;
    add(std::move(insert));
    if (auto* to = container()) {
        to->back().insertBlock = text(d.name);
        m_attributesOpen = true;
    }
}

void DxfCollector::addAttribute(const DL_AttributeData& d) {
    auto* to = container();
    if (!m_attributesOpen || !to || to->empty())
        return;
    const auto [align, atAlignmentPoint] = alignmentOf(d.hJustification, d.vJustification);
    const cad::Point3 at =
        atAlignmentPoint ? cad::Point3{d.apx, d.apy, d.apz} : cad::Point3{d.ipx, d.ipy, d.ipz};
    std::get<cad::InsertShape>(to->back().shape)
        .attributes.push_back(
            cad::Attribute{text(d.tag), text(d.text), at,
                           cad::TextLook{d.height > 0 ? d.height : 1.0, d.angle, align}});
}

void DxfCollector::addDimLinear(const DL_DimensionData& d, const DL_DimLinearData& e) {
    add(cad::DimensionShape{false,
                            {e.dpx1, e.dpy1, e.dpz1},
                            {e.dpx2, e.dpy2, e.dpz2},
                            {d.dpx, d.dpy, d.dpz},
                            e.angle * Degree,
                            {}});
}

void DxfCollector::addDimAlign(const DL_DimensionData& d, const DL_DimAlignedData& e) {
    add(cad::DimensionShape{
        true, {e.epx1, e.epy1, e.epz1}, {e.epx2, e.epy2, e.epz2}, {d.dpx, d.dpy, d.dpz}, 0.0, {}});
}

} // namespace quadrilo::dxf
