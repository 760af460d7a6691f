#include "app/find/orderofbattledock.h"

#include "app/find/orderofbattlemodel.h"
#include "app/find/unitsearch.h"
#include "app/shell/columnwidth.h"
#include "app/shell/statictextdelegate.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Keeps the rows whose side, name, hex and moved state match the filter's words, each word
// the start of a word of the row, in order ("axis pz" finds the Axis' panzer units).
class OrderOfBattleFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setWords(const QString& words) {
        words_ = words;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& parent) const override {
        if (words_.trimmed().isEmpty())
            return true;
        QStringList texts;
        for (const int column : {OrderOfBattleModel::Side, OrderOfBattleModel::Name,
                                 OrderOfBattleModel::HexColumn, OrderOfBattleModel::Moved})
            texts << sourceModel()->index(sourceRow, column, parent).data().toString();
        return unitsearch::nameMatches(texts.join(QLatin1Char(' ')), words_);
    }

private:
    QString words_;
};

} // namespace

OrderOfBattleDock::OrderOfBattleDock(const Game& game, QWidget* parent)
    : LazyDock(tr("Order of battle"), parent) {
    setObjectName(QStringLiteral("bOrderOfBattleDock"));
    model_ = new OrderOfBattleModel(game, this);
    auto* filter = new OrderOfBattleFilter(this);
    proxy_ = filter;
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(OrderOfBattleModel::kSortRole);
    proxy_->setDynamicSortFilter(true);

    // Hidden, the dock leaves the game alone; shown, it catches up at once.
    model_->setFollowing(false);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && !columnsFitted_) {
            ensureBody();
            fitColumns();
        }
        model_->setFollowing(visible);
    });
}

void OrderOfBattleDock::buildBody() {
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("bOrderOfBattleFilter"));
    filter_->setPlaceholderText(tr("Filter: side, name, hex"));
    filter_->setAccessibleName(tr("Filter the order of battle"));
    filter_->setClearButtonEnabled(true);
    layout->addWidget(filter_);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("bOrderOfBattleTable"));
    table_->setAccessibleName(tr("Order of battle"));
    table_->setItemDelegate(new StaticTextDelegate(table_));
    table_->setWordWrap(false);
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder); // order-of-battle order until asked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    setWidget(body);

    auto* filter = static_cast<OrderOfBattleFilter*>(proxy_);
    connect(filter_, &QLineEdit::textChanged, this,
            [filter](const QString& text) { filter->setWords(text); });
    // A double click, or Enter on the selected row.
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        emit counterActivated(index.data(OrderOfBattleModel::kRowRole).toInt());
    });
}

void OrderOfBattleDock::fitColumns() {
    // Each column as wide as the widest text it can ever hold ("Off board", "Yet to move"),
    // so it never needs measuring again as the game changes.
    columnsFitted_ = true;
    for (int column = 0; column < OrderOfBattleModel::ColumnCount; ++column)
        table_->horizontalHeader()->resizeSection(
            column, columnWidthFor(*table_, column, model_->possibleTexts(column)));
}

QTableView& OrderOfBattleDock::table() {
    ensureBody();
    return *table_;
}

QLineEdit& OrderOfBattleDock::filterEdit() {
    ensureBody();
    return *filter_;
}

int OrderOfBattleDock::preferredWidth() {
    ensureBody();
    return table_->horizontalHeader()->length() + table_->verticalScrollBar()->sizeHint().width() +
           2 * table_->frameWidth() + 12;
}
