#include "app/turn/turnlistdock.h"

#include "app/shell/columnwidth.h"
#include "app/shell/plaintext.h"
#include "app/shell/statictextdelegate.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

TurnListDock::TurnListDock(QWidget* parent) : QDockWidget(tr("The turn"), parent), model_(this) {
    setObjectName(QStringLiteral("bTurnListDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    heading_ = new PlainLabel({}, body); // file names and the history's titles
    heading_->setWordWrap(true);
    layout->addWidget(heading_);
    dice_ = new PlainLabel({}, body);
    dice_->setObjectName(QStringLiteral("bDiceVerdict"));
    dice_->setWordWrap(true);
    dice_->hide();
    layout->addWidget(dice_);
    table_ = new QTableView(body);
    table_->setObjectName(QStringLiteral("bTurnList"));
    table_->setItemDelegate(new StaticTextDelegate(table_));
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    layout->addWidget(table_, 1);
    noteTitle_ = new QLabel(tr("Their note:"), body);
    layout->addWidget(noteTitle_);
    note_ = new QPlainTextEdit(body);
    note_->setObjectName(QStringLiteral("bTurnNote"));
    note_->setReadOnly(true);
    note_->setMaximumHeight(90);
    layout->addWidget(note_);
    setWidget(body);
    setNote({});

    // The keys moving through the rows, or a click (also on the row already chosen): the
    // map follows, once for a click that also changed the row.
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                choose(current.row());
                justChosen_ = current.row();
                QTimer::singleShot(0, this, [this] { justChosen_ = -1; });
            });
    connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() != justChosen_)
            choose(index.row());
    });
    // The columns fit a new turn's rows when it shows: measuring every row of a hidden list
    // would slow down each Open.
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        columnsDue_ = true;
        if (isVisible())
            fitColumns();
    });
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            fitColumns();
    });
}

void TurnListDock::fitColumns() {
    if (!std::exchange(columnsDue_, false))
        return;
    // Each column as wide as any turn's widest text, worked out once; the comments as this
    // turn's need.
    QHeaderView& header = *table_->horizontalHeader();
    for (int column = 0; column < TurnListModel::ColumnCount; ++column) {
        const bool comments = column == TurnListModel::Comment;
        if (comments || fittedWidths_.empty())
            header.resizeSection(column,
                                 columnWidthFor(*table_, column, model_.possibleTexts(column)));
        else
            header.resizeSection(column, fittedWidths_[std::size_t(column)]);
    }
    if (fittedWidths_.empty())
        for (int column = 0; column < TurnListModel::ColumnCount; ++column)
            fittedWidths_.push_back(header.sectionSize(column));
}

void TurnListDock::choose(int row) {
    if (model_.hexOf(row) >= 0)
        emit rowChosen(model_.hexOf(row), model_.counterOf(row));
}

void TurnListDock::setNote(const QString& note) {
    // Setting the same text again would lay the whole editor out anew at every Open.
    if (note != note_->toPlainText())
        note_->setPlainText(note);
    noteTitle_->setVisible(!note.isEmpty());
    note_->setVisible(!note.isEmpty());
}

QString TurnListDock::note() const {
    return note_->toPlainText();
}

void TurnListDock::setHeading(const QString& heading) {
    heading_->setText(heading);
}

void TurnListDock::setDiceVerdict(const QString& verdict) {
    dice_->setText(verdict);
    dice_->setVisible(!verdict.isEmpty());
}

QString TurnListDock::diceVerdict() const {
    return dice_->text();
}

QString TurnListDock::heading() const {
    return heading_->text();
}
