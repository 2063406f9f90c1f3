// The places of the three result windows.
#include "app/window/ResultWindows.h"

namespace quadrilo::app {
namespace {

void name(QDialog& window, const char* objectName, const char* caption) {
    window.setObjectName(QLatin1String(objectName));
    window.setWindowTitle(QString::fromUtf8(caption));
}

} // namespace

TfrmMathGrelha2::TfrmMathGrelha2(QWidget* parent) : QDialog(parent) {
    name(*this, "TfrmMathGrelha2", "Ferramenta de Cálculo de Grelhas:");
}

Tfrm3DView::Tfrm3DView(QWidget* parent) : QDialog(parent) {
    name(*this, "Tfrm3DView", "3D View");
}

TfrmEditor::TfrmEditor(QWidget* parent) : QDialog(parent) {
    name(*this, "TfrmEditor", "Editor:");
}

} // namespace quadrilo::app
