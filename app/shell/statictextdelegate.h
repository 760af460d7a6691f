#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints a table's plain text cells as QStyledItemDelegate does, each distinct text laid out
// once and kept: a list of hundreds of rows that changes at every Open repaints without
// shaping every cell's text again. Cells with an icon, a check box or a text too wide for
// them are left to QStyledItemDelegate.
class StaticTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& laidOut(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> texts_;
    mutable QFont font_;
    mutable int lineHeight_ = 0; // of font_
};
