#pragma once

#include "app/files/filesfeature.h"
#include "app/find/findfeature.h"
#include "app/find/stackviewer.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/play/playfeature.h"
#include "app/shell/processlauncher.h"
#include "app/turn/turnfeature.h"
#include "app/window/tmainform.h"
#include "board/mapboard.h"
#include "board/mappicture.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "tests/common/fakepicturemodule.h"
#include "tests/common/gameaccess.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <iterator>

// Answers the main window's questions from a script and records what it was asked.
class ScriptedPrompts final : public Prompts {
public:
    std::deque<QMessageBox::StandardButton> endOfTurnAnswers;
    std::deque<QMessageBox::StandardButton> saveChangesAnswers;
    std::deque<QMessageBox::StandardButton> endOwnTurnAgainAnswers;
    std::deque<QString> saveFiles;
    std::deque<QString> openFiles;
    // Runs instead of each modal dialog; answers its result.
    std::function<int(QDialog&)> dialogScript = [](QDialog&) { return int(QDialog::Rejected); };
    QStringList warnings;
    // The files the player was asked to replace, and the answers (No once they run out).
    QStringList replaceAsked;
    std::deque<bool> replaceAnswers;
    // The folder each file dialog was asked to start in, in order, and the names Save
    // proposed.
    QStringList dialogFolders;
    QStringList proposedNames;
    int dialogsRun = 0;
    int saveChangesAsked = 0;
    int endOwnTurnAgainAsked = 0;

    QMessageBox::StandardButton askEndOfTurn() override { return take(endOfTurnAnswers); }
    QMessageBox::StandardButton askEndOwnTurnAgain() override {
        ++endOwnTurnAgainAsked;
        return take(endOwnTurnAgainAnswers);
    }
    QMessageBox::StandardButton askSaveChanges() override {
        ++saveChangesAsked;
        return take(saveChangesAnswers);
    }
    QString chooseSaveFile(const QString& folder, const QString& proposedName) override {
        dialogFolders << folder;
        proposedNames << proposedName;
        return take(saveFiles);
    }
    QString chooseOpenFile(const QString& folder) override {
        dialogFolders << folder;
        return take(openFiles);
    }
    bool askReplace(const QString& name) override {
        replaceAsked << name;
        return take(replaceAnswers);
    }
    void showWarning(const QString& text) override { warnings << text; }
    int execDialog(QDialog& dialog) override {
        ++dialogsRun;
        return dialogScript(dialog);
    }

private:
    template <typename T> static T take(std::deque<T>& answers) {
        if (answers.empty())
            return T{};
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Records the programs the window starts and answers each at once with `outcome`.
class ScriptedLauncher final : public ProcessLauncher {
public:
    std::vector<std::pair<QString, QStringList>> started;
    Outcome outcome{true, 0, {}};

    void start(const QString& program, const QStringList& arguments, Finished finished) override {
        started.emplace_back(program, arguments);
        finished(outcome);
    }
};

// A main window on the quick stand-in pictures, with a scripted player. Its settings live
// in `settingsFile` (a fresh one unless given), never in the player's own; it keeps a game
// history only in `historyAt` when that is given.
struct MainFormHarness {
    QTemporaryDir settingsDir;
    QString settingsFile;
    ScriptedPrompts* prompts = nullptr;
    ScriptedLauncher* launcher = nullptr;
    std::vector<int> pauses;
    std::vector<QPoint> animationPositions;
    // Runs at every pause of the return animation, after its position was recorded.
    std::function<void()> onPause;
    std::unique_ptr<TMainForm> form;

    // `loadModule` replaces the stand-in pictures when given.
    explicit MainFormHarness(
        unsigned seed = 1, const QString& settingsAt = {},
        std::function<std::unique_ptr<PictureModule>(const QString&)> loadModule = {},
        const QString& historyAt = {})
        : settingsFile(settingsAt.isEmpty() ? settingsDir.filePath(QStringLiteral("korva.conf"))
                                            : settingsAt) {
        MainFormSetup setup;
        setup.historyFolder = historyAt;
        // No test reaches the player's desktop: notifications fall back to the notice.
        setup.notificationBus = QDBusConnection(QStringLiteral("korva-tests-no-bus"));
        setup.settings = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
        auto scriptedLauncher = std::make_unique<ScriptedLauncher>();
        launcher = scriptedLauncher.get();
        setup.launcher = std::move(scriptedLauncher);
        setup.loadModule = loadModule ? std::move(loadModule)
                                      : [](const QString& name) -> std::unique_ptr<PictureModule> {
            return std::make_unique<FakePictureModule>(name);
        };
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        setup.prompts = std::move(scripted);
        setup.seed = seed;
        setup.pause = [this](int ms) {
            pauses.push_back(ms);
            animationPositions.push_back(form->play().dragImage().pos());
            if (onPause)
                onPause();
        };
        form = std::make_unique<TMainForm>(std::move(setup));
    }

    ZeKCounter& counter(int row) {
        auto it = form->game().counters().counters().begin();
        std::advance(it, row - 1);
        return **it;
    }
    // Puts counter `row` (1-based) in hex `current` with start hex `start`, then rebuilds.
    void place(int row, int current, int start = -1) {
        counter(row).setState(CounterRecord{start < 0 ? current : start, current, 0, 0});
    }
    void rebuild() { mutableGame(form->session()).restack(); }
    // Names of the stack at a hex, bottom first, as rows of the order of battle.
    std::vector<const Counter*> stack(int hex) const {
        const auto& counters = form->game().board().hex(hex).stack();
        return {counters.begin(), counters.end()};
    }
    MapView& map() { return form->mapView(); }
    // The middle of a hex's core, in picture pixels.
    static QPoint centre(int hex) {
        const AFPoint c = hexgrid::hexCentre(hex);
        return {c.x, c.y};
    }
    void press(int hex) { QTest::mousePress(&map(), Qt::LeftButton, {}, centre(hex)); }
    void release(int hex) { QTest::mouseRelease(&map(), Qt::LeftButton, {}, centre(hex)); }
    void releaseAt(QPoint p) { QTest::mouseRelease(&map(), Qt::LeftButton, {}, p); }
    void drag(int from, int to) {
        press(from);
        moveTo(centre(to), Qt::LeftButton);
        release(to);
    }
    void hover(int hex) { moveTo(centre(hex)); }
    // The stack viewer's non-empty texts once it shows over `hex` (hovered after its
    // neighbour hex + 1, so it opens afresh); empty if it never shows.
    QStringList stackViewerTexts(int hex) {
        StackViewer& viewer = form->find().stackViewer();
        viewer.setDelay(10);
        hover(hex + 1);
        hover(hex);
        QStringList texts;
        if (!QTest::qWaitFor([&] { return viewer.shownHex() == hex; }))
            return texts;
        for (const QLabel* label : viewer.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return texts;
    }
    // A mouse movement straight to the map widget, wherever the point lies (QTest's own
    // goes through the window and finds whatever widget is under the point).
    void moveTo(QPoint p, Qt::MouseButtons buttons = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, p, map().mapToGlobal(p), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&map(), &move);
    }
};
