// app-results-screenshots FOLDER: pictures of the results on the calculated L-shaped floor (the
// deformed malha in an isometric view, each diagram kind, the editor with the results file, the 3D
// surface and the calculation tool), written into FOLDER. Run it under Xvfb.
#include "CalculatedFloor.h"

#include "app/drawing/DrawingWindow.h"
#include "app/tabs/CalculationTab.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QScreen>
#include <QTabWidget>
#include <QThread>

#include <cstdio>

using namespace quadrilo::app;

namespace {

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(25);
    }
}

bool Shoot(QWidget& widget, const QDir& folder, const char* name) {
    Settle();
    const QString path = folder.filePath(QString::fromUtf8(name));
    // From the screen, so that the 3D surface's OpenGL window is in the picture too.
    const QPoint at = widget.mapToGlobal(QPoint(0, 0));
    const bool written = QGuiApplication::primaryScreen()
                             ->grabWindow(0, at.x(), at.y(), widget.width(), widget.height())
                             .save(path);
    std::printf("%s %s\n", written ? "wrote" : "could not write", path.toUtf8().constData());
    return written;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: app-results-screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    (void)folder.mkpath(QStringLiteral("."));
    test::RunningProgram program(folder.filePath(QStringLiteral("programa")));
    TfrmMain& window = *program.window;
    window.resize(1280, 960);
    // The tab first: leaving a tab stores the project's edits, which would make the results stale.
    window.tabs().setCurrentIndex(5);
    if (const std::string error = test::CalculateLShapedFloor(program.state); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    window.calculationTab().grpMalhaDeformada->setEnabled(true);
    const auto trigger = [&](const char* name) { window.actions()[name]->trigger(); };
    trigger("actDeformada");
    window.drawingWindow()->execute(137); // south-west isometric
    bool ok = Shoot(window, folder, "deformada-isometrica.png");

    window.drawingWindow()->execute(131);
    trigger("actDelDeformada");
    const struct {
        const char* action;
        const char* file;
        double y; // the diagram's base line, under the floor
    } diagrams[] = {{"actDiagFletor", "diagrama-fletor.png", -250},
                    {"actDiagCortante", "diagrama-cortante.png", -250},
                    {"actDiagNormal", "diagrama-torcor.png", -250},
                    {"actDiagDZ", "diagrama-dz.png", -250}};
    for (const auto& d : diagrams) {
        trigger(d.action);
        auto& doc = program.state.cad.document();
        (void)doc.inputPoint({-10, 190, 0});
        (void)doc.inputPoint({810, 210, 0}); // the row of bars at Y = 200
        (void)doc.inputPoint({0, d.y, 0});
        window.zoomAll();
        ok = Shoot(window, folder, d.file) && ok;
        (void)doc.undo();
    }

    trigger("ActListResult");
    ok = Shoot(*program.windows.editor, folder, "editor-resultados.png") && ok;
    program.windows.editor->close();
    trigger("actViewrender");
    program.windows.view3D->resize(1000, 700);
    ok = Shoot(*program.windows.view3D, folder, "vista-3d.png") && ok;
    program.windows.view3D->close();
    trigger("actShowcalcDlg");
    ok = Shoot(*program.windows.calculationTool, folder, "ferramenta-calculo.png") && ok;
    program.windows.calculationTool->close();
    return ok ? 0 : 1;
}
