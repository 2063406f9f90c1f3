// The 3D view's window: the plot and its settings panel.
#include "Tfrm3DView.h"

#include "ColourBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace quadrilo::results {
namespace {

constexpr const char* GridFailure = "Plot3d: Fail to inicialize de GridMat Matrix";

// A caption written upwards beside the vertical scale bar.
class UpwardLabel : public QWidget {
public:
    UpwardLabel(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {
        setObjectName("lblSclZ");
    }
    [[nodiscard]] QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return {metrics.height() + 4, metrics.horizontalAdvance(m_text) + 8};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, m_text);
    }

private:
    QString m_text;
};

QComboBox* Choices(const char* name, const QStringList& items, int initial, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(initial);
    return box;
}

} // namespace

Tfrm3DView::Tfrm3DView(QWidget* parent, const PlotFactory& makePlot)
    : QDialog(parent), m_plot(makePlot(this)), m_scaleZ(new QScrollBar(Qt::Vertical, this)),
      m_graphType(Choices("cmbGraphType",
                          {QString::fromUtf8("dZ (Deslocamento em z)"),
                           QString::fromUtf8("rX (Rotação entorno de x)"),
                           QString::fromUtf8("rY (Rotação em torno de y)")},
                          0, this)),
      m_max(new ColourBox("SelMax", ColourBox::StandardColours, Qt::blue, this)),
      m_mid(new ColourBox("SelMid", ColourBox::StandardColours, Qt::yellow, this)),
      m_min(new ColourBox("SelMin", ColourBox::StandardColours | ColourBox::SystemColours, Qt::red,
                          this)),
      m_mesh(new ColourBox("SelMesh", ColourBox::StandardColours | ColourBox::CustomColour,
                           Qt::black, this)),
      m_back(new ColourBox("SelBack", ColourBox::StandardColours, Qt::white, this)),
      m_mode(Choices("selMode", {"Duas Cores", QString::fromUtf8("Três Cores")}, 1, this)) {
    setObjectName("Tfrm3DView");
    setWindowTitle("3D View");
    resize(1000, 700);

    m_scaleZ->setObjectName("ScrBarSclZ");
    m_scaleZ->setRange(-100, 0);
    m_scaleZ->setValue(-50);

    auto* panel = new QWidget(this);
    panel->setObjectName("pnlSettings");
    auto* choices = new QFormLayout;
    choices->setRowWrapPolicy(QFormLayout::WrapAllRows);
    const auto row = [&](const char* caption, QWidget* control) {
        choices->addRow(QString::fromUtf8(caption), control);
    };
    row("Tipo de deformação:", m_graphType);
    row("Valores máximos:", m_max);
    row("Valores médios:", m_mid);
    row("Valores mínimos:", m_min);
    row("Cor da Malha:", m_mesh);
    row("Cor de fundo:", m_back);
    row("Tipo de renderização:", m_mode);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(new UpwardLabel(QString::fromUtf8("Deformação vertical:"), panel));
    panelLayout->addWidget(m_scaleZ);
    panelLayout->addLayout(choices);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_plot->Widget(), 1);
    layout->addWidget(panel);

    connect(m_graphType, &QComboBox::currentIndexChanged, this, &Tfrm3DView::cmbGraphTypeChange);
    connect(m_scaleZ, &QScrollBar::valueChanged, this, &Tfrm3DView::ScrBarSclZChange);
    for (auto* box : {m_max, m_mid, m_min, m_mesh, m_back})
        connect(box, &ColourBox::colourChanged, this, &Tfrm3DView::LookChange);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &Tfrm3DView::LookChange);
    m_plot->OnWheel([this](int delta) { FormMouseWheel(delta); });
}

Tfrm3DView::~Tfrm3DView() = default;

void Tfrm3DView::ShowView(std::span<const TNodeData> nodes) {
    if (BuildGrid(nodes))
        exec();
}

bool Tfrm3DView::BuildGrid(std::span<const TNodeData> nodes) {
    m_nodes.assign(nodes.begin(), nodes.end());
    return RebuildGrid();
}

bool Tfrm3DView::RebuildGrid() {
    const auto build =
        BuildSurfaceGrid(m_nodes, static_cast<SurfaceQuantity>(m_graphType->currentIndex()));
    if (!build.Error.empty()) {
        ShowMessage(QString::fromStdString(build.Error));
        return false;
    }
    if (!m_plot->SetGrid(build.Grid)) {
        ShowMessage(GridFailure);
        return false;
    }
    return true;
}

// Shown without a nested event loop, so that the view's own modal loop stays the only one.
void Tfrm3DView::ShowMessage(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

SurfaceLook Tfrm3DView::Look() const {
    const auto mode =
        m_mode->currentIndex() == 0 ? ColorCodingMode::TwoColors : ColorCodingMode::ThreeColors;
    return {m_max->Selected(),  m_mid->Selected(),  m_min->Selected(),
            m_mesh->Selected(), m_back->Selected(), mode};
}

double Tfrm3DView::ScaleFactZ() const {
    return std::abs(m_scaleZ->value()) / 100.0;
}

void Tfrm3DView::cmbGraphTypeChange() {
    (void)RebuildGrid();
}

void Tfrm3DView::FormShow() {
    m_plot->SetCaptionZ("dz");
    m_plot->SetLook(Look());
    ScrBarSclZChange();
    m_plot->SetMagnification(m_magnification);
}

void Tfrm3DView::FormMouseWheel(int delta) {
    m_magnification *= delta > 0 ? 1.1 : 0.9;
    m_plot->SetMagnification(m_magnification);
}

void Tfrm3DView::ScrBarSclZChange() {
    m_plot->SetScaleFactZ(ScaleFactZ());
}

void Tfrm3DView::LookChange() {
    m_plot->SetLook(Look());
}

void Tfrm3DView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

} // namespace quadrilo::results
