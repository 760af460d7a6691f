#pragma once

#include "app/export/animationdialog.h"
#include "app/export/exportprogress.h"
#include "app/export/mapshot.h"
#include "app/export/picturedialog.h"
#include "app/shell/featurecontext.h"
#include "history/historyentry.h"

#include <QList>
#include <QObject>

#include <vector>

class PlayFeature;
class QAction;
class TurnFeature;

// Shows the game to others: the map as a picture, the turn as a web page, the whole game as
// an animation. Each asks what and where, then writes with a progress bar and Cancel;
// nothing is left behind by an export that was stopped or failed.
class ExportFeature : public QObject {
    Q_OBJECT
public:
    ExportFeature(const FeatureContext& context, TurnFeature& turn, PlayFeature& play);
    ~ExportFeature() override;

    // For the Korva tool bar: Export picture, with the other exports under it.
    QList<QAction*> toolBarActions() const;

    // The picture as the window shows it at that zoom, with the moves it shows.
    ExportOutcome exportPicture(const PictureDialog::Choice& choice, const QString& path,
                                ExportProgress& progress);
    // The turn as the turn list shows it.
    ExportOutcome exportTurnPage(const QString& path);
    // One frame per position of the game, in the game's order (animation::positions); the
    // position shown comes back after.
    ExportOutcome exportAnimation(const AnimationDialog::Choice& choice, const QString& path,
                                  ExportProgress& progress);

    // The commands: ask, export, tell.
    void askPicture();
    void askTurnPage();
    void askAnimation();

private:
    // The proposed file, in the game's folder, without a suffix.
    QString proposedStem() const;
    // Why the animation cannot be written to `path`; empty when it can.
    QString animationRefusal(const AnimationDialog::Choice& choice, const QString& path,
                             const std::vector<HistoryEntry>& frames) const;
    ExportOutcome drawAnimation(const AnimationDialog::Choice& choice, const QString& path,
                                const std::vector<HistoryEntry>& frames, ExportProgress& progress);
    // The picture a choice draws.
    MapShot shotFor(const PictureDialog::Choice& choice) const;
    // True when `path` is free, or the player agrees to replace it.
    bool mayWrite(const QString& path);
    void tell(const ExportOutcome& outcome, const QString& path);

    FeatureContext context_;
    TurnFeature& turn_;
    PlayFeature& play_;
    QAction* toolBarAction_ = nullptr;
    PictureDialog::Choice lastPicture_;
    AnimationDialog::Choice lastAnimation_;
};
