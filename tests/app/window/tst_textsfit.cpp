#include "app/dialogs/gamesetupdialog.h"
#include "app/dialogs/languagedialog.h"
#include "app/export/animationdialog.h"
#include "app/games/watchfoldersdialog.h"
#include "app/pictures/mapart.h"
#include "app/shell/commandtable.h"
#include "app/turn/gamedicedialog.h"
#include "app/turn/goturndialog.h"
#include "app/turn/turnlistdock.h"
#include "app/turn/turnlistmodel.h"
#include "tests/app/mainformharness.h"
#include "translations/language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

// Every text of the window, its docks and its dialogs whole in every language, at the
// window's starting size: a longer translation cannot be cut silently.
class TestTextsFit : public QObject {
    Q_OBJECT
private slots:
    void everyTextFits_data();
    void everyTextFits();
    void placesInTheLanguage_data();
    void placesInTheLanguage();
    void holdingAreaInTheLanguage();
    void cleanupTestCase() { language::install(QStringLiteral("en")); }
};

namespace {

// The widget's rectangle in `top`'s coordinates, cut by every widget between them.
QRect shownPart(QWidget& w, QWidget& top) {
    QRect part(QPoint(), w.size());
    for (QWidget* at = &w; at != &top; at = at->parentWidget()) {
        part.translate(at->pos());
        part &= QRect(QPoint(), at->parentWidget()->size());
    }
    return part;
}

// The labels and buttons under `top` whose text is wider (or, wrapped, taller) than the
// room they have, as "where: object 'text'".
QStringList cutTexts(QWidget& top, const QString& where) {
    QStringList found;
    const auto check = [&](QWidget& w, const QString& text, bool wrapped) {
        if (text.trimmed().isEmpty() || !w.isVisibleTo(&top) || w.window() != &top)
            return;
        const QSize hint = w.sizeHint();
        const bool tooNarrow =
            wrapped ? w.height() < w.heightForWidth(w.width()) : w.width() < hint.width();
        if (tooNarrow || shownPart(w, top).size() != w.size())
            found << QStringLiteral("%1: %2 '%3' (%4 in %5x%6)")
                         .arg(where, w.objectName(), text,
                              QStringLiteral("%1x%2").arg(hint.width()).arg(hint.height()))
                         .arg(shownPart(w, top).width())
                         .arg(shownPart(w, top).height());
    };
    for (QLabel* label : top.findChildren<QLabel*>())
        check(*label, label->text(), label->wordWrap());
    for (QAbstractButton* button : top.findChildren<QAbstractButton*>())
        if (qobject_cast<QPushButton*>(button) || qobject_cast<QCheckBox*>(button) ||
            qobject_cast<QRadioButton*>(button))
            check(*button, button->text(), false);
    return found;
}

// The smallest rectangle that holds every pixel in which two pictures of one size differ.
QRect differingPart(const QImage& a, const QImage& b) {
    QRect part;
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if ((lineA[x] ^ lineB[x]) & 0xffffff)
                part |= QRect(x, y, 1, 1);
    }
    return part;
}

QStringList cutTextsShown(QDialog& dialog) {
    dialog.show();
    const QStringList found =
        cutTexts(dialog, QString::fromLatin1(dialog.metaObject()->className()));
    dialog.hide();
    return found;
}

} // namespace

void TestTextsFit::everyTextFits_data() {
    QTest::addColumn<QString>("code");
    for (const QString& code : language::available())
        QTest::newRow(qPrintable(code)) << code;
}

void TestTextsFit::everyTextFits() {
    QFETCH(QString, code);
    QCOMPARE(language::install(code), code);
    MainFormHarness h;
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    QStringList cut;
    QStringList seen;
    h.prompts->dialogScript = [&](QDialog& dialog) {
        seen << QString::fromLatin1(dialog.metaObject()->className());
        cut << cutTextsShown(dialog);
        return int(QDialog::Rejected);
    };
    CommandTable& commands = h.form->commands();
    for (const Command c : {Command::OrderOfBattle, Command::TurnList, Command::TurnEdits,
                            Command::Find, Command::ReplayTurn})
        commands.action(c)->trigger();
    cut << cutTexts(*h.form, QStringLiteral("window"));

    h.hover(hexgrid::hexIndexOf(4, 4));
    h.form->session().addCombat(hexgrid::hexIndexOf(4, 4), 3, "x");
    for (const Command c : {Command::About, Command::GameSetup, Command::EditNote, Command::Combat,
                            Command::ShowCombat, Command::ExportPicture, Command::ExportTurnPage})
        commands.action(c)->trigger();
    QCOMPARE(seen.size(), 7);
    // The games dialog stays open beside the window.
    commands.action(Command::Games)->trigger();
    const QRect screen = h.form->screen()->availableGeometry();
    for (QDialog* dialog : h.form->findChildren<QDialog*>()) {
        if (!dialog->isVisible())
            continue;
        cut << cutTexts(*dialog, QString::fromLatin1(dialog->metaObject()->className()));
        // Within the screen, its buttons and last columns too.
        QVERIFY(screen.contains(dialog->geometry()));
    }
    GameSetupDialog newGame(GameSetupDialog::Mode::NewGame, TurnOrder(), {}, h.form.get());
    GoToTurnDialog goToTurn({TurnStart{}}, 0, h.form.get());
    GameDiceDialog gameDice(h.form.get());
    AnimationDialog animation(3, QStringLiteral("game"), h.form.get());
    WatchFoldersDialog watched({QStringLiteral("/tmp")}, h.form.get());
    LanguageDialog languages(code, QStringLiteral("en"), h.form.get());
    for (QDialog* dialog : std::initializer_list<QDialog*>{&newGame, &goToTurn, &gameDice,
                                                           &animation, &watched, &languages})
        cut << cutTextsShown(*dialog);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestTextsFit::placesInTheLanguage_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("offBoard");
    QTest::addColumn<QString>("counter"); // the status bar's counter panel
    QTest::newRow("en") << "en"
                        << "Off board"
                        << "UK 6 Armor XX ; Partial Step/Loss = 2/0";
    QTest::newRow("de") << "de"
                        << "Außerhalb der Karte"
                        << "UK 6 Armor XX ; Teilstufe/Verluste = 2/0";
    QTest::newRow("it") << "it"
                        << "Fuori mappa"
                        << "UK 6 Armor XX ; Step parziale/Perdite = 2/0";
    QTest::newRow("fr") << "fr"
                        << "Hors carte"
                        << QStringLiteral("UK 6 Armor XX\u00a0; Pas partiel/Pertes = 2/0");
}

void TestTextsFit::placesInTheLanguage() {
    QFETCH(QString, code);
    QFETCH(QString, offBoard);
    QFETCH(QString, counter);
    language::install(code);
    MainFormHarness h;
    h.form->files().NewGame();
    const int holding = hexgrid::hexIndexOf(25, 3);
    h.place(1, holding, hexgrid::hexIndexOf(4, 4));
    h.rebuild();
    h.hover(holding);
    QCOMPARE(h.form->play().statusText(1), offBoard);
    QCOMPARE(h.form->play().statusText(3), counter);
    // The turn list and the stack viewer say it as the status bar does.
    TurnListModel& list = h.form->turn().turnListDock().model();
    CounterChange change;
    change.counter = 1;
    change.fromHex = hexgrid::hexIndexOf(4, 4);
    change.toHex = holding;
    list.setTurn({change}, {});
    QCOMPARE(list.data(list.index(0, TurnListModel::To)).toString(), offBoard);
    const QStringList texts = h.stackViewerTexts(holding);
    QVERIFY2(texts.contains(offBoard), qPrintable(texts.join(QLatin1Char('|'))));
}

void TestTextsFit::holdingAreaInTheLanguage() {
    // The built-in map's headings are drawn in English; in another language only their
    // bands change.
    language::install(QStringLiteral("de"));
    const QImage english = [] {
        language::install(QStringLiteral("en"));
        return mapart::drawMap();
    }();
    language::install(QStringLiteral("de"));
    QImage relabelled = english;
    mapart::relabel(relabelled);
    const QImage german = mapart::drawMap();
    QCOMPARE(differingPart(relabelled, german), QRect());
    // Only the holding area's headings changed, right of the board.
    const QRect changed = differingPart(relabelled, english);
    QVERIFY(!changed.isEmpty());
    const int boardRight = hexgrid::hexPosition(hexgrid::hexIndexOf(24, 0)).x;
    QVERIFY2(changed.left() > boardRight, qPrintable(QString::number(changed.left())));
}

QTEST_MAIN(TestTextsFit)
#include "tst_textsfit.moc"
