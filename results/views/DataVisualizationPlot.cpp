// The 3D view's surface drawn by Qt Data Visualization's Q3DSurface.
#include "SurfacePlot.h"

#include <QLabel>
#include <QLinearGradient>
#include <QWidget>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QAbstract3DInputHandler>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QSurfaceDataProxy>
#include <QtDataVisualization/QValue3DAxis>
#include <QtDataVisualization/qutils.h>

#include <algorithm>
#include <new>

namespace quadrilo::results {
namespace {

// View angles of the plot as it opens: turned 15° about the vertical, looking down from 30° (the
// line of sight 60° off the vertical).
constexpr float StartTurn = 15;
constexpr float StartElevation = 30;
constexpr float DegreesPerPixel = 0.4f;

// Dragging with either button turns the view; the wheel goes to the window's own handler.
class PlotInput : public QAbstract3DInputHandler {
public:
    std::function<void(int)> onWheel;
    std::function<void(bool)> onDrag; // true as a drag starts, false as it ends

protected:
    void mousePressEvent(QMouseEvent* event, const QPoint& at) override {
        m_dragging = event->buttons() & (Qt::LeftButton | Qt::RightButton);
        m_last = at;
        if (m_dragging && onDrag)
            onDrag(true);
    }
    void mouseReleaseEvent(QMouseEvent*, const QPoint&) override {
        if (m_dragging && onDrag)
            onDrag(false);
        m_dragging = false;
    }
    void mouseMoveEvent(QMouseEvent*, const QPoint& at) override {
        if (!m_dragging)
            return;
        auto* camera = scene()->activeCamera();
        camera->setXRotation(camera->xRotation() + DegreesPerPixel * (at.x() - m_last.x()));
        camera->setYRotation(camera->yRotation() + DegreesPerPixel * (at.y() - m_last.y()));
        m_last = at;
    }
    void wheelEvent(QWheelEvent* event) override {
        if (onWheel)
            onWheel(event->angleDelta().y());
        event->accept();
    }

private:
    bool m_dragging = false;
    QPoint m_last;
};

QValue3DAxis* Axis(const QString& title, const QString& format) {
    auto* axis = new QValue3DAxis;
    axis->setTitle(title);
    axis->setTitleVisible(true);
    axis->setLabelFormat(format);
    return axis;
}

// An axis needs some extent; a flat grid (all values 0) gets one unit either side.
void SetRange(QValue3DAxis* axis, double low, double high) {
    if (high <= low) {
        low -= 1;
        high += 1;
    }
    axis->setRange(static_cast<float>(low), static_cast<float>(high));
}

QSurfaceDataArray* SurfaceData(const SurfaceGrid& grid) {
    auto step = [](double low, double high, int count) {
        return count > 1 ? (high - low) / (count - 1) : 0.0;
    };
    const double dx = step(grid.XMin, grid.XMax, grid.Columns);
    const double dy = step(grid.YMin, grid.YMax, grid.Rows);
    auto* data = new QSurfaceDataArray;
    data->reserve(grid.Rows);
    // Row `Rows` lies at the least Y: the data runs towards growing Y, as the surface wants it.
    for (int row = grid.Rows; row >= 1; --row) {
        auto* line = new QSurfaceDataRow(grid.Columns);
        const double y = grid.YMin + dy * (grid.Rows - row);
        for (int column = 1; column <= grid.Columns; ++column)
            (*line)[column - 1].setPosition(
                QVector3D(static_cast<float>(grid.XMin + dx * (column - 1)),
                          static_cast<float>(grid.At(column, row)), static_cast<float>(y)));
        data->append(line);
    }
    return data;
}

class DataVisualizationPlot : public SurfacePlot {
public:
    // Takes the graph, made with an OpenGL context.
    DataVisualizationPlot(Q3DSurface* graph, QWidget* parent) : m_graph(graph) {
        m_container = QWidget::createWindowContainer(m_graph, parent);
        m_container->setObjectName("Plot3D");
        m_container->setMinimumSize(400, 300);
        m_graph->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
        m_graph->setSelectionMode(QAbstract3DGraph::SelectionNone);
        m_graph->setActiveInputHandler(m_input);
        m_graph->setAxisX(Axis("X", "%.2f"));
        m_graph->setAxisZ(Axis("Y", "%.2f"));
        m_graph->setAxisY(Axis("dz", "%.10f"));

        auto* theme = m_graph->activeTheme();
        theme->setBackgroundEnabled(true); // the bounding box with shaded faces
        theme->setGridEnabled(true);
        theme->setLabelBackgroundEnabled(false);

        m_series->setDrawMode(QSurface3DSeries::DrawSurfaceAndWireframe);
        // The grid lines cost more than the surface; while the view turns they wait.
        m_input->onDrag = [this](bool dragging) {
            m_series->setDrawMode(dragging ? QSurface3DSeries::DrawSurface
                                           : QSurface3DSeries::DrawSurfaceAndWireframe);
        };
        m_series->setFlatShadingEnabled(false);
        m_series->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
        m_graph->addSeries(m_series);

        auto* camera = m_graph->scene()->activeCamera();
        camera->setMinZoomLevel(1);
        camera->setMaxZoomLevel(100000);
        camera->setCameraPosition(StartTurn, StartElevation, 100);
    }

    QWidget* Widget() override { return m_container; }

    bool SetGrid(const SurfaceGrid& grid) override {
        QSurfaceDataArray* data = nullptr;
        try {
            data = SurfaceData(grid);
        } catch (const std::bad_alloc&) {
            return false;
        }
        m_series->dataProxy()->resetArray(data);
        SetRange(m_graph->axisX(), grid.XMin, grid.XMax);
        SetRange(m_graph->axisZ(), grid.YMin, grid.YMax);
        SetRange(m_graph->axisY(), grid.ColorScaleLow, grid.ColorScaleHigh);
        m_graph->setHorizontalAspectRatio(grid.ScaleFactX);
        return true;
    }

    void SetLook(const SurfaceLook& look) override {
        const ColourCoding coding{ToRgb(look.Low), ToRgb(look.Mid), ToRgb(look.High), look.Mode};
        QLinearGradient gradient;
        for (const auto& stop : GradientStops(coding))
            gradient.setColorAt(stop.Position, QColor(stop.Colour.R, stop.Colour.G, stop.Colour.B));
        m_series->setBaseGradient(gradient);
        m_series->setWireframeColor(look.Mesh);
        auto* theme = m_graph->activeTheme();
        theme->setBackgroundColor(look.Background);
        theme->setWindowColor(look.Background);
    }

    void SetScaleFactZ(double factor) override {
        m_graph->setAspectRatio(1.0 / std::max(factor, 0.01));
    }

    void SetCaptionZ(const QString& caption) override { m_graph->axisY()->setTitle(caption); }

    void SetMagnification(double magnification) override {
        m_graph->scene()->activeCamera()->setZoomLevel(static_cast<float>(100 * magnification));
    }

    void OnWheel(std::function<void(int)> handler) override {
        m_input->onWheel = std::move(handler);
    }

private:
    static Rgb ToRgb(const QColor& c) {
        return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                static_cast<std::uint8_t>(c.blue())};
    }

    Q3DSurface* m_graph = nullptr; // owned by its window container
    QWidget* m_container = nullptr;
    PlotInput* m_input = new PlotInput;                // owned by the graph once set active
    QSurface3DSeries* m_series = new QSurface3DSeries; // owned by the graph once added
};

// Where there is no OpenGL (a headless platform, a remote display without it) the surface cannot
// be drawn; the view still opens, its settings work and the plot says why it stays empty.
class UnavailablePlot : public SurfacePlot {
public:
    explicit UnavailablePlot(QWidget* parent)
        : m_label(new QLabel(QStringLiteral("Visualização 3D indisponível: sem OpenGL"), parent)) {
        m_label->setObjectName("Plot3D");
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setMinimumSize(400, 300);
    }
    QWidget* Widget() override { return m_label; }
    bool SetGrid(const SurfaceGrid&) override { return true; }
    void SetLook(const SurfaceLook&) override {}
    void SetScaleFactZ(double) override {}
    void SetCaptionZ(const QString&) override {}
    void SetMagnification(double) override {}
    void OnWheel(std::function<void(int)>) override {}

private:
    QLabel* m_label;
};

} // namespace

std::unique_ptr<SurfacePlot> MakeDataVisualizationPlot(QWidget* parent) {
    // Multisampling costs more than it gives on software OpenGL; shadows likewise.
    QSurfaceFormat format = qDefaultSurfaceFormat(false);
    auto graph = std::make_unique<Q3DSurface>(&format);
    if (!graph->hasContext())
        return std::make_unique<UnavailablePlot>(parent);
    return std::make_unique<DataVisualizationPlot>(graph.release(), parent);
}

} // namespace quadrilo::results
