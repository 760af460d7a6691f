#pragma once

#include <QStringList>

class QTableView;

// The width a table's column needs to show each of `texts` whole, and its header's title:
// what QTableView::resizeColumnToContents finds for cells holding those texts, found with
// one measure per text rather than a layout of every cell.
int columnWidthFor(const QTableView& table, int column, const QStringList& texts);
