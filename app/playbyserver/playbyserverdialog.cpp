#include "app/playbyserver/playbyserverdialog.h"

#include "app/shell/plaintext.h"
#include "base/untrustedtext.h"
#include "history/gamelisttext.h"
#include "netplay/servergames.h"
#include "serverplay/signup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using untrustedtext::quoted;

namespace {

QHBoxLayout* row(QWidget* field, QPushButton* button) {
    auto* layout = new QHBoxLayout;
    layout->addWidget(field, 1);
    layout->addWidget(button);
    return layout;
}

} // namespace

PlayByServerDialog::PlayByServerDialog(SavedGame savedGame, QWidget* parent)
    : QDialog(parent), savedGame_(std::move(savedGame)) {
    setWindowTitle(tr("Play by server"));
    address_ = new QComboBox(this);
    address_->setEditable(true);
    for (const QUrl& server : TokenStore::servers())
        address_->addItem(server.toDisplayString());
    address_->setCurrentText(address_->count() ? address_->itemText(0) : QString());
    address_->lineEdit()->setPlaceholderText(tr("https://club.example.org:8080"));

    auto* you = new QGroupBox(tr("You"), this);
    whoYouAre_ = new QLabel(you);
    whoYouAre_->setWordWrap(true);
    name_ = new QLineEdit(you);
    register_ = new QPushButton(tr("Register"), you);
    token_ = new QLineEdit(you);
    token_->setEchoMode(QLineEdit::Password);
    useToken_ = new QPushButton(tr("Use this token"), you);
    auto* youForm = new QFormLayout(you);
    youForm->addRow(whoYouAre_);
    youForm->addRow(tr("Your name:"), row(name_, register_));
    youForm->addRow(tr("Or your token:"), row(token_, useToken_));

    auto* game = new QGroupBox(tr("Game"), this);
    create_ = new QPushButton(tr("Make the open game a server game"), game);
    invite_ = new QLineEdit(game);
    join_ = new QPushButton(tr("Join"), game);
    auto* gameForm = new QFormLayout(game);
    gameForm->addRow(create_);
    gameForm->addRow(tr("Or an invite code:"), row(invite_, join_));

    outcome_ = new PlainLabel(QString(), this);
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(tr("Server:"), address_);
    layout->addLayout(top);
    layout->addWidget(you);
    layout->addWidget(game);
    layout->addWidget(outcome_);
    layout->addWidget(buttons);
    resize(520, sizeHint().height());

    const std::pair<QWidget*, const char*> names[] = {
        {address_, "serverAddress"}, {name_, "playerName"},   {register_, "register"},
        {token_, "token"},           {useToken_, "useToken"}, {create_, "createGame"},
        {invite_, "invite"},         {join_, "join"},         {outcome_, "outcome"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QLatin1String(name));
    connect(address_, &QComboBox::currentTextChanged, this, &PlayByServerDialog::addressChanged);
    connect(register_, &QPushButton::clicked, this, &PlayByServerDialog::registerName);
    connect(useToken_, &QPushButton::clicked, this, &PlayByServerDialog::useToken);
    connect(create_, &QPushButton::clicked, this, &PlayByServerDialog::createGame);
    connect(join_, &QPushButton::clicked, this, &PlayByServerDialog::joinGame);
    addressChanged();
}

void PlayByServerDialog::addressChanged() {
    const ServerClient client(address_->currentText().trimmed());
    const bool valid = client.server().isValid();
    const bool registered = valid && TokenStore(client.server()).token().has_value();
    whoYouAre_->setText(
        !valid ? tr("Give the address of the Korva server your club or tournament hosts.")
        : registered
            ? tr("You have a token for this server.")
            : tr("Register a name on this server, or give the token you were given when you "
                 "registered from another computer."));
    for (QWidget* field : {static_cast<QWidget*>(name_), static_cast<QWidget*>(register_),
                           static_cast<QWidget*>(token_), static_cast<QWidget*>(useToken_)})
        field->setEnabled(valid && !registered);
    for (QPushButton* button : {create_, join_})
        button->setEnabled(registered);
}

void PlayByServerDialog::run(const std::function<QString()>& step) {
    setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    say(tr("Asking the server…"));
    const QString outcome = step();
    QGuiApplication::restoreOverrideCursor();
    setEnabled(true);
    say(outcome);
    addressChanged();
}

void PlayByServerDialog::say(const QString& outcome) {
    outcome_->setText(outcome);
}

void PlayByServerDialog::registerName() {
    const QString name = name_->text().trimmed();
    if (name.isEmpty()) {
        say(tr("Give the name you play under."));
        return;
    }
    run([&] {
        ServerClient client(address_->currentText().trimmed());
        const TokenStore store(client.server());
        QString notKept;
        const auto made = signup::registerPlayer(client, store, name, &notKept);
        if (!made.ok())
            return tr("Not registered: %1").arg(made.error);
        const QString token = QString::fromLatin1(made.value->token);
        if (!notKept.isEmpty())
            return tr("Registered, but the token could not be kept (%1). Keep it yourself, "
                      "it is shown only here: %2")
                .arg(notKept, token);
        return tr("Registered as %1. To play from another computer you need this token; it is "
                  "shown only here: %2")
            .arg(quoted(name), token);
    });
}

void PlayByServerDialog::useToken() {
    const QByteArray token = token_->text().trimmed().toLatin1();
    if (token.isEmpty()) {
        say(tr("Give the token the server gave you."));
        return;
    }
    run([&] {
        ServerClient client(address_->currentText().trimmed());
        const QString refused = signup::useToken(client, TokenStore(client.server()), token);
        if (!refused.isEmpty())
            return tr("The token was not taken: %1").arg(refused);
        token_->clear();
        emit gameTaken(client.server());
        return tr("The token is kept: your games on this server show in the games list.");
    });
}

void PlayByServerDialog::createGame() {
    QString why;
    const QString file = savedGame_(&why);
    if (file.isEmpty()) {
        say(why);
        return;
    }
    run([&] {
        ServerClient client(address_->currentText().trimmed());
        ServerGames games;
        const signup::TakenGame made =
            signup::createGame(client, TokenStore(client.server()), games, file);
        if (!made.game.ok())
            return tr("The game was not made: %1").arg(made.game.error);
        const serverreplies::ServerGame& game = *made.game.value;
        if (!made.notKept.isEmpty())
            return tr("The game was made (invite code %1), but Korva could not keep it as a "
                      "server game: %2")
                .arg(game.invite, made.notKept);
        emit gameTaken(client.server());
        return tr("Game %1 made; you play %2. Give your opponent this invite code: %3")
            .arg(quoted(game.name), gamelisttext::sideWithArticle(game.side), game.invite);
    });
}

void PlayByServerDialog::joinGame() {
    const QString invite = invite_->text().trimmed();
    if (invite.isEmpty()) {
        say(tr("Give the invite code your opponent sent you."));
        return;
    }
    run([&] {
        ServerClient client(address_->currentText().trimmed());
        ServerGames games;
        const signup::TakenGame joined =
            signup::join(client, TokenStore(client.server()), games, invite);
        if (!joined.game.ok())
            return tr("The game was not joined: %1").arg(joined.game.error);
        if (!joined.notKept.isEmpty())
            return tr("Joined, but Korva could not keep the game as a server game: %1")
                .arg(joined.notKept);
        const serverreplies::ServerGame& game = *joined.game.value;
        const QString opponent = game.side == Side::First ? game.secondPlayer : game.firstPlayer;
        invite_->clear();
        emit gameTaken(client.server());
        return tr("Joined %1 against %2; you play %3.")
            .arg(quoted(game.name), quoted(opponent), gamelisttext::sideWithArticle(game.side));
    });
}
