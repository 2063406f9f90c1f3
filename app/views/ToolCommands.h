// Which engine command each drawing-tool and view action starts, and on which layer.
#pragma once

#include "app/drawing/DrawingLayers.h"

#include <array>

namespace quadrilo::app {

// An action of the main window that makes a layer current (none when null) and starts an engine
// command: free drawing lands on "Anotações", construction geometry on "Linhas de Construção".
struct ToolCommand {
    const char* action;
    const char* layer;
    int command;
};

inline constexpr std::array<ToolCommand, 23> ToolCommands{{
    {"actLinha", LayerAnnotations, 205},
    {"actCircle", LayerAnnotations, 220},
    {"actRectangle", LayerAnnotations, 212},
    {"actPoint", LayerAnnotations, 201},
    {"actConstructionLine", LayerConstructionLines, 207},
    {"actRay", LayerConstructionLines, 206},
    {"actDrawText", LayerAnnotations, 245},
    {"actDrawMText", LayerAnnotations, 249},
    {"actDim_LIN", LayerAnnotations, 290},
    {"actDim_ALIGNED", LayerAnnotations, 291},
    {"actStyle_DIM", nullptr, 807},
    {"acAddBlock", nullptr, 252},
    {"mnuInserirBloco", nullptr, 252},
    {"actMove", nullptr, 313},
    {"actProperties", nullptr, 306},
    {"actUndo", nullptr, 301},
    {"actRedo", nullptr, 302},
    {"actLayerShow", nullptr, 801},
    {"actLayerOrder", nullptr, 802},
    {"actRealTPan", nullptr, 111},
    {"actZoomWind", nullptr, 106},
    {"actPrint", nullptr, 901},
    {"actPrintPreview", nullptr, 903},
}};

// The standard views of the menu "Isométrico"; each is followed by the `ToolBar2` rule.
struct StandardView {
    const char* action;
    int command;
};

inline constexpr std::array<StandardView, 10> StandardViews{{
    {"actView_TOP", 131},
    {"actView_BOTTOM", 132},
    {"ActView_LEFT", 133},
    {"actView_RIGHT", 134},
    {"actView_FRONT", 135},
    {"actView_BACK", 136},
    {"actView_SW", 137},
    {"actView_SE", 138},
    {"actView_NE", 139},
    {"actView_NW", 130},
}};

// The engine's printing commands: 901 page set-up and printing, 902 printing (context menu 1
// "Imprimir"), 903 print preview.
enum PrintCommand : int { CmdPrintSetupAndPrint = 901, CmdPrint = 902, CmdPrintPreview = 903 };

} // namespace quadrilo::app
