// What a DXF file holds that the canvas can show, in the drawing's own shapes, before it is
// turned into a drawing.
#pragma once

#include "cad/Drawing.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quadrilo::dxf {

struct DxfEntity {
    std::string layer;
    int color = 256;     // ACI, by layer, by block
    int lineweight = -1; // hundredths of a millimetre; -1 by layer
    cad::Shape shape;
    std::string insertBlock; // inserts: the block's name, found when the drawing is built
};

struct DxfBlock {
    std::string name;
    cad::Point3 base;
    std::vector<DxfEntity> entities;
};

struct DxfContent {
    std::vector<cad::Layer> layers; // colours as ACI indices
    std::vector<DxfBlock> blocks;
    std::vector<DxfEntity> entities; // model space
    std::size_t skipped = 0;         // model-space entities of kinds the canvas does not draw
};

} // namespace quadrilo::dxf
