#include "app/turn/goturndialog.h"

#include "app/shell/turntext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

GoToTurnDialog::GoToTurnDialog(const std::vector<TurnStart>& starts, std::size_t selected,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("bGoToTurnDialog"));
    setWindowTitle(tr("Go to turn"));
    auto* layout = new QFormLayout(this);
    auto* said = new QLabel(tr("The game as it stood when this move began, read-only:"), this);
    said->setWordWrap(true);
    layout->addRow(said);
    turns_ = new QComboBox(this);
    turns_->setObjectName(QStringLiteral("bGoToTurn"));
    for (const TurnStart& start : starts)
        turns_->addItem(turnText(TurnOrder(start.turn, {}), false));
    turns_->setCurrentIndex(int(std::min(selected, starts.size() - 1)));
    layout->addRow(tr("Turn:"), turns_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

std::size_t GoToTurnDialog::chosen() const {
    return std::size_t(std::max(turns_->currentIndex(), 0));
}
