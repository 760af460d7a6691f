#include "app/window/aboutcommands.h"

#include "app/dialogs/languagedialog.h"
#include "app/dialogs/tfrmabout.h"
#include "app/shell/commandtable.h"
#include "app/shell/prompts.h"
#include "combat/dietrace.h"
#include "game/session.h"
#include "translations/language.h"

#include <QAction>
#include <QDir>
#include <QLocale>

AboutCommand::AboutCommand(QWidget& window, CommandTable& commands, Prompts& prompts,
                           Session& session, QString traceFolder)
    : QObject(&window), window_(window), commands_(commands), prompts_(prompts), session_(session),
      traceFolder_(std::move(traceFolder)) {
    connect(commands.action(Command::About), &QAction::triggered, this, &AboutCommand::run);
}

void AboutCommand::run() {
    {
        TfrmAbout about(&window_);
        // Language… sits in the About window's menu: the window itself stays as it is.
        about.setContextMenuPolicy(Qt::ActionsContextMenu);
        about.addAction(commands_.action(Command::Language));
        prompts_.execDialog(about);
    }
    if (!traceFolder_.isEmpty())
        setTracePath(QDir(traceFolder_).filePath(QStringLiteral("trace.txt")));
    if (const QString refusal = traceFileRefusal(); !refusal.isEmpty())
        prompts_.showWarning(tr("No die-roll trace was written: %1.").arg(refusal));
    // The rolls advance the die all the same.
    session_.traceDieRolls();
}

LanguageChoice::LanguageChoice(QWidget& window, CommandTable& commands, Prompts& prompts)
    : QObject(&window), window_(window), prompts_(prompts) {
    connect(commands.action(Command::Language), &QAction::triggered, this, &LanguageChoice::run);
}

void LanguageChoice::run() {
    LanguageDialog dialog(language::chosen(), language::pick({}, QLocale::system().uiLanguages()),
                          &window_);
    if (prompts_.execDialog(dialog) == QDialog::Accepted)
        language::setChosen(dialog.chosenCode());
}
