// A colour box: a list of named colours, each shown with its swatch.
#pragma once

#include <QColor>
#include <QComboBox>

namespace quadrilo::results {

class ColourBox : public QComboBox {
    Q_OBJECT
public:
    enum Content {
        StandardColours = 1, // the sixteen basic colours
        SystemColours = 2,   // the colours of the desktop's palette
        CustomColour = 4,    // a last item that asks for any colour
    };

    ColourBox(const char* objectName, int content, QColor initial, QWidget* parent = nullptr);

    [[nodiscard]] QColor Selected() const;
    void Select(const QColor& colour);

signals:
    void colourChanged(const QColor& colour);

private:
    void AddColour(const QString& name, const QColor& colour);
    void AskForCustomColour();

    int m_customIndex = -1;
    int m_lastIndex = -1;
};

} // namespace quadrilo::results
