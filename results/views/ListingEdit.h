// The editor's text control: plain text in a fixed-pitch font with a line-number gutter and a
// right-margin mark.
#pragma once

#include <QPlainTextEdit>

namespace quadrilo::results {

class ListingEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MarginColumn = 93;

    explicit ListingEdit(QWidget* parent = nullptr);

    // Caret position from 1, as the read-out shows it.
    [[nodiscard]] int CaretLine() const;
    [[nodiscard]] int CaretColumn() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class LineNumberGutter;
    [[nodiscard]] int GutterWidth() const;
    void PaintGutter(QPaintEvent* event);
    void UpdateGutter(const QRect& rect, int dy);

    QWidget* m_gutter;
};

} // namespace quadrilo::results
