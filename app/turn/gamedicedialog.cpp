#include "app/turn/gamedicedialog.h"

#include "app/shell/plaintext.h"
#include "app/turn/facechart.h"
#include "app/turn/gamedicemodel.h"
#include "app/turn/gamedicetext.h"
#include "base/untrustedtext.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

GameDiceDialog::GameDiceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgGameDice"));
    setWindowTitle(tr("The game's dice"));
    auto* layout = new QVBoxLayout(this);
    auto* charts = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        titles_[i] = new PlainLabel;
        titles_[i]->setObjectName(i == 0 ? QStringLiteral("bGameDiceMine")
                                         : QStringLiteral("bGameDiceTheirs"));
        QFont bold = titles_[i]->font();
        bold.setBold(true);
        titles_[i]->setFont(bold);
        charts_[i] = new FaceChart;
        summaries_[i] = new PlainLabel;
        summaries_[i]->setWordWrap(true);
        charts->addWidget(titles_[i], 0, i);
        charts->addWidget(charts_[i], 1, i);
        charts->addWidget(summaries_[i], 2, i);
    }
    layout->addLayout(charts);
    note_ = new PlainLabel;
    note_->setWordWrap(true);
    layout->addWidget(note_);
    model_ = new GameDiceModel({}, this);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tblGameDice"));
    table_->setAccessibleName(tr("Every roll of the game"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    const auto choose = [this](const QModelIndex& index) {
        if (const int hex = model_->hexOf(index.row()); hex >= 0)
            emit hexChosen(hex);
    };
    connect(table_, &QTableView::activated, this, choose);
    resize(760, 520);
}

void GameDiceDialog::setReading() {
    setLog({});
    reading_ = true;
    note_->setText(tr("Reading the game's dice from its history…"));
    note_->show();
}

void GameDiceDialog::setLog(GameDiceLog log) {
    reading_ = false;
    auto* model = new GameDiceModel(std::move(log), this);
    table_->setModel(model);
    delete model_;
    model_ = model;
    const GameDiceLog& shown = model_->log();
    for (int i = 0; i < 2; ++i) {
        const bool mine = i == 0;
        const QString whose = gamedicetext::whoseRolls(mine, shown, &untrustedtext::quoted);
        titles_[i]->setText(whose);
        charts_[i]->setFaces(mine ? shown.mine : shown.theirs);
        charts_[i]->setAccessibleName(whose);
        summaries_[i]->setText(gamedicetext::summaryOf(mine, shown));
    }
    note_->setText(gamedicetext::leftOutText(shown));
    note_->setVisible(!note_->text().isEmpty());
    table_->resizeColumnsToContents();
}
