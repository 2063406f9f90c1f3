// Collects what dxflib reads into DxfContent: layers, blocks, model-space entities.
#pragma once

#include "cad/dxf/DxfContent.h"

#include <dxflib/dl_creationadapter.h>

#include <optional>

namespace quadrilo::dxf {

class DxfCollector : public DL_CreationAdapter {
public:
    explicit DxfCollector(bool utf8File) : m_utf8(utf8File) {}

    // The content once dxflib has read the whole file.
    [[nodiscard]] DxfContent take();

    void addLayer(const DL_LayerData& data) override;
    void addBlock(const DL_BlockData& data) override;
    void endBlock() override;
    void addPoint(const DL_PointData& data) override;
    void addLine(const DL_LineData& data) override;
    void addXLine(const DL_XLineData& data) override;
    void addRay(const DL_RayData& data) override;
    void addArc(const DL_ArcData& data) override;
    void addCircle(const DL_CircleData& data) override;
    void addPolyline(const DL_PolylineData& data) override;
    void addVertex(const DL_VertexData& data) override;
    void endSequence() override;
    void endEntity() override;
    void addText(const DL_TextData& data) override;
    void addMText(const DL_MTextData& data) override;
    void addMTextChunk(const std::string& text) override;
    void addInsert(const DL_InsertData& data) override;
    void addAttribute(const DL_AttributeData& data) override;
    void addDimLinear(const DL_DimensionData& data, const DL_DimLinearData& edata) override;
    void addDimAlign(const DL_DimensionData& data, const DL_DimAlignedData& edata) override;

    // Kinds the canvas does not draw are counted, not kept.
    void addEllipse(const DL_EllipseData&) override { skip(); }
    void addSpline(const DL_SplineData&) override { skip(); }
    void addTrace(const DL_TraceData&) override { skip(); }
    void add3dFace(const DL_3dFaceData&) override { skip(); }
    void addSolid(const DL_SolidData&) override { skip(); }
    void addHatch(const DL_HatchData&) override { skip(); }
    void addImage(const DL_ImageData&) override { skip(); }
    void addLeader(const DL_LeaderData&) override { skip(); }
    void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { skip(); }
    void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override { skip(); }
    void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override { skip(); }
    void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override { skip(); }
    void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override { skip(); }

private:
    struct OpenPolyline {
        std::vector<DL_VertexData> vertices;
        bool closed = false;
        bool mesh = false; // polygon and polyface meshes are not drawn
        DxfEntity entity;
    };

    std::string text(const std::string& raw) const;
    DxfEntity entityOf(cad::Shape shape);
    // Where the next entity goes: the open block, model space, or nowhere (paper space).
    std::vector<DxfEntity>* container();
    void add(cad::Shape shape);
    void finishPolyline();
    void skip();

    bool m_utf8;
    DxfContent m_content;
    std::optional<std::size_t> m_block; // the block being read
    bool m_blockIgnored = false;        // *Model_Space, *Paper_Space: not blocks of the drawing
    std::optional<OpenPolyline> m_polyline;
    std::string m_mtextChunks;
    bool m_attributesOpen = false; // the last entity is an insert that ATTRIBs may follow
};

} // namespace quadrilo::dxf
