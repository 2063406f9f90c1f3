// Tab "3) Pilares": the place of the column panel (data and "Criar").
#pragma once

#include <QWidget>

namespace quadrilo::app {

class ColumnsTab : public QWidget {
    Q_OBJECT
public:
    explicit ColumnsTab(QWidget* parent = nullptr);
};

} // namespace quadrilo::app
