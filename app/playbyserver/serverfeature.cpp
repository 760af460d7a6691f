#include "app/playbyserver/serverfeature.h"

#include "app/playbyserver/playbyserverdialog.h"
#include "app/shell/commandtable.h"
#include "app/shell/prompts.h"
#include "game/session.h"

#include <QAction>
#include <QMainWindow>

ServerFeature::ServerFeature(const FeatureContext& context)
    : QObject(&context.window), context_(context) {
    connect(context_.commands.action(Command::PlayByServer), &QAction::triggered, this,
            &ServerFeature::showPlayByServer);
}

ServerFeature::~ServerFeature() {
    delete dialog_.data();
}

PlayByServerDialog* ServerFeature::dialog() const {
    return dialog_;
}

QList<QAction*> ServerFeature::toolBarActions() const {
    return {context_.commands.action(Command::PlayByServer)};
}

void ServerFeature::showPlayByServer() {
    if (!dialog_)
        dialog_ = new PlayByServerDialog([this](QString* why) { return savedGame(why); },
                                         &context_.window);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

QString ServerFeature::savedGame(QString* why) const {
    const Session& session = context_.session;
    if (session.fileName().isEmpty() || session.isNewGame()) {
        *why = tr("Save the game first: the server game is made from its saved move file.");
        return {};
    }
    if (session.document().isModified()) {
        *why = tr("Save your changes first: the server game is made from the saved move file.");
        return {};
    }
    return session.fileName();
}
