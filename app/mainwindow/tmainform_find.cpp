// Finding a counter: the Find field with its completion, F3 and Shift+F3, the order of
// battle dock, and showing a counter on the map.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/plaintext.h"

#include "app/mainwindow/mapview.h"
#include "app/mainwindow/orderofbattledock.h"
#include "app/mainwindow/unitsearch.h"
#include "base/win1252.h"
#include "board/mapboard.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "ui_mainform.h"

#include <QAction>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <iterator>

void TMainForm::setUpFind() {
    findEdit_ = new QLineEdit;
    findEdit_->setObjectName(QStringLiteral("bFindEdit"));
    findEdit_->setPlaceholderText(QStringLiteral("Find a unit (Ctrl+F)"));
    findEdit_->setToolTip(
        QStringLiteral("Find a unit by name: \"6 arm\" finds \"UK 6 Armor XX\" (Ctrl+F; F3 "
                       "next, Shift+F3 previous)"));
    findEdit_->setAccessibleName(QStringLiteral("Find a unit"));
    findEdit_->setClearButtonEnabled(true);
    findEdit_->setMaximumWidth(220);

    // The completion lists the names the words match anywhere, not only at the start.
    findNames_ = new QStringListModel(this);
    auto* completer = new QCompleter(findNames_, findEdit_);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    findEdit_->setCompleter(completer);
    connect(findEdit_, &QLineEdit::textEdited, this, [this, completer](const QString& text) {
        findNames_->setStringList(unitsearch::matchingNames(*game_, text));
        if (!text.trimmed().isEmpty() && findNames_->rowCount() > 0)
            completer->complete();
    });
    // A name picked in the list and Enter both end here; the pick comes first and sets the
    // text, so one search runs for the two.
    const auto requestFind = [this] {
        if (findDue_)
            return;
        findDue_ = true;
        QTimer::singleShot(0, this, [this] {
            findDue_ = false;
            findFirst(findEdit_->text());
            // The map takes the keyboard, ready to move what was found.
            if (!findMatches_.empty())
                mapView_->setFocus(Qt::OtherFocusReason);
        });
    };
    connect(findEdit_, &QLineEdit::returnPressed, this, requestFind);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, requestFind);

    auto* findAction = new QAction(QStringLiteral("Find a unit"), this);
    findAction->setObjectName(QStringLiteral("actFind"));
    findAction->setShortcut(QKeySequence::Find);
    connect(findAction, &QAction::triggered, this, [this] {
        findEdit_->setFocus(Qt::ShortcutFocusReason);
        findEdit_->selectAll();
    });
    addAction(findAction);
    auto* next = new QAction(QStringLiteral("Find next"), this);
    next->setObjectName(QStringLiteral("actFindNext"));
    next->setShortcut(QKeySequence(Qt::Key_F3));
    connect(next, &QAction::triggered, this, [this] { findNext(+1); });
    addAction(next);
    auto* previous = new QAction(QStringLiteral("Find previous"), this);
    previous->setObjectName(QStringLiteral("actFindPrevious"));
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(previous, &QAction::triggered, this, [this] { findNext(-1); });
    addAction(previous);

    // What the last search found, beside the field: the status bar keeps its panels.
    findStatus_ = new PlainLabel;
    findStatus_->setObjectName(QStringLiteral("bFindStatus"));
    findStatus_->setContentsMargins(6, 0, 6, 0);

    bKorvaToolBar_->addSeparator();
    bKorvaToolBar_->addWidget(findEdit_);
    bKorvaToolBar_->addWidget(findStatus_);
}

void TMainForm::setUpOrderOfBattle() {
    orderOfBattleDock_ = new OrderOfBattleDock(*game_, this);
    orderOfBattleDock_->hide();
    addDockWidget(Qt::RightDockWidgetArea, orderOfBattleDock_);
    QAction* toggle = orderOfBattleDock_->toggleViewAction();
    toggle->setObjectName(QStringLiteral("actOrderOfBattle"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    toggle->setToolTip(QStringLiteral("Order of battle (Ctrl+B)"));
    toggle->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    bKorvaToolBar_->addAction(toggle);
    connect(orderOfBattleDock_, &OrderOfBattleDock::counterActivated, this,
            &TMainForm::showCounter);
    // Docked, it takes its room from a window made wider, not from the map and speed bar.
    // While docked it never squeezes the speed bar's controls out of sight; a window made
    // smaller takes the room from the dock.
    const auto keepSpeedBar = [this] {
        const bool docked = orderOfBattleDock_->isVisible() && !orderOfBattleDock_->isFloating();
        ui_->bPanelMainSpeedBar->setMinimumWidth(docked ? 802 : 0);
    };
    connect(orderOfBattleDock_, &QDockWidget::topLevelChanged, this, keepSpeedBar);
    connect(orderOfBattleDock_, &QDockWidget::visibilityChanged, this,
            [this, keepSpeedBar](bool visible) {
                keepSpeedBar();
                if (!visible || orderOfBattleDock_->isFloating() || isMaximized() ||
                    isFullScreen() || dockWidened_)
                    return;
                dockWidened_ = true;
                const QScreen* shown = screen();
                const int room =
                    shown ? shown->availableGeometry().right() - geometry().right() : 0;
                const int wanted = orderOfBattleDock_->preferredWidth();
                resize(width() + std::min(std::max(room, 0), wanted), height());
                resizeDocks({orderOfBattleDock_}, {wanted}, Qt::Horizontal);
            });
}

void TMainForm::findFirst(const QString& query) {
    // F3 goes on with what the field shows.
    if (findEdit_->text() != query)
        findEdit_->setText(query);
    findQuery_ = query;
    findMatches_ = unitsearch::findCounters(*game_, query);
    // A name typed or picked whole comes before the longer names it begins.
    const auto exact = std::find_if(findMatches_.begin(), findMatches_.end(), [&](int row) {
        return QString::compare(win1252::toUnicode(counterByRow(row).name()), query.trimmed(),
                                Qt::CaseInsensitive) == 0;
    });
    if (exact != findMatches_.end())
        std::rotate(findMatches_.begin(), exact, std::next(exact));
    findAt_ = -1;
    findNext(+1);
}

void TMainForm::findNext(int direction) {
    if (findEdit_->text() != findQuery_) {
        findFirst(findEdit_->text());
        return;
    }
    if (findMatches_.empty()) {
        findStatus_->setText(
            findQuery_.trimmed().isEmpty()
                ? QStringLiteral("Type a unit's name (Ctrl+F)")
                : QStringLiteral("No unit matches \"%1\"").arg(findQuery_.trimmed()));
        return;
    }
    const int count = int(findMatches_.size());
    findAt_ = findAt_ < 0 ? (direction > 0 ? 0 : count - 1)
                          : ((findAt_ + direction) % count + count) % count;
    showCounter(findMatches_[std::size_t(findAt_)]);
    findStatus_->setText(
        QStringLiteral("%1 of %2: %3").arg(findAt_ + 1).arg(count).arg(findStatus_->text()));
    findStatus_->setToolTip(QStringLiteral("F3 next, Shift+F3 previous"));
}

const ZeKCounter& TMainForm::counterByRow(int row) const {
    const auto& counters = game_->counters().counters();
    auto it = counters.begin();
    std::advance(it, std::clamp(row, 1, int(counters.size())) - 1);
    return **it;
}

void TMainForm::showCounter(int row) {
    if (row < 1 || row > int(game_->counters().counters().size()))
        return;
    const ZeKCounter& counter = counterByRow(row);
    const int hex = counter.currentHex().index();
    if (!hexgrid::isValidHex(hex))
        return;
    centreOnHex(hex);
    // Where the counter lies in its stack: the flash marks it even under others.
    const CounterList& stack = game_->board().hex(hex).stack();
    const auto at = std::find(stack.begin(), stack.end(), &counter);
    const int level = at == stack.end() ? 0 : int(std::distance(stack.begin(), at));
    const int count = std::max(1, int(stack.size()));
    flashCounter(hex, level, count);
    pointAtHex(hex);
    QString place = QString::fromStdString(hexgrid::hexLabel(hex));
    if (count > 1)
        place += level == count - 1
                     ? QStringLiteral(", on top of %1").arg(count)
                     : QStringLiteral(", %1 of %2 from the top").arg(count - level).arg(count);
    findStatus_->setText(QStringLiteral("%1, %2").arg(win1252::toUnicode(counter.name()), place));
}

void TMainForm::centreOnHex(int hex) {
    const AFPoint centre = hexgrid::hexCentre(hex);
    mapView_->centreOn(QPointF(centre.x, centre.y));
}

QString TMainForm::findStatus() const {
    return findStatus_->text();
}
