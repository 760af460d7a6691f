#include "app/turn/turnlistdock.h"

#include "app/shell/columnwidth.h"
#include "app/shell/plaintext.h"
#include "app/shell/statictextdelegate.h"
#include "base/untrustedtext.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

TurnListDock::TurnListDock(QWidget* parent) : LazyDock(tr("The turn"), parent), model_(this) {
    setObjectName(QStringLiteral("bTurnListDock"));
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

void TurnListDock::buildBody() {
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    headingLabel_ = new PlainLabel({}, body); // file names and the history's titles
    headingLabel_->setWordWrap(true);
    layout->addWidget(headingLabel_);
    diceLabel_ = new TrustLabel(diceTrust_, {}, body);
    diceLabel_->setObjectName(QStringLiteral("bDiceVerdict"));
    diceLabel_->setWordWrap(true);
    layout->addWidget(diceLabel_);
    table_ = new QTableView(body);
    table_->setObjectName(QStringLiteral("bTurnList"));
    table_->setAccessibleName(tr("The turn"));
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
    noteEdit_ = new QPlainTextEdit(body);
    noteEdit_->setObjectName(QStringLiteral("bTurnNote"));
    noteTitle_->setBuddy(noteEdit_); // which names it to a screen reader
    noteEdit_->setReadOnly(true);
    noteEdit_->setMaximumHeight(90);
    // Their words, set apart from the list's: in italics on a tint of its own.
    QFont italic = noteEdit_->font();
    italic.setItalic(true);
    noteEdit_->setFont(italic);
    QPalette tint = noteEdit_->palette();
    tint.setColor(QPalette::Base, tint.color(QPalette::AlternateBase));
    noteEdit_->setPalette(tint);
    layout->addWidget(noteEdit_);
    setWidget(body);
    showTexts();

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
}

QTableView& TurnListDock::table() {
    ensureBody();
    return *table_;
}

void TurnListDock::fitColumns() {
    if (!table_ || !std::exchange(columnsDue_, false))
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
    note_ = note;
    showTexts();
}

QString TurnListDock::note() {
    ensureBody();
    return noteEdit_->toPlainText();
}

void TurnListDock::setHeading(const QString& heading) {
    heading_ = heading;
    showTexts();
}

void TurnListDock::setDiceVerdict(const QString& verdict, Trust trust) {
    diceVerdict_ = verdict;
    diceTrust_ = trust;
    showTexts();
}

QString TurnListDock::diceVerdict() const {
    return diceVerdict_;
}

QString TurnListDock::heading() const {
    return heading_;
}

void TurnListDock::showTexts() {
    if (!table_)
        return; // the labels take them when built
    headingLabel_->setText(heading_);
    diceLabel_->setTrust(diceTrust_);
    diceLabel_->setText(diceVerdict_);
    diceLabel_->setVisible(!diceVerdict_.isEmpty());
    // Setting the same text again would lay the whole editor out anew at every Open.
    const QString note = untrustedtext::forLines(note_);
    if (noteEdit_->toPlainText() != note)
        noteEdit_->setPlainText(note);
    noteTitle_->setVisible(!note_.isEmpty());
    noteEdit_->setVisible(!note_.isEmpty());
}
