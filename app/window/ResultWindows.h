// The places of the calculation tool, the 3D view and the editor windows.
#pragma once

#include <QDialog>

namespace quadrilo::app {

// The places of the three windows the results show modally: the calculation tool `TfrmMathGrelha2`,
// the 3D view `Tfrm3DView` and the editor `TfrmEditor`. They are created at start-up in their
// order; their content comes with the results.

class TfrmMathGrelha2 : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMathGrelha2(QWidget* parent = nullptr);
};

class Tfrm3DView : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm3DView(QWidget* parent = nullptr);
};

class TfrmEditor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditor(QWidget* parent = nullptr);
};

} // namespace quadrilo::app
