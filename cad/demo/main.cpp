// quadrilo-cad-demo: the CAD canvas with a command line and a log, for trying the engine alone.
// Options: --sample (a small floor drawing), --view N (a standard view 130-139),
// --screenshot FILE.png (save the window once shown, then quit), --portuguese (engine texts).
#include "CadApi.h"
#include "CadCanvas.h"
#include "CanvasTexts.h"
#include "Document.h"
#include "DrawingTools.h"
#include "Engine.h"

#include "DemoWindow.h"
#include "SampleDrawing.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption sample("sample", "Open a small sample floor drawing.");
    const QCommandLineOption view("view", "Show the standard view N (130-139).", "N");
    const QCommandLineOption shot("screenshot", "Save the window to FILE and quit.", "FILE");
    const QCommandLineOption portuguese("portuguese", "Engine texts in Portuguese.");
    options.addOptions({sample, view, shot, portuguese});
    options.process(app);

    cad::Engine engine;
    CadEngineScope scope(engine);
    cad::canvas::installCanvasTexts(engine, options.isSet(portuguese)
                                                ? cad::canvas::TextLanguage::Portuguese
                                                : cad::canvas::TextLanguage::English);
    const CadHandle drawing = CadCreate();
    cad::Document& doc = *engine.document(static_cast<int>(drawing));
    cad::canvas::registerDrawingTools(doc);
    if (options.isSet(sample))
        demo::buildSampleDrawing(drawing);

    demo::DemoWindow window(doc);
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
