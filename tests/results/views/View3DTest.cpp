// The 3D view's window logic over a recording plot: the settings panel as it starts, what each
// control hands the plot, the wheel's magnification and the refusals.
#include "Tfrm3DView.h"

#include "../GeneratedMalha.h"
#include "ColourBox.h"
#include "QtApplication.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>

namespace quadrilo::results {
namespace {

// Keeps what the view hands it.
class RecordingPlot : public SurfacePlot {
public:
    explicit RecordingPlot(QWidget* parent) : m_widget(new QWidget(parent)) {}
    QWidget* Widget() override { return m_widget; }
    bool SetGrid(const SurfaceGrid& grid) override {
        if (refuseGrid)
            return false;
        grids.push_back(grid);
        return true;
    }
    void SetLook(const SurfaceLook& l) override { look = l; }
    void SetScaleFactZ(double factor) override { scaleZ = factor; }
    void SetCaptionZ(const QString& caption) override { captionZ = caption; }
    void SetMagnification(double m) override { magnification = m; }
    void OnWheel(std::function<void(int)> handler) override { wheel = std::move(handler); }

    bool refuseGrid = false;
    std::vector<SurfaceGrid> grids;
    SurfaceLook look;
    double scaleZ = -1, magnification = -1;
    QString captionZ;
    std::function<void(int)> wheel;

private:
    QWidget* m_widget;
};

class View3DTest : public fixtures::WidgetTest {
protected:
    View3DTest() {
        view = std::make_unique<Tfrm3DView>(nullptr, [this](QWidget* parent) {
            auto made = std::make_unique<RecordingPlot>(parent);
            plot = made.get();
            return made;
        });
        for (std::size_t k = 0; k < malha.Nodes.size(); ++k) {
            malha.Nodes[k].dz = -0.001 * static_cast<double>(k);
            malha.Nodes[k].Rotx = 0.0001 * static_cast<double>(k);
        }
    }

    template <class Widget> Widget* Find(const char* name) {
        auto* widget = view->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    RecordingPlot* plot = nullptr;
    std::unique_ptr<Tfrm3DView> view;
    fixtures::GeneratedMalha malha = fixtures::GenerateMalha(2, 1, 300, 300);
};

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int k = 0; k < box->count(); ++k)
        items << box->itemText(k);
    return items;
}

TEST_F(View3DTest, SettingsPanelStartsAsTheProgramShipsIt) {
    EXPECT_EQ(view->windowTitle(), "3D View");
    auto* scale = Find<QScrollBar>("ScrBarSclZ");
    EXPECT_EQ(scale->orientation(), Qt::Vertical);
    EXPECT_EQ(scale->minimum(), -100);
    EXPECT_EQ(scale->maximum(), 0);
    EXPECT_EQ(scale->value(), -50);

    auto* type = Find<QComboBox>("cmbGraphType");
    EXPECT_EQ(Items(type), (QStringList{"dZ (Deslocamento em z)", "rX (Rotação entorno de x)",
                                        "rY (Rotação em torno de y)"}));
    EXPECT_EQ(type->currentIndex(), 0);
    auto* mode = Find<QComboBox>("selMode");
    EXPECT_EQ(Items(mode), (QStringList{"Duas Cores", "Três Cores"}));
    EXPECT_EQ(mode->currentText(), "Três Cores");

    const auto look = view->Look();
    EXPECT_EQ(look.High, QColor(Qt::blue));
    EXPECT_EQ(look.Mid, QColor(Qt::yellow));
    EXPECT_EQ(look.Low, QColor(Qt::red));
    EXPECT_EQ(look.Mesh, QColor(Qt::black));
    EXPECT_EQ(look.Background, QColor(Qt::white));
    EXPECT_EQ(look.Mode, ColorCodingMode::ThreeColors);
    EXPECT_EQ(Find<ColourBox>("SelMin")->count(), 26); // standard and system colours
    EXPECT_EQ(Find<ColourBox>("SelMesh")->itemText(16), "Personalizada...");

    QStringList captions;
    for (const auto* label : view->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption :
         {"Tipo de deformação:", "Valores máximos:", "Valores médios:", "Valores mínimos:",
          "Cor da Malha:", "Cor de fundo:", "Tipo de renderização:"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
}

TEST_F(View3DTest, OpeningHandsThePlotTheGridAndTheLook) {
    ASSERT_TRUE(view->BuildGrid(malha.Nodes));
    ASSERT_EQ(plot->grids.size(), 1u);
    const auto& grid = plot->grids[0];
    EXPECT_EQ(grid.Columns, 3);
    EXPECT_EQ(grid.Rows, 2);
    EXPECT_EQ(grid.At(1, 2), 0);      // node 1
    EXPECT_EQ(grid.At(3, 1), -0.005); // node 6
    EXPECT_EQ(grid.ColorScaleLow, -0.005);
    EXPECT_EQ(grid.ColorScaleHigh, 0);

    view->show();
    EXPECT_EQ(plot->captionZ, "dz");
    EXPECT_EQ(plot->scaleZ, 0.5);
    EXPECT_EQ(plot->magnification, 1);
    EXPECT_EQ(plot->look.High, QColor(Qt::blue));
}

TEST_F(View3DTest, ChoosingRotationReplotsWhileTheAxisStaysDz) {
    ASSERT_TRUE(view->BuildGrid(malha.Nodes));
    view->show();
    Find<QComboBox>("cmbGraphType")->setCurrentIndex(1);
    ASSERT_EQ(plot->grids.size(), 2u);
    EXPECT_DOUBLE_EQ(plot->grids[1].At(3, 1), 0.0005);
    EXPECT_EQ(plot->captionZ, "dz");
}

TEST_F(View3DTest, ControlsChangeThePlotAtOnce) {
    view->show();
    Find<QScrollBar>("ScrBarSclZ")->setValue(-80);
    EXPECT_DOUBLE_EQ(plot->scaleZ, 0.8);
    auto* mesh = Find<ColourBox>("SelMesh");
    mesh->setCurrentIndex(mesh->findText("Verde"));
    EXPECT_EQ(plot->look.Mesh, QColor(0, 128, 0));
    Find<QComboBox>("selMode")->setCurrentIndex(0);
    EXPECT_EQ(plot->look.Mode, ColorCodingMode::TwoColors);
    auto* back = Find<ColourBox>("SelBack");
    back->setCurrentIndex(back->findText("Prata"));
    EXPECT_EQ(plot->look.Background, QColor(192, 192, 192));
}

TEST_F(View3DTest, WheelStepsMagnifyByTenPercent) {
    plot->wheel(120);
    plot->wheel(120);
    plot->wheel(120);
    EXPECT_NEAR(view->Magnification(), 1.331, 1e-12);
    EXPECT_NEAR(plot->magnification, 1.331, 1e-12);
    view->FormMouseWheel(-120);
    view->FormMouseWheel(0);
    EXPECT_NEAR(view->Magnification(), 1.331 * 0.81, 1e-12);
}

TEST_F(View3DTest, AGridThePlotCannotTakeIsReported) {
    plot->refuseGrid = true;
    EXPECT_FALSE(view->BuildGrid(malha.Nodes));
    auto* box = view->findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Plot3d: Fail to inicialize de GridMat Matrix");
}

TEST_F(View3DTest, NodesThatAreNotTheGeneratedMalhaAreReportedAndNotPlotted) {
    auto nodes = malha.Nodes;
    nodes.pop_back();
    EXPECT_FALSE(view->BuildGrid(nodes));
    EXPECT_TRUE(plot->grids.empty());
    auto* box = view->findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith("Erro: ")) << box->text().toStdString();
}

} // namespace
} // namespace quadrilo::results
