// quadrilo-cad-demo: the CAD canvas with a command line and a log, for trying the engine alone.
// Options: --sample (a small floor drawing), --view N (a standard view 130-139),
// --screenshot FILE.png (save the window once shown, then quit), --english (engine texts; they
// start in Portuguese, as in the program).
#include "CadApi.h"
#include "CadCanvas.h"
#include "CanvasTexts.h"
#include "Document.h"
#include "DrawingTools.h"
#include "Engine.h"
#include "EngineUi.h"

#include "DemoWindow.h"
#include "SampleDrawing.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

namespace {

// The context menus as the application installs them.
void installMenus() {
    for (const int menu : {2, 4, 6, 3, 5, 1})
        CadMenuClear(menu);
    for (const int menu : {3, 2}) {
        CadMenuAdd(menu, "*REPETIR COMANDO*", 913);
        CadMenuAdd(menu, "Desfazer", 301);
        CadMenuAdd(menu, "Refazer", 302);
        CadMenuAdd(menu, "-", 0);
        CadMenuAdd(menu, "Auxílio ao desenho", 956);
        CadMenuAdd(menu, "Opções", 951);
        CadMenuAdd(menu, "-", 0);
        CadMenuAdd(menu, "Propriedades do objeto", 306);
    }
    CadMenuAdd(1, "Zoom exteção", 102);
    CadMenuAdd(1, "Zoom tempo real", 107);
    CadMenuAdd(1, "Pan tempo real", 111);
    CadMenuAdd(1, "-", 0);
    CadMenuAdd(1, "Camadas", 801);
    CadMenuAdd(1, "Auxílio ao desenho", 956);
    CadMenuAdd(7, "Inserir vértice", 331);
    CadMenuAdd(7, "Apagar vértice", 332);
    CadMenuAdd(7, "-", 0);
    CadMenuAdd(7, "Editar vértice...", 333);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption sample("sample", "Open a small sample floor drawing.");
    const QCommandLineOption view("view", "Show the standard view N (130-139).", "N");
    const QCommandLineOption shot("screenshot", "Save the window to FILE and quit.", "FILE");
    const QCommandLineOption english("english", "Engine texts in English.");
    options.addOptions({sample, view, shot, english});
    options.process(app);

    cad::Engine engine;
    CadEngineScope scope(engine);
    cad::canvas::EngineUi ui(engine);
    cad::canvas::CadUiScope uiScope(ui);
    cad::canvas::installCanvasTexts(engine, options.isSet(english)
                                                ? cad::canvas::TextLanguage::English
                                                : cad::canvas::TextLanguage::Portuguese);
    installMenus();
    CadAccelSetDefault();
    const CadHandle drawing = CadCreate();
    cad::Document& doc = *engine.document(static_cast<int>(drawing));
    cad::canvas::registerDrawingTools(doc);
    if (options.isSet(sample))
        demo::buildSampleDrawing(drawing);

    demo::DemoWindow window(doc);
    ui.addWindow(&window.canvas());
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
    return app.exec();
}
