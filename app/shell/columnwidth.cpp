#include "app/shell/columnwidth.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <algorithm>

int columnWidthFor(const QTableView& table, int column, const QStringList& texts) {
    QStyleOptionViewItem option;
    option.initFrom(table.viewport());
    option.font = table.font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    int widest = -1;
    for (const QString& text : texts) {
        if (const int width = option.fontMetrics.horizontalAdvance(text); width > widest) {
            widest = width;
            option.text = text;
        }
    }
    // The cell as the item delegate sizes it, and the grid line beside it.
    const int cell =
        table.style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &table).width() +
        (table.showGrid() ? 1 : 0);
    return std::max(cell, table.horizontalHeader()->sectionSizeHint(column));
}
