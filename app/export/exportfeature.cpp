#include "app/export/exportfeature.h"

#include "app/export/animation.h"
#include "app/export/dialogprogress.h"
#include "app/export/exportglyph.h"
#include "app/export/framesink.h"
#include "app/export/outputpathfield.h"
#include "app/export/pagedialog.h"
#include "app/export/pictureexport.h"
#include "app/export/turnpage.h"
#include "app/map/mapview.h"
#include "app/map/zoom.h"
#include "app/play/playfeature.h"
#include "app/shell/commandtable.h"
#include "app/shell/korvasettings.h"
#include "app/shell/noticebar.h"
#include "app/shell/prompts.h"
#include "app/turn/movelayer.h"
#include "app/turn/turnfeature.h"
#include "app/turn/turnlistdock.h"
#include "board/mappicture.h"
#include "game/game.h"
#include "game/session.h"
#include "history/gamehistory.h"
#include "movefile/openedmovefile.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

ExportFeature::ExportFeature(const FeatureContext& context, TurnFeature& turn, PlayFeature& play)
    : QObject(&context.window), context_(context), turn_(turn), play_(play) {
    const CommandTable& commands = context_.commands;
    QAction* picture = commands.action(Command::ExportPicture);
    picture->setIcon(QIcon(QPixmap::fromImage(exportGlyph())));
    connect(picture, &QAction::triggered, this, &ExportFeature::askPicture);
    QAction* page = commands.action(Command::ExportTurnPage);
    connect(page, &QAction::triggered, this, &ExportFeature::askTurnPage);
    QAction* animation = commands.action(Command::ExportAnimation);
    connect(animation, &QAction::triggered, this, &ExportFeature::askAnimation);
    // One button on the Korva bar: a click exports a picture, its arrow offers all three.
    auto* menu = new QMenu(&context_.window);
    menu->setObjectName(QStringLiteral("bExportMenu"));
    menu->addActions({picture, page, animation});
    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("bExport"));
    button->setDefaultAction(picture);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setAutoRaise(true);
    button->setIconSize(QSize(20, 20));
    button->setFocusPolicy(Qt::NoFocus);
    auto* onBar = new QWidgetAction(this);
    onBar->setDefaultWidget(button);
    toolBarAction_ = onBar;
    lastPicture_.scale = context_.map.zoom().scale();
}

ExportFeature::~ExportFeature() = default;

QList<QAction*> ExportFeature::toolBarActions() const {
    return {toolBarAction_};
}

QString ExportFeature::proposedStem() const {
    const Session& session = context_.session;
    const QString folder = session.fileName().isEmpty()
                               ? context_.settings.lastFolder()
                               : QFileInfo(session.fileName()).absolutePath();
    const QString name = QFileInfo(session.proposedSaveName(false)).completeBaseName();
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

MapShot ExportFeature::shotFor(const PictureDialog::Choice& choice) const {
    MapShot shot;
    shot.scale = choice.scale;
    if (!choice.wholeMap)
        shot.area = context_.map.visibleMapRect().toAlignedRect();
    if (choice.moves)
        shot.marks = turn_.moveLayer().moves();
    return shot;
}

bool ExportFeature::mayWrite(const QString& path) {
    // A folder in the way is refused afterwards, never offered for replacing.
    return !QFileInfo(path).isFile() || context_.prompts.askReplace(QFileInfo(path).fileName());
}

ExportOutcome ExportFeature::exportPicture(const PictureDialog::Choice& choice, const QString& path,
                                           ExportProgress& progress) {
    if (const QString refused = fileTargetRefusal(path); !refused.isEmpty())
        return ExportOutcome::failed(refused);
    return ::exportPicture(context_.session.game(), shotFor(choice), path, progress);
}

ExportOutcome ExportFeature::exportTurnPage(const QString& path) {
    TurnListDock& list = turn_.turnListDock();
    const TurnPageSource source{context_.session.game(),
                                list.model(),
                                turn_.moveLayer().moves(),
                                list.heading(),
                                list.diceVerdict(),
                                list.note(),
                                QFileInfo(context_.session.fileName()).fileName()};
    return ::exportTurnPage(source, path);
}

ExportOutcome ExportFeature::exportAnimation(const AnimationDialog::Choice& choice,
                                             const QString& path, ExportProgress& progress) {
    const std::vector<HistoryEntry> frames =
        animation::positions(context_.session.past().keptEntries());
    if (const QString refused = animationRefusal(choice, path, frames); !refused.isEmpty())
        return ExportOutcome::failed(refused);
    return drawAnimation(choice, path, frames, progress);
}

QString ExportFeature::animationRefusal(const AnimationDialog::Choice& choice, const QString& path,
                                        const std::vector<HistoryEntry>& frames) const {
    if (frames.empty())
        return tr("the history holds nothing of this game");
    return choice.pngFolder ? PngFolderSink::refusal(path) : fileTargetRefusal(path);
}

ExportOutcome ExportFeature::drawAnimation(const AnimationDialog::Choice& choice,
                                           const QString& path,
                                           const std::vector<HistoryEntry>& frames,
                                           ExportProgress& progress) {
    PastBrowser& past = context_.session.past();
    play_.CancelDrag();
    const Game& game = context_.session.game();
    const QSize size = animation::frameSize(game, choice.scale);
    std::unique_ptr<FrameSink> sink;
    if (choice.pngFolder)
        sink = std::make_unique<PngFolderSink>(path, size, int(frames.size()));
    else
        sink = std::make_unique<WebPFileSink>(path, size, choice.frameMs);
    // Each position is shown in turn, as the steps show it; then the one shown before.
    ExportOutcome outcome;
    try {
        outcome = animation::draw(
            game, choice.scale, int(frames.size()),
            [&](int i) { past.showFrame(frames[std::size_t(i)]); }, *sink, progress);
    } catch (const std::exception& error) {
        outcome = ExportOutcome::failed(
            tr("a kept copy could not be shown: %1").arg(QString::fromUtf8(error.what())));
    }
    // What is under way goes before the position comes back: a stopped encoder lets go at once.
    sink.reset();
    past.endFrames();
    return outcome;
}

void ExportFeature::askPicture() {
    PictureDialog::Choice proposed = lastPicture_;
    proposed.moves = turn_.moveLayer().isShown() && !turn_.moveLayer().moves().isEmpty();
    // The size shown is the size written: the part in view ends where the map does.
    PictureDialog dialog(
        proposed,
        [this](const PictureDialog::Choice& choice) {
            return mapshot::deviceRect(context_.session.game(), shotFor(choice)).size();
        },
        outputpath::freeStem(proposedStem(), QStringLiteral("png")), &context_.window);
    if (context_.prompts.execDialog(dialog) != QDialog::Accepted || dialog.path().isEmpty() ||
        !mayWrite(dialog.path()))
        return;
    lastPicture_ = dialog.choice();
    ExportOutcome outcome;
    if (const QString refused = fileTargetRefusal(dialog.path()); !refused.isEmpty()) {
        outcome = ExportOutcome::failed(refused); // told before anything is drawn
    } else {
        // Gone before the outcome is told: a warning under a progress bar cannot be read.
        DialogProgress progress(tr("Drawing the picture…"), &context_.window);
        outcome = exportPicture(dialog.choice(), dialog.path(), progress);
    }
    tell(outcome, dialog.path());
}

void ExportFeature::askTurnPage() {
    PageDialog dialog(outputpath::freeStem(proposedStem(), QStringLiteral("html")),
                      &context_.window);
    if (context_.prompts.execDialog(dialog) != QDialog::Accepted || dialog.path().isEmpty() ||
        !mayWrite(dialog.path()))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ExportOutcome outcome = exportTurnPage(dialog.path());
    QApplication::restoreOverrideCursor();
    tell(outcome, dialog.path());
}

void ExportFeature::askAnimation() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<HistoryEntry> frames =
        animation::positions(context_.session.past().keptEntries());
    QApplication::restoreOverrideCursor();
    if (frames.empty()) {
        context_.notices.showNotice(
            tr("The history holds nothing of this game: open or save a file of it first."), 10000);
        return;
    }
    AnimationDialog dialog(int(frames.size()),
                           QFileInfo(proposedStem()).path() + QLatin1Char('/') +
                               context_.session.document().gameName(),
                           &context_.window);
    dialog.setChoice(lastAnimation_);
    if (context_.prompts.execDialog(dialog) != QDialog::Accepted || dialog.path().isEmpty())
        return;
    lastAnimation_ = dialog.choice();
    // A target that cannot be written is told before anything is drawn.
    ExportOutcome outcome;
    if (const QString refused = animationRefusal(dialog.choice(), dialog.path(), frames);
        !refused.isEmpty()) {
        outcome = ExportOutcome::failed(refused);
    } else {
        DialogProgress progress(tr("Drawing the game's positions…"), &context_.window);
        outcome = drawAnimation(dialog.choice(), dialog.path(), frames, progress);
    }
    tell(outcome, dialog.path());
}

void ExportFeature::tell(const ExportOutcome& outcome, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (outcome.written)
        context_.notices.showNotice(tr("Written: %1").arg(name), 5000);
    else if (outcome.cancelled)
        context_.notices.showNotice(tr("Stopped: nothing was written"), 5000);
    else
        context_.prompts.showWarning(tr("Can not write %1\n%2").arg(name, outcome.error));
}
