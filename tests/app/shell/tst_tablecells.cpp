#include "app/shell/columntitles.h"
#include "app/shell/columnwidth.h"
#include "app/shell/statictextdelegate.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

// The faster cell painting and column fitting must look exactly like Qt's own.
class TestTableCells : public QObject {
    Q_OBJECT
private slots:
    void cellsPaintAsQtPaintsThem();
    void columnsFitAsQtFitsThem();
    void columnTitles_data();
    void columnTitles();
};

namespace {
const QStringList kTexts = {QStringLiteral("UK 6 Armor XX"),
                            QStringLiteral("Off board"),
                            QString(),
                            QStringLiteral("A12"),
                            QStringLiteral("a text far too long for the narrow column it is in"),
                            QStringLiteral("Yet to move")};

void fill(QStandardItemModel& model) {
    model.setColumnCount(2);
    for (const QString& text : kTexts)
        model.appendRow({new QStandardItem(text), new QStandardItem(text.left(3))});
}
} // namespace

void TestTableCells::cellsPaintAsQtPaintsThem() {
    QStandardItemModel model;
    fill(model);
    const auto draw = [&model](bool ours) {
        QTableView table;
        if (ours)
            table.setItemDelegate(new StaticTextDelegate(&table));
        table.setModel(&model);
        table.setWordWrap(false); // as the docks' tables
        table.resize(260, 220);
        table.horizontalHeader()->resizeSection(0, 120);
        table.selectRow(1);
        table.show();
        return table.grab().toImage();
    };
    const QImage qt = draw(false);
    QCOMPARE(draw(true), qt);
}

void TestTableCells::columnsFitAsQtFitsThem() {
    QStandardItemModel model;
    fill(model);
    QTableView table;
    table.setModel(&model);
    table.show();
    for (int column = 0; column < 2; ++column) {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, column).data().toString();
        table.resizeColumnToContents(column);
        QCOMPARE(columnWidthFor(table, column, texts),
                 table.horizontalHeader()->sectionSize(column));
    }
}

void TestTableCells::columnTitles_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("title");
    const auto row = [](const char* name, int section, Qt::Orientation orientation, int role,
                        const QVariant& title) {
        QTest::newRow(name) << section << int(orientation) << role << title;
    };
    row("first", 0, Qt::Horizontal, Qt::DisplayRole, QStringLiteral("Unit"));
    row("last", 2, Qt::Horizontal, Qt::DisplayRole, QStringLiteral("To"));
    row("past the last", 3, Qt::Horizontal, Qt::DisplayRole, QVariant());
    row("before the first", -1, Qt::Horizontal, Qt::DisplayRole, QVariant());
    row("rows have none", 0, Qt::Vertical, Qt::DisplayRole, QVariant());
    row("only the text", 0, Qt::Horizontal, Qt::ToolTipRole, QVariant());
}

void TestTableCells::columnTitles() {
    QFETCH(int, section);
    QFETCH(int, orientation);
    QFETCH(int, role);
    QFETCH(QVariant, title);
    static const char* const titles[] = {"Unit", "From", "To"};
    QCOMPARE(columnTitle("TurnListModel", titles, section, Qt::Orientation(orientation), role),
             title);
}

QTEST_MAIN(TestTableCells)
#include "tst_tablecells.moc"
