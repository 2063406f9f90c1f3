// Sample floor: two bays by one, columns at the grid crossings, beams along the grid lines.
#include "SampleDrawing.h"

#include <cmath>
#include <string>

namespace demo {

void buildSampleDrawing(CadHandle d) {
    const double xs[] = {0.0, 400.0, 800.0};
    const double ys[] = {0.0, 500.0};

    CadAddLayer(d, "Linhas de Construção", 8, 0, -1);
    CadSetCurLayerByName(d, "Linhas de Construção");
    for (const double x : xs)
        CadAddXLine(d, x, 0, 0, 0, 1, 0);
    for (const double y : ys)
        CadAddXLine(d, 0, y, 0, 1, 0, 0);

    // Column block: a 20 x 40 rectangle with its name as an attribute.
    const CadHandle block = CadAddBlock(d, "PILAR", 0, 0, 0);
    CadSetCurLayerByName(d, "0");
    const CadHandle outline = CadAddRect(d, 0, 0, 0, 20, 40, 0);
    CadBlockAddEntity(block, outline);
    const CadHandle att = CadAddAttrib(d, "NOME", "P", 14, 22, 0);
    CadTextPutHeight(att, 12);
    CadBlockAddEntity(block, att);

    CadAddLayer(d, "Pilares", 1, 0, 50);
    CadSetCurLayerByName(d, "Pilares");
    int n = 1;
    for (const double y : ys)
        for (const double x : xs) {
            const CadHandle ins = CadAddInsBlock(d, CadBlockGetID(block), x, y, 0, 1.0, 0.0);
            CadAttPutValue(CadInsBlockGetFirstAtt(ins), "P" + std::to_string(n++));
        }

    CadAddLayer(d, "Vigas", 3, 0, 35);
    CadSetCurLayerByName(d, "Vigas");
    const CadHandle style = CadAddMlineStyle(d, "V20", 2, 0);
    CadMlineStylePutOffset(style, 0, 10);
    CadMlineStylePutOffset(style, 1, -10);
    CadSetCurMlineStyleByName(d, "V20");
    for (const double y : ys) {
        CadClearVertices(d);
        CadAddVertex(d, xs[0], y, 0);
        CadAddVertex(d, xs[2], y, 0);
        CadAddMline(d, 0);
    }
    for (const double x : xs) {
        CadClearVertices(d);
        CadAddVertex(d, x, ys[0], 0);
        CadAddVertex(d, x, ys[1], 0);
        CadAddMline(d, 0);
    }

    CadAddLayer(d, "Lajes", 4, 0, -1);
    CadSetCurLayerByName(d, "Lajes");
    CadAddRect(d, 200, 250, 0, 380, 480, 0);
    CadAddRect(d, 600, 250, 0, 380, 480, 0);
    CadAddText(d, "L1 h=10", 200, 250, 0, 20, 0, 4);
    CadAddText(d, "L2 h=12", 600, 250, 0, 20, 0, 4);

    CadAddLayer(d, "Anotações", 2, 0, -1);
    CadSetCurLayerByName(d, "Anotações");
    CadAddMText(d, "Pavimento tipo\\PEscala 1:50", 0, -80, 0, 300, 1, 0);
    CadAddDimLinear(d, {0, 0, 0}, {400, 0, 0}, {200, -40, 0}, 0);
    CadAddDimAligned(d, {800, 0, 0}, {800, 500, 0}, {860, 250, 0});
    CadAddCircle(d, 600, 250, 0, 60);
    CadAddPoint(d, 200, 250, 0);

    // A deformed grillage over the first bay: Z is the scaled displacement.
    CadAddLayer(d, "Quadrilo Deformada", 6, 0, -1);
    CadSetCurLayerByName(d, "Quadrilo Deformada");
    const int div = 8;
    const auto z = [&](int i, int j) {
        return -60.0 * std::sin(M_PI * i / div) * std::sin(M_PI * j / div);
    };
    for (int i = 0; i <= div; ++i)
        for (int j = 0; j <= div; ++j) {
            const double x = 400.0 * i / div, y = 500.0 * j / div;
            if (i < div)
                CadAddLine(d, x, y, z(i, j), 400.0 * (i + 1) / div, y, z(i + 1, j));
            if (j < div)
                CadAddLine(d, x, y, z(i, j), x, 500.0 * (j + 1) / div, z(i, j + 1));
        }
    CadSetCurLayerByName(d, "0");
    CadPutDirty(d, 0);
}

} // namespace demo
