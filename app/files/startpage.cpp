#include "app/files/startpage.h"

#include "app/shell/plaintext.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* commandButton(QAction& action, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setDefaultAction(&action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(20, 20));
    button->setFocusPolicy(Qt::NoFocus); // the map keeps the keyboard
    return button;
}

} // namespace

StartPage::StartPage(QAction& newGame, QAction& open, const QStringList& recentFiles, QWidget* area)
    : QFrame(area) {
    setObjectName(QStringLiteral("bStartPage"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    auto* title = new PlainLabel(tr("Korva"), this);
    QFont big = title->font();
    big.setPixelSize(big.pixelSize() > 0 ? big.pixelSize() * 2 : 22);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);
    layout->addWidget(
        new PlainLabel(tr("Start a new game, or open the move file your opponent sent."), this));
    auto* commands = new QHBoxLayout;
    commands->addWidget(commandButton(newGame, this));
    commands->addWidget(commandButton(open, this));
    commands->addStretch();
    layout->addLayout(commands);

    if (!recentFiles.isEmpty())
        layout->addWidget(new PlainLabel(tr("Move files used last:"), this));
    for (const QString& path : recentFiles) {
        // A file's name is shown as it is: "&" would otherwise mark a key.
        auto* button = new QPushButton(plaintext::menuText(QFileInfo(path).fileName()), this);
        button->setObjectName(QStringLiteral("bStartRecent"));
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        plaintext::setToolTip(*button, QDir::toNativeSeparators(path));
        connect(button, &QPushButton::clicked, this, [this, path] { emit recentFileChosen(path); });
        layout->addWidget(button);
    }
    area->installEventFilter(this);
    place();
    show();
}

void StartPage::addGames(QAction& games, const QList<Game>& list) {
    delete games_;
    games_ = new QWidget(this);
    auto* layout = new QVBoxLayout(games_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PlainLabel(tr("Your games:"), games_));
    for (const Game& game : list) {
        auto* button = new QPushButton(plaintext::menuText(game.text), games_);
        button->setObjectName(QStringLiteral("bStartGame"));
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        plaintext::setToolTip(*button, game.tip);
        button->setEnabled(!game.file.isEmpty());
        const QString file = game.file;
        connect(button, &QPushButton::clicked, this, [this, file] { emit recentFileChosen(file); });
        layout->addWidget(button);
    }
    auto* all = new QHBoxLayout;
    all->addWidget(commandButton(games, games_));
    all->addStretch();
    layout->addLayout(all);
    static_cast<QVBoxLayout*>(this->layout())->addWidget(games_);
    place();
}

void StartPage::place() {
    const QWidget* area = parentWidget();
    const QSize size = sizeHint().boundedTo(area->size());
    setGeometry(QRect(
        QPoint((area->width() - size.width()) / 2, (area->height() - size.height()) / 2), size));
}

bool StartPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return QFrame::eventFilter(watched, event);
}
