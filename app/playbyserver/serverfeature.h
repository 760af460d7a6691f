#pragma once

#include "app/shell/featurecontext.h"

#include <QList>
#include <QObject>
#include <QPointer>

class PlayByServerDialog;
class QAction;

// Games played through a Korva server, in the window: Play by server… takes up play.
class ServerFeature : public QObject {
    Q_OBJECT
public:
    explicit ServerFeature(const FeatureContext& context);
    ~ServerFeature() override;

    // For the Korva tool bar: Play by server….
    QList<QAction*> toolBarActions() const;
    void showPlayByServer();
    // Null until first shown.
    PlayByServerDialog* dialog() const;

private:
    // The saved file the open game would be made a server game from, or why there is none.
    QString savedGame(QString* why) const;

    FeatureContext context_;
    QPointer<PlayByServerDialog> dialog_;
};
