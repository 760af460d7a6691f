#include "app/export/turnpage.h"
#include "app/export/turnpagehtml.h"
#include "geometry/hexgrid.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>

// The turn's web page as a report for others: its parts in order, every text from the file
// escaped, tables that wrap, a layout that holds from a phone to a desktop.
class TestTurnPage : public QObject {
    Q_OBJECT
private slots:
    void pageHasItsParts();
    void holdingAreaArrowsEndAtItsEdge();
};

namespace {

QList<QTextTable*> tablesOf(QTextDocument& document) {
    QList<QTextTable*> tables;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (QTextTable* table = QTextCursor(block).currentTable(); table && !tables.contains(table))
            tables << table;
    return tables;
}

} // namespace

void TestTurnPage::pageHasItsParts() {
    TurnPage page;
    page.title = QStringLiteral("Turn 3 · Axis to move");
    page.fileName = QStringLiteral("<b>t03</b>.krv");
    page.players = PlayerNames{QStringLiteral("Bob & <i>Co</i>"), QString()};
    page.banners = {QStringLiteral("   SALERNO 1943") + QString(60, QLatin1Char(0x20)), QString(),
                    QStringLiteral("<script>x</script>")};
    page.changeColumns = {QStringLiteral("Unit"), QStringLiteral("From"), QStringLiteral("To"),
                          QStringLiteral("Losses"), QStringLiteral("Marker")};
    page.changes = {{QStringLiteral("UK 6 Armor XX"), QStringLiteral("C73"), QStringLiteral("E34"),
                     QStringLiteral("2/0"), QString()}};
    page.combatColumns = {QStringLiteral("Combat"), QStringLiteral("Combat hex"),
                          QStringLiteral("Comment")};
    page.combats = {{QStringLiteral("Combat, die 4"), QStringLiteral("E34"),
                     QStringLiteral("\"><img src=x onerror=alert(1)>")}};
    page.note = QStringLiteral("Go on\n</div><script>");
    const QString html = QString::fromUtf8(turnPageHtml(page));

    // Nothing from the file is markup; no script, and a phone's width is the page's.
    for (const char* raw : {"<b>t03", "<i>Co", "<script", "<img src=x"})
        QVERIFY2(!html.contains(QLatin1String(raw)), raw);
    QVERIFY(html.contains(QStringLiteral(
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">")));
    QVERIFY(html.contains(QStringLiteral("@media (max-width:40em)")));
    // Each cell names its column, for the cards a narrow screen shows.
    QVERIFY(html.contains(QStringLiteral("<td data-label=\"To\">E34</td>")));
    // The banners without their padding; the empty one is left out.
    QVERIFY(html.contains(QStringLiteral("<li><q class=\"file\">SALERNO 1943</q></li>")));
    QCOMPARE(html.count(QStringLiteral("<li>")), 2);

    // Read through Qt's own HTML: the title, the players, the two tables and the note.
    QTextDocument document;
    document.setHtml(html);
    const QString text = document.toPlainText();
    for (const QString& shown :
         {QStringLiteral("Turn 3 · Axis to move"), QStringLiteral("Allies: Bob & <i>Co</i>"),
          QStringLiteral("Axis: not named"), QStringLiteral("From the file <b>t03</b>.krv"),
          QStringLiteral("Go on\n</div><script>")})
        QVERIFY2(text.contains(shown), qPrintable(shown + QStringLiteral(" in\n") + text));
    QVERIFY(text.indexOf(QStringLiteral("Changes")) < text.indexOf(QStringLiteral("Combats")));
    const QList<QTextTable*> tables = tablesOf(document);
    QCOMPARE(tables.size(), 2);
    QCOMPARE(tables[0]->columns(), 5);
    QCOMPARE(tables[0]->rows(), 2);
    QCOMPARE(tables[1]->cellAt(1, 2).firstCursorPosition().block().text(),
             QStringLiteral("\"><img src=x onerror=alert(1)>"));
}

void TestTurnPage::holdingAreaArrowsEndAtItsEdge() {
    using namespace hexgrid;
    const double board = (kBoardColumns - 1) * kColumnPitch + kTopEdgeWidth + kSideOverhang;
    MoveOverlay marks;
    marks.arrows = {{QPointF(1400, 200), QPointF(300, 2400), Side::First},  // came on
                    {QPointF(200, 300), QPointF(1450, 100), Side::Second},  // left the board
                    {QPointF(100, 100), QPointF(200, 200), Side::First},    // on the board
                    {QPointF(1300, 100), QPointF(1400, 200), Side::First}}; // within the area
    const MoveOverlay cut = turnpage::shortened(marks);
    QCOMPARE(cut.arrows[0].to, marks.arrows[0].to);
    QCOMPARE(cut.arrows[0].from.y(), marks.arrows[0].to.y());
    QVERIFY(cut.arrows[0].from.x() > board && cut.arrows[0].from.x() < board + 60);
    QCOMPARE(cut.arrows[1].from, marks.arrows[1].from);
    QCOMPARE(cut.arrows[1].to.y(), marks.arrows[1].from.y());
    QVERIFY(cut.arrows[1].to.x() > board && cut.arrows[1].to.x() < board + 60);
    QCOMPARE(cut.arrows[2], marks.arrows[2]);
    QCOMPARE(cut.arrows[3], marks.arrows[3]);
    QVERIFY(MoveOverlay::boundsOf(cut.arrows[0]).height() < 40);
}

QTEST_MAIN(TestTurnPage)
#include "tst_turnpage.moc"
