// Tab "7) Edição dos Elementos": the place of the edit panels of beams, slabs, loads and columns.
#pragma once

#include <QWidget>

namespace quadrilo::app {

class ElementEditTab : public QWidget {
    Q_OBJECT
public:
    explicit ElementEditTab(QWidget* parent = nullptr);
};

} // namespace quadrilo::app
