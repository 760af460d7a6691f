#include "app/games/gamesdialog.h"

#include "app/games/gamesmodel.h"
#include "app/shell/plaintext.h"
#include "app/shell/statictextdelegate.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The room the dice column asks for.
constexpr int kDiceWidth = 360;

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(name);
    // Enter in the list opens the game; no button may take it as well.
    made->setAutoDefault(false);
    return made;
}

} // namespace

GamesDialog::GamesDialog(GamesModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("bGamesDialog"));
    setWindowTitle(tr("Games"));
    auto* layout = new QVBoxLayout(this);
    makeView();
    layout->addWidget(view_);
    empty_ = new PlainLabel(tr("No games yet: the games you open or save show here."), this);
    layout->addWidget(empty_);
    layout->addLayout(makeButtons());
    connectChoices();
    rowsChanged(false);
}

void GamesDialog::makeView() {
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("bGamesView"));
    view_->setAccessibleName(tr("Games"));
    view_->setModel(&model_);
    view_->setItemDelegate(new StaticTextDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // The verdicts take what is left, cut short where long; a tool tip holds each whole.
    view_->horizontalHeader()->setSectionResizeMode(GamesModel::Dice, QHeaderView::Stretch);
    view_->setMinimumSize(720, 240);
    QFont bold = view_->font();
    bold.setBold(true);
    model_.setBoldFont(bold);
}

QHBoxLayout* GamesDialog::makeButtons() {
    auto* buttons = new QHBoxLayout;
    open_ = button(tr("Open"), QStringLiteral("bOpenGame"), this);
    open_->setToolTip(tr("The opponent's latest file when it is your move, your own while you "
                         "wait"));
    archive_ = button(tr("Archive"), QStringLiteral("bArchiveGame"), this);
    archive_->setToolTip(tr("A finished game leaves the list; nothing of it is deleted"));
    showArchived_ = new QCheckBox(tr("Show archived"), this);
    showArchived_->setObjectName(QStringLiteral("bShowArchived"));
    watchFolders_ = button(tr("Watch folders…"), QStringLiteral("bWatchFolders"), this);
    watchFolders_->setToolTip(tr("The folders where move files arrive"));
    auto* close = button(tr("Close"), QStringLiteral("bCloseGames"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(open_);
    buttons->addWidget(archive_);
    buttons->addWidget(showArchived_);
    buttons->addStretch();
    buttons->addWidget(watchFolders_);
    buttons->addWidget(close);
    return buttons;
}

void GamesDialog::connectChoices() {
    connect(view_, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { emit openChosen(index.row()); });
    connect(open_, &QPushButton::clicked, this, [this] {
        if (currentRow() >= 0)
            emit openChosen(currentRow());
    });
    connect(archive_, &QPushButton::clicked, this, [this] {
        if (currentRow() >= 0)
            emit archiveChosen(currentRow());
    });
    connect(showArchived_, &QCheckBox::toggled, this, &GamesDialog::showArchivedChanged);
    connect(watchFolders_, &QPushButton::clicked, this, &GamesDialog::watchFoldersChosen);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &GamesDialog::currentChanged);
    // The rows are made again as the list changes: the game chosen stays chosen.
    connect(&model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        chosenKey_ = currentRow() >= 0 ? model_.row(currentRow()).game.key : QString();
    });
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        for (int row = 0; row < model_.rowCount(); ++row)
            if (model_.row(row).game.key == chosenKey_)
                view_->setCurrentIndex(model_.index(row, 0));
    });
}

int GamesDialog::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void GamesDialog::rowsChanged(bool archivedShown) {
    showArchived_->setChecked(archivedShown);
    const bool any = model_.rowCount() > 0;
    view_->setVisible(any);
    empty_->setVisible(!any);
    if (any && currentRow() < 0)
        view_->setCurrentIndex(model_.index(0, 0));
    for (int column = 0; column < GamesModel::Dice; ++column)
        view_->resizeColumnToContents(column);
    if (any && !sized_) {
        // Wide enough for every column the first time, within the screen.
        sized_ = true;
        int width =
            2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width() + kDiceWidth;
        for (int column = 0; column < GamesModel::Dice; ++column)
            width += view_->columnWidth(column);
        width += layout()->contentsMargins().left() + layout()->contentsMargins().right();
        if (const QScreen* screen = this->screen())
            width = std::min(width, screen->availableGeometry().width() * 9 / 10);
        resize(std::max(width, this->width()), height());
    }
    currentChanged();
}

void GamesDialog::currentChanged() {
    const int row = currentRow();
    open_->setEnabled(row >= 0);
    archive_->setEnabled(row >= 0);
    archive_->setText(row >= 0 && model_.row(row).archived ? tr("Restore") : tr("Archive"));
}
