#include "app/window/windowcaption.h"

#include "app/shell/plaintext.h"
#include "game/session.h"

#include <QWidget>

WindowCaption::WindowCaption(QWidget& window, const Session& session,
                             std::function<QString()> pastShown)
    : QObject(&window), window_(window), session_(session), pastShown_(std::move(pastShown)) {
    connect(&session, &Session::positionReplaced, this, &WindowCaption::show);
    connect(&session.document().edits(), &EditStack::modifiedChanged, this, &WindowCaption::show);
    connect(&session, &Session::fileNameChanged, this, &WindowCaption::show);
}

QString WindowCaption::text() const {
    if (session_.showsPast())
        return QStringLiteral("Korva : ") + pastShown_() + tr(" — read-only");
    if (!session_.fileName().isEmpty())
        return QStringLiteral("Korva : ") + Session::fileTitle(session_.fileName());
    return session_.isNewGame() ? tr("Korva : new game") : QStringLiteral("Korva");
}

void WindowCaption::show() {
    // The "[*]" goes in only while there are unsaved changes, so a saved or freshly opened
    // game's caption is exactly "Korva : <title>"; one in a file's name shows as it is.
    // Nothing of the past is ever unsaved.
    const bool modified = !session_.showsPast() && session_.document().isModified();
    const QString shown = plaintext::caption(text());
    window_.setWindowTitle(modified ? shown + QStringLiteral("[*]") : shown);
    window_.setWindowModified(modified);
}
