#include "app/shell/statictextdelegate.h"

#include <QApplication>
#include <QPainter>

namespace {
// Kept texts at most: names, hexes and numbers are a few thousand; comments come and go.
constexpr qsizetype kKeptTexts = 4096;
} // namespace

const QStaticText& StaticTextDelegate::laidOut(const QString& text, const QFont& font) const {
    if (lineHeight_ == 0 || font != font_ || texts_.size() >= kKeptTexts) {
        texts_.clear();
        font_ = font;
        lineHeight_ = QFontMetrics(font).height();
    }
    auto found = texts_.find(text);
    if (found == texts_.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        found = texts_.insert(text, laid);
    }
    return *found;
}

void StaticTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    constexpr auto kOthers = QStyleOptionViewItem::HasDecoration |
                             QStyleOptionViewItem::HasCheckIndicator |
                             QStyleOptionViewItem::WrapText;
    const QWidget* widget = cell.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // Where the style puts the text: the cell less its margins, aligned as the cell asks.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = cell.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText& text = laidOut(cell.text, cell.font);
    if ((cell.features & kOthers) || text.size().width() > textRect.width()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The panel, the selection and the focus as the style draws them, without the text; a
    // plain cell has none of them.
    const QString shown = cell.text;
    cell.text.clear();
    if ((cell.state & (QStyle::State_Selected | QStyle::State_HasFocus)) ||
        cell.backgroundBrush.style() != Qt::NoBrush)
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (shown.isEmpty())
        return;
    const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(
        group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    const QSize size = text.size().toSize();
    const QRect line = QStyle::alignedRect(cell.direction, cell.displayAlignment,
                                           QSize(size.width(), lineHeight_), textRect);
    painter->drawStaticText(line.topLeft(), text);
    painter->restore();
}
