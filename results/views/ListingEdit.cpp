// Line numbers beside the text and the margin mark after column 93.
#include "ListingEdit.h"

#include <QPainter>
#include <QTextBlock>

namespace quadrilo::results {

// The gutter paints through its editor, which knows where each block lies.
class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(ListingEdit* editor) : QWidget(editor), m_editor(editor) {}
    [[nodiscard]] QSize sizeHint() const override { return {m_editor->GutterWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { m_editor->PaintGutter(event); }

private:
    ListingEdit* m_editor;
};

namespace {

QFont CourierNew(int pixels) {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

ListingEdit::ListingEdit(QWidget* parent)
    : QPlainTextEdit(parent), m_gutter(new LineNumberGutter(this)) {
    setObjectName("synMemo");
    setFont(CourierNew(13));
    m_gutter->setFont(CourierNew(11));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(GutterWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &ListingEdit::UpdateGutter);
    setViewportMargins(GutterWidth(), 0, 0, 0);
}

int ListingEdit::CaretLine() const {
    return textCursor().blockNumber() + 1;
}

int ListingEdit::CaretColumn() const {
    return textCursor().positionInBlock() + 1;
}

int ListingEdit::GutterWidth() const {
    const int digits = QString::number(std::max(1, blockCount())).size();
    return 8 + QFontMetrics(m_gutter->font()).horizontalAdvance(QLatin1Char('9')) * digits;
}

void ListingEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
}

void ListingEdit::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    const qreal x = contentOffset().x() + document()->documentMargin() +
                    fontMetrics().horizontalAdvance(QLatin1Char('M')) * MarginColumn;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(QPointF(x, 0), QPointF(x, viewport()->height()));
}

void ListingEdit::UpdateGutter(const QRect& rect, int dy) {
    if (dy != 0)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
}

void ListingEdit::PaintGutter(QPaintEvent* event) {
    QPainter painter(m_gutter);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible())
            painter.drawText(0, static_cast<int>(top), m_gutter->width() - 4, lineHeight,
                             Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(block.blockNumber() + 1));
        top += blockBoundingRect(block).height();
        block = block.next();
    }
}

} // namespace quadrilo::results
