// The main window on the desktop: remembered folders and window place, the recent move
// files under the Open button, move files dropped on the window, the unsaved mark in the
// caption, and sending a saved turn by e-mail.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/korvasettings.h"
#include "app/mainwindow/plaintext.h"
#include "app/mainwindow/processlauncher.h"
#include "app/mainwindow/recentfiles.h"
#include "app/mainwindow/turnmail.h"
#include "app/pictures/mailglyph.h"
#include "base/win1252.h"
#include "combat/taggermgr.h"
#include "counters/movereport.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "ui_mainform.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>

void TMainForm::setUpDesktop() {
    caption_ = windowTitle();
    settings_ = std::make_unique<KorvaSettings>(std::move(setup_.settings));
    recentFiles_ = std::make_unique<RecentFiles>(*settings_);
    launcher_ = setup_.launcher ? std::move(setup_.launcher) : std::make_unique<QProcessLauncher>();

    // The recent files hang under the Open button, which keeps its place and size: a
    // click still opens the dialog at once; press and hold, the right button or
    // Ctrl+Shift+O show the list.
    recentMenu_ = new QMenu(QStringLiteral("Recent Move Files"), this);
    recentMenu_->setObjectName(QStringLiteral("bRecentMenu"));
    recentMenu_->setToolTipsVisible(true);
    connect(recentMenu_, &QMenu::aboutToShow, this, &TMainForm::fillRecentMenu);
    ui_->sbOpen->setMenu(recentMenu_);
    ui_->sbOpen->setPopupMode(QToolButton::DelayedPopup);
    ui_->sbOpen->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->sbOpen, &QWidget::customContextMenuRequested, ui_->sbOpen, &QToolButton::showMenu);
    auto* recentKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this);
    connect(recentKey, &QShortcut::activated, ui_->sbOpen, &QToolButton::showMenu);

    sendMailAction_ = new QAction(QIcon(QPixmap::fromImage(programart::mailGlyph())),
                                  QStringLiteral("Send by e-mail"), this);
    sendMailAction_->setObjectName(QStringLiteral("bSendMail"));
    sendMailAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    sendMailAction_->setToolTip(QStringLiteral("Send the saved turn by e-mail (Ctrl+E)"));
    sendMailAction_->setEnabled(false);
    connect(sendMailAction_, &QAction::triggered, this, &TMainForm::sendByEmail);
    korvaToolBar().addAction(sendMailAction_);

    // A move file dropped anywhere on the window opens; the banner boxes would otherwise
    // take a dropped file as text.
    setAcceptDrops(true);
    for (QLineEdit* edit : {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3})
        edit->installEventFilter(this);

    // The first run keeps the window's own size and place.
    const QByteArray geometry = settings_->windowGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

void TMainForm::setCaption(const QString& caption) {
    caption_ = caption;
    showCaption();
}

void TMainForm::showCaption() {
    // The "[*]" goes in only while there are unsaved changes, so a saved or freshly
    // opened game's caption is exactly "Korva : <title>".
    const QString shown = plaintext::caption(caption_);
    setWindowTitle(unsaved_ ? shown + QStringLiteral("[*]") : shown);
    setWindowModified(unsaved_);
}

void TMainForm::markChanged() {
    if (unsaved_)
        return;
    unsaved_ = true;
    showCaption();
}

void TMainForm::markSaved() {
    unsaved_ = false;
    showCaption();
}

QString TMainForm::startFolder() const {
    return settings_->lastFolder();
}

void TMainForm::noteFileUsed(const QString& fileName) {
    settings_->noteFile(fileName);
    recentFiles_->add(fileName);
}

void TMainForm::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = recentFiles_->existingFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QFileInfo file(files[i]);
        QString folder = QDir::toNativeSeparators(file.absolutePath());
        const QString home = QDir::toNativeSeparators(QDir::homePath());
        if (folder.startsWith(home + QDir::separator()) || folder == home)
            folder.replace(0, home.size(), QStringLiteral("~"));
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2  [%3]")
                .arg(i + 1)
                .arg(plaintext::menuText(file.fileName()), plaintext::menuText(folder)));
        action->setToolTip(plaintext::toolTip(QDir::toNativeSeparators(files[i])));
        const QString path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (files.isEmpty()) {
        recentMenu_->addAction(QStringLiteral("No recent move files"))->setEnabled(false);
        return;
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(QStringLiteral("Clear List"));
    connect(clear, &QAction::triggered, this, [this] { recentFiles_->clear(); });
}

void TMainForm::openRecent(const QString& fileName) {
    if (maybeSaveChanges())
        OpenMove(fileName);
}

QString TMainForm::droppedMoveFile(const QMimeData& data, QString* refusal) {
    const QList<QUrl> urls = data.urls();
    if (urls.isEmpty()) {
        *refusal = QStringLiteral("Only a Korva move file (*.krv) can be dropped here.");
        return {};
    }
    if (urls.size() > 1) {
        *refusal = QStringLiteral("Drop one move file at a time.");
        return {};
    }
    const QUrl& url = urls.constFirst();
    if (!url.isLocalFile()) {
        *refusal = QStringLiteral("Korva opens move files on this computer only, not\n%1")
                       .arg(url.toDisplayString());
        return {};
    }
    const QFileInfo file(url.toLocalFile());
    if (file.suffix().compare(QStringLiteral("krv"), Qt::CaseInsensitive) != 0 || file.isDir()) {
        *refusal = QStringLiteral("%1 is not a Korva move file (*.krv).").arg(file.fileName());
        return {};
    }
    return file.absoluteFilePath();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Everything is let in, so that a drop of the wrong thing can say why it is refused.
    // A copy only: the file manager must never take a dropped file away.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TMainForm::dropEvent(QDropEvent* event) {
    QString refusal;
    const QString fileName = droppedMoveFile(*event->mimeData(), &refusal);
    if (fileName.isEmpty()) {
        event->ignore();
    } else {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
    // After the drop is over: questions and reading must not hold up the program the file
    // came from.
    QTimer::singleShot(0, this, [this, fileName, refusal] { openDropped(fileName, refusal); });
}

void TMainForm::openDropped(const QString& fileName, const QString& refusal) {
    if (fileName.isEmpty()) {
        prompts_->showWarning(refusal);
        return;
    }
    if (maybeSaveChanges())
        OpenMove(fileName);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Files dragged over a banner box are the window's, not text for the box.
    switch (event->type()) {

    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    case QEvent::Drop:
        if (static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::noteSavedTurn(const QString& fileName) {
    sendMailAction_->setEnabled(!fileName.isEmpty());
    if (fileName.isEmpty()) {
        savedTurn_.reset();
        return;
    }
    auto mail = std::make_unique<TurnMail>();
    mail->moveFile = QFileInfo(fileName).absoluteFilePath();
    mail->reportFile = reportFileName(mail->moveFile);
    mail->title = FileTitle(fileName);
    for (const TagRecord& tag : game_->tags().ownRecords()) {
        const int hex = hexgrid::hexAtPosition(tag.position);
        mail->combats.push_back({QString::fromStdString(hexgrid::hexLabel(hex)), tag.dieValue,
                                 win1252::toUnicode(tag.comment)});
    }
    savedTurn_ = std::move(mail);
}

void TMainForm::sendByEmail() {
    if (!savedTurn_)
        return;
    const TurnMail mail = *savedTurn_;
    const QPointer<TMainForm> self(this);
    launcher_->start(TurnMail::program(), mail.arguments(),
                     [self, mail](const ProcessLauncher::Outcome& outcome) {
                         const QString message = mail.failureMessage(outcome);
                         if (self && !message.isEmpty())
                             self->prompts_->showWarning(message);
                     });
}
