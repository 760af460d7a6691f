#include "app/turn/turnreplay.h"

#include "app/shell/commandtable.h"
#include "app/shell/noticebar.h"
#include "app/turn/replaycontroller.h"
#include "app/turn/replaylayer.h"
#include "app/turn/replayplan.h"

#include <QAction>
#include <QComboBox>
#include <QMainWindow>
#include <QToolBar>

TurnReplay::TurnReplay(const FeatureContext& context, const Game& game, QObject& owner)
    : context_(context), controller_(std::make_unique<ReplayController>()),
      layer_(std::make_unique<ReplayLayer>(game, *controller_)) {
    setUpBar(owner);
}

TurnReplay::~TurnReplay() = default;

void TurnReplay::setUpBar(QObject& owner) {
    bar_ = new QToolBar(tr("Replay"), &context_.window);
    bar_->setObjectName(QStringLiteral("bReplayBar"));
    bar_->setFloatable(false);
    QAction* playPause = context_.commands.action(Command::ReplayPlayPause);
    QObject::connect(playPause, &QAction::triggered, &owner, [this] {
        if (controller_->isPlaying())
            controller_->pause();
        else
            controller_->play();
    });
    QAction* step = context_.commands.action(Command::ReplayStep);
    QObject::connect(step, &QAction::triggered, &owner, [this] { controller_->step(); });
    bar_->addAction(playPause);
    bar_->addAction(step);
    auto* speed = new QComboBox(bar_);
    speed->setObjectName(QStringLiteral("bReplaySpeed"));
    speed->setToolTip(tr("Replay speed"));
    for (const double factor : {0.5, 1.0, 2.0, 4.0})
        speed->addItem(QStringLiteral("%1×").arg(factor), factor);
    speed->setCurrentIndex(1);
    QObject::connect(speed, &QComboBox::currentIndexChanged, &owner, [this, speed](int index) {
        controller_->setSpeed(speed->itemData(index).toDouble());
    });
    bar_->addWidget(speed);
    bar_->hide();
    QObject::connect(controller_.get(), &ReplayController::changed, &owner, [this] { changed(); });
}

void TurnReplay::start(std::vector<ReplayStep> steps) {
    bar_->show();
    controller_->start(std::move(steps));
}

void TurnReplay::stop() {
    if (controller_->isActive())
        controller_->stop();
    bar_->hide();
}

void TurnReplay::changed() {
    layer_->refresh();
    context_.commands.action(Command::ReplayPlayPause)
        ->setText(controller_->isPlaying() ? tr("Pause") : tr("Play"));
    const std::size_t at = controller_->current();
    const auto& steps = controller_->steps();
    const bool combat = at < steps.size() && steps[at].kind == ReplayStep::Kind::Combat;
    // The combat's notice lasts while its step shows: Korva's line on the roll, the file's
    // comment quoted below it.
    NoticeBar& notices = context_.notices;
    if (combat && (combatStep_ != at || notices.notice() != combatNotice_)) {
        const ReplayStep& shown = steps[at];
        combatStep_ = at;
        const QString heading = combatHeading(shown);
        notices.showVerdict(shown.trust, shown.comment.isEmpty() ? heading : tr("%1:").arg(heading),
                            shown.comment);
        combatNotice_ = notices.notice();
    } else if (!combat && !combatNotice_.isEmpty() && notices.notice() == combatNotice_) {
        notices.clearNotice();
        combatNotice_.clear();
    }
    QAction* replay = context_.commands.action(Command::ReplayTurn);
    if (!controller_->isActive() && replay->isChecked())
        replay->setChecked(false);
}
