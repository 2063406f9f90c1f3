// The 3D result view: one nodal result of the malha as a coloured surface, with its settings.
#pragma once

#include "SurfacePlot.h"
#include "mesh/TNodeData.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <span>
#include <vector>

class QComboBox;
class QScrollBar;

namespace quadrilo::results {

class ColourBox;

class Tfrm3DView : public QDialog {
    Q_OBJECT
public:
    using PlotFactory = std::function<std::unique_ptr<SurfacePlot>(QWidget* parent)>;

    explicit Tfrm3DView(QWidget* parent = nullptr,
                        const PlotFactory& makePlot = MakeDataVisualizationPlot);
    ~Tfrm3DView() override;

    // Opening the view: builds the grid from the node records (the caller's NodeList, which the
    // view only reads) and shows the window modally. A malha that cannot be laid on its grid is
    // reported and the window is not shown.
    void ShowView(std::span<const TNodeData> nodes);
    // The grid alone; false when it could not be built (the reason is shown).
    bool BuildGrid(std::span<const TNodeData> nodes);

    [[nodiscard]] double Magnification() const { return m_magnification; }
    [[nodiscard]] SurfaceLook Look() const;
    [[nodiscard]] double ScaleFactZ() const;

    void cmbGraphTypeChange();
    void FormShow();
    void FormMouseWheel(int delta); // a forward step magnifies by 1.1, any other by 0.9
    void ScrBarSclZChange();
    void LookChange(); // any colour box or "Tipo de renderização:"

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool RebuildGrid();
    void ShowMessage(const QString& text);

    std::unique_ptr<SurfacePlot> m_plot;
    std::vector<TNodeData> m_nodes;
    double m_magnification = 1;
    QScrollBar* m_scaleZ;
    QComboBox* m_graphType;
    ColourBox* m_max;
    ColourBox* m_mid;
    ColourBox* m_min;
    ColourBox* m_mesh;
    ColourBox* m_back;
    QComboBox* m_mode;
};

} // namespace quadrilo::results
