// Tab "7) Edição dos Elementos": the edit groups of beams, slabs, loads and columns, each shown
// while an element of its kind is selected.
#pragma once

#include "elements/EditPanels.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quadrilo::app {

class MainActions;

class ElementEditTab : public QWidget {
    Q_OBJECT
public:
    // The slab, column and load groups' buttons run their save actions.
    explicit ElementEditTab(const MainActions& actions, QWidget* parent = nullptr);

    // Shows a panel's texts and visibility in its group.
    void show(const elements::EditPanel& panel);
    using QWidget::show;

    // What each group's controls hold now.
    [[nodiscard]] elements::SlabPanel slabPanel() const;
    [[nodiscard]] elements::BeamPanel beamPanel() const;
    [[nodiscard]] elements::ColumnPanel columnPanel() const;
    [[nodiscard]] elements::LoadPanel loadPanel() const;

    QGroupBox* editgroupVigas;
    QLineEdit* editTextVigaName;
    QLineEdit* editVigaladoa;
    QLineEdit* editVigaLadoB;
    QLabel* editPnlVigaCoords;
    QLabel* editPnlVigaHandle;
    QPushButton* Button5;

    QGroupBox* EditGroupLajes;
    QLineEdit* editLajeName;
    QLineEdit* editLajeE;
    QLabel* editlajelabel;
    QLabel* editLajeHandle;

    QGroupBox* EditGroupCargas;
    QLineEdit* editcargaValor;
    QLabel* EditPnlCargaHandle;

    QGroupBox* editGroupPilares;
    QLineEdit* editPilarName;
    QCheckBox* editChkDz;
    QCheckBox* editChkRx;
    QCheckBox* editChekRy;
    QLabel* editPnlPilarCoord;
    QLabel* editPnlPilarHandle;

private:
    void showSlab(const elements::SlabPanel& panel);
    void showBeam(const elements::BeamPanel& panel);
    void showColumn(const elements::ColumnPanel& panel);
    void showLoad(const elements::LoadPanel& panel);
};

} // namespace quadrilo::app
