#include "app/find/findfeature.h"

#include "app/find/counterflash.h"
#include "app/find/orderofbattledock.h"
#include "app/find/stackviewer.h"
#include "app/find/unitsearch.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/play/playfeature.h"
#include "app/shell/commandtable.h"
#include "app/shell/hextext.h"
#include "app/shell/plaintext.h"
#include "base/win1252.h"
#include "board/mapboard.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QCompleter>
#include <QCursor>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QStringListModel>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>
#include <iterator>

namespace {

QAction* widgetAction(QWidget* widget, QObject* parent) {
    auto* action = new QWidgetAction(parent);
    action->setDefaultWidget(widget);
    return action;
}

} // namespace

FindFeature::FindFeature(const FeatureContext& context, MapFeature& mapFeature, PlayFeature& play,
                         QWidget& speedBar)
    : QObject(&context.window), context_(context), mapFeature_(mapFeature), play_(play) {
    setUpFind();
    setUpOrderOfBattle(speedBar);
    counterFlash_ = new CounterFlash(this);

    stackViewer_ =
        new StackViewer(context_.session.game(), &context_.map, [this] { return play_.isBusy(); });
    stackViewer_->setDice(&context_.session.dice());
    connect(&context_.map, &MapView::mouseMoved, stackViewer_, [this](int x, int y) {
        if (!play_.isDragging())
            stackViewer_->pointerAt(ZeKClick(AFPoint(x, y)).index(), QCursor::pos());
    });
    connect(&context_.session.game(), &Game::countersChanged, this, &FindFeature::describeShown);
    connect(&context_.session, &Session::positionReplaced, this, &FindFeature::describeShown);
}

void FindFeature::setUpFind() {
    const CommandTable& commands = context_.commands;
    QAction* find = commands.action(Command::Find);
    QAction* next = commands.action(Command::FindNext);
    QAction* previous = commands.action(Command::FindPrevious);
    findEdit_ = new QLineEdit;
    findEdit_->setObjectName(QStringLiteral("bFindEdit"));
    findEdit_->setPlaceholderText(tr("Find a unit (%1)").arg(commands.keyText(Command::Find)));
    findEdit_->setToolTip(tr("Find a unit by name: \"6 arm\" finds \"UK 6 Armor XX\" (%1; %2 "
                             "next, %3 previous)")
                              .arg(commands.keyText(Command::Find),
                                   commands.keyText(Command::FindNext),
                                   commands.keyText(Command::FindPrevious)));
    findEdit_->setAccessibleName(tr("Find a unit"));
    findEdit_->setClearButtonEnabled(true);
    for (QToolButton* clear : findEdit_->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear the search"));
    findEdit_->setMaximumWidth(220);

    setUpCompletion();

    connect(find, &QAction::triggered, this, [this] {
        findEdit_->setFocus(Qt::ShortcutFocusReason);
        findEdit_->selectAll();
    });
    connect(next, &QAction::triggered, this, [this] { findNext(+1); });
    connect(previous, &QAction::triggered, this, [this] { findNext(-1); });

    // What the last search found, beside the field: the status bar keeps its panels.
    findStatus_ = new PlainLabel;
    findStatus_->setObjectName(QStringLiteral("bFindStatus"));
    findStatus_->setContentsMargins(6, 0, 6, 0);

    auto* separator = new QAction(this);
    separator->setSeparator(true);
    toolBarActions_ = {separator, widgetAction(findEdit_, this), widgetAction(findStatus_, this)};
}

void FindFeature::setUpCompletion() {
    // The completion lists the names the words match anywhere, not only at the start.
    findNames_ = new QStringListModel(this);
    auto* completer = new QCompleter(findNames_, findEdit_);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    findEdit_->setCompleter(completer);
    connect(findEdit_, &QLineEdit::textEdited, this, [this, completer](const QString& text) {
        findNames_->setStringList(unitsearch::matchingNames(context_.session.game(), text));
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
                context_.map.setFocus(Qt::OtherFocusReason);
        });
    };
    connect(findEdit_, &QLineEdit::returnPressed, this, requestFind);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, requestFind);
}

void FindFeature::setUpOrderOfBattle(QWidget& speedBar) {
    QMainWindow& window = context_.window;
    orderOfBattleDock_ = new OrderOfBattleDock(context_.session.game(), &window);
    orderOfBattleDock_->hide();
    QAction* toggle = context_.commands.action(Command::OrderOfBattle);
    toggle->setIcon(window.style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(toggle, &QAction::toggled, orderOfBattleDock_, &QDockWidget::setVisible);
    connect(orderOfBattleDock_->toggleViewAction(), &QAction::toggled, toggle,
            &QAction::setChecked);
    toolBarActions_ << toggle;
    connect(orderOfBattleDock_, &OrderOfBattleDock::counterActivated, this,
            &FindFeature::showCounter);
    // Docked, it takes its room from a window made wider, not from the map and speed bar.
    // While docked it never squeezes the speed bar's controls out of sight; a window made
    // smaller takes the room from the dock.
    const auto keepSpeedBar = [this, &speedBar] {
        const bool docked = orderOfBattleDock_->isVisible() && !orderOfBattleDock_->isFloating();
        speedBar.setMinimumWidth(docked ? 802 : 0);
    };
    connect(orderOfBattleDock_, &QDockWidget::topLevelChanged, this, keepSpeedBar);
    connect(orderOfBattleDock_, &QDockWidget::visibilityChanged, this,
            [this, keepSpeedBar, &window](bool visible) {
                keepSpeedBar();
                if (!visible || orderOfBattleDock_->isFloating() || window.isMaximized() ||
                    window.isFullScreen() || dockWidened_)
                    return;
                dockWidened_ = true;
                const QScreen* shown = window.screen();
                const int room =
                    shown ? shown->availableGeometry().right() - window.geometry().right() : 0;
                const int wanted = orderOfBattleDock_->preferredWidth();
                window.resize(window.width() + std::min(std::max(room, 0), wanted),
                              window.height());
                window.resizeDocks({orderOfBattleDock_}, {wanted}, Qt::Horizontal);
            });
}

QList<MapOverlay*> FindFeature::overlays() const {
    return {counterFlash_};
}

void FindFeature::findFirst(const QString& query) {
    // F3 goes on with what the field shows.
    if (findEdit_->text() != query)
        findEdit_->setText(query);
    findQuery_ = query;
    findMatches_ = unitsearch::findCounters(context_.session.game(), query);
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

void FindFeature::findNext(int direction) {
    if (findEdit_->text() != findQuery_) {
        findFirst(findEdit_->text());
        return;
    }
    if (findMatches_.empty()) {
        shownRow_ = 0;
        findStatus_->setText(
            findQuery_.trimmed().isEmpty()
                ? tr("Type a unit's name (%1)").arg(context_.commands.keyText(Command::Find))
                : tr("No unit matches \"%1\"").arg(findQuery_.trimmed()));
        return;
    }
    const int count = int(findMatches_.size());
    findAt_ = findAt_ < 0 ? (direction > 0 ? 0 : count - 1)
                          : ((findAt_ + direction) % count + count) % count;
    showCounter(findMatches_[std::size_t(findAt_)]);
    shownFound_ = true;
    describeShown();
    findStatus_->setToolTip(tr("%1 next, %2 previous")
                                .arg(context_.commands.keyText(Command::FindNext),
                                     context_.commands.keyText(Command::FindPrevious)));
}

const ZeKCounter& FindFeature::counterByRow(int row) const {
    const auto& counters = context_.session.game().counters().counters();
    auto it = counters.begin();
    std::advance(it, std::clamp(row, 1, int(counters.size())) - 1);
    return **it;
}

void FindFeature::showCounter(int row) {
    const Game& game = context_.session.game();
    if (row < 1 || row > int(game.counters().counters().size()))
        return;
    const ZeKCounter& counter = counterByRow(row);
    const int hex = counter.currentHex().index();
    if (!hexgrid::isValidHex(hex))
        return;
    mapFeature_.centreOnHex(hex);
    // Where the counter lies in its stack: the flash marks it even under others.
    const CounterList& stack = game.board().hex(hex).stack();
    const auto at = std::find(stack.begin(), stack.end(), &counter);
    const int level = at == stack.end() ? 0 : int(std::distance(stack.begin(), at));
    const int count = std::max(1, int(stack.size()));
    counterFlash_->start(hex, level, count);
    play_.pointAtHex(hex);
    shownRow_ = row;
    shownFound_ = false;
    describeShown();
}

void FindFeature::describeShown() {
    const Game& game = context_.session.game();
    if (shownRow_ < 1 || shownRow_ > int(game.counters().counters().size()))
        return;
    const ZeKCounter& counter = counterByRow(shownRow_);
    const int hex = counter.currentHex().index();
    if (!hexgrid::isValidHex(hex))
        return;
    const CounterList& stack = game.board().hex(hex).stack();
    const auto at = std::find(stack.begin(), stack.end(), &counter);
    const int level = at == stack.end() ? 0 : int(std::distance(stack.begin(), at));
    const int count = std::max(1, int(stack.size()));
    QString place = hextext::label(hex);
    if (count > 1)
        place += level == count - 1 ? tr(", on top of %1").arg(count)
                                    : tr(", %1 of %2 from the top").arg(count - level).arg(count);
    QString text = QStringLiteral("%1, %2").arg(win1252::toUnicode(counter.name()), place);
    if (shownFound_ && findAt_ >= 0)
        text = tr("%1 of %2: %3")
                   .arg(QString::number(findAt_ + 1), QString::number(findMatches_.size()), text);
    findStatus_->setText(text);
}

QString FindFeature::findStatus() const {
    return findStatus_->text();
}
