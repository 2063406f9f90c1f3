// quadrilo-cad-demo: the CAD canvas with a command line and a log, for trying the engine alone.
// Options: --sample (a small floor drawing), --view N (a standard view 130-139),
// --screenshot FILE.png (save the window once shown, then quit). The engine speaks its own
// English defaults; languages are the program's tables.
#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/EngineUi.h"
#include "cad/canvas/SystemClipboard.h"
#include "cad/demo/DemoWindow.h"
#include "cad/demo/SampleDrawing.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

using namespace quadrilo::cad;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption sample("sample", "Open a small sample floor drawing.");
    const QCommandLineOption view("view", "Show the standard view N (130-139).", "N");
    const QCommandLineOption shot("screenshot", "Save the window to FILE and quit.", "FILE");
    options.addOptions({sample, view, shot});
    options.process(app);

    Engine engine;
    canvas::SystemClipboard clipboard;
    engine.setClipboard(&clipboard);
    canvas::EngineUi ui(engine);
    ui.setDefaultAccelerators();
    Document& doc = engine.createDocument();
    if (options.isSet(sample)) {
        demo::buildSampleDrawing(doc.drawing());
        doc.drawing().setDirty(false);
    }

    demo::DemoWindow window(doc);
    ui.addWindow(window.canvas());
    window.resize(1000, 720);
    window.show();
    auto& canvas = window.canvas();
    canvas.renderStyle().showLineweights = true;
    canvas.zoomExtents();
    if (options.isSet(view))
        canvas.execute(options.value(view).toInt());
    if (options.isSet(shot)) {
        const QString file = options.value(shot);
        QTimer::singleShot(300, &window, [&window, file] {
            window.grab().save(file);
            QApplication::quit();
        });
    }
    const int status = app.exec();
    engine.setClipboard(nullptr);
    return status;
}
