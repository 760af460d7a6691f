#include "app/find/stackviewer.h"

#include "app/shell/hextext.h"
#include "app/shell/plaintext.h"
#include "app/shell/quotedtext.h"
#include "app/shell/trustlabel.h"

#include "base/win1252.h"
#include "board/hex.h"
#include "board/mapboard.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/turndice.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr int kScale = 2;
// Combats shown per hex: a screenful at most, however many a file records there.
constexpr std::size_t kShownCombats = 10;

// The counter as the map shows it: its picture for the present losses, the marker over it.
QImage counterFace(const ZeKCounter& counter, const PictureModule& pictures) {
    const QImage picture = pictures.bitmap(counter.pictureId());
    QImage marker;
    if (counter.marker() > 0)
        marker = pictures.bitmap(ZeKCounter::kMarkerPictureBase + counter.marker());
    const QPoint markerAt(ZeKCounter::kMarkerOffset, ZeKCounter::kMarkerOffset);
    const QRect all =
        picture.rect() | (marker.isNull() ? QRect() : marker.rect().translated(markerAt));
    QImage face(all.size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.drawImage(0, 0, picture);
    if (!marker.isNull())
        painter.drawImage(markerAt, marker);
    painter.end();
    return face.scaled(face.size() * kScale, Qt::KeepAspectRatio, Qt::FastTransformation);
}

QString counterDetails(const ZeKCounter& counter) {
    QStringList parts;
    parts << StackViewer::tr("Steps/Losses %1").arg(QString::fromStdString(counter.lossText()));
    parts << (counter.marker() == 0 ? StackViewer::tr("no marker")
                                    : StackViewer::tr("marker %1").arg(counter.marker()));
    parts << (counter.hasMoved() ? StackViewer::tr("Has Moved") : StackViewer::tr("Yet to move"));
    return parts.join(QStringLiteral(", "));
}

QLabel* plainLabel(const QString& text, bool bold = false) {
    auto* label = new PlainLabel(text); // names and comments come from files
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

StackViewer::StackViewer(const Game& game, QWidget* map, std::function<bool()> busy)
    : QFrame(map, Qt::ToolTip | Qt::FramelessWindowHint), game_(game), busy_(std::move(busy)) {
    setObjectName(QStringLiteral("bStackViewer"));
    setAccessibleName(tr("Stack viewer"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(0xFF, 0xFB, 0xE6)));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(6, 6, 6, 6);
    timer_.setSingleShot(true);
    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &StackViewer::showStack);
    map->installEventFilter(this);
}

void StackViewer::pointerAt(int hex, const QPoint& globalPos) {
    globalPos_ = globalPos;
    if (isVisible() && hex == hex_)
        return;
    hide();
    hex_ = hex;
    // Only a pointer at rest shows the stack: every movement starts the wait again.
    timer_.start();
}

void StackViewer::dismiss() {
    timer_.stop();
    hide();
    hex_ = -1;
}

bool StackViewer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Hide:
    case QEvent::Wheel:
        dismiss();
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

void StackViewer::showStack() {
    if (busy_ && busy_())
        return;
    if (!fill(hex_))
        return;
    adjustSize();
    // Beside the pointer, kept on the screen.
    QPoint at = globalPos_ + QPoint(16, 16);
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos_)) {
        const QRect room = screen->availableGeometry();
        if (at.x() + width() > room.right())
            at.setX(globalPos_.x() - 16 - width());
        if (at.y() + height() > room.bottom())
            at.setY(std::max(room.top(), room.bottom() - height()));
    }
    move(at);
    show();
    raise();
}

bool StackViewer::fill(int hex) {
    // The rows of the last stack go with the widget that holds them, however deeply they
    // were laid out.
    delete content_;
    content_ = new QWidget(this);
    rows_ = new QVBoxLayout(content_);
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setSpacing(4);
    layout()->addWidget(content_);
    if (!hexgrid::isValidHex(hex))
        return false;
    const CounterList& stack = game_.board().hex(hex).stack();
    const ZeKClick click(hex);
    // Only the combats shown are kept; the rest are counted.
    std::vector<const Tagger*> tags;
    std::size_t combats = 0;
    game_.tags().showCombatsAt(click.position(), [&](const Tagger& tag) {
        if (combats++ < kShownCombats)
            tags.push_back(&tag);
    });
    if (stack.empty() && combats == 0)
        return false;

    rows_->addWidget(plainLabel(hextext::label(hex), true));
    addCounterRows(stack);
    addCombatRows(click, tags);
    if (combats > tags.size()) {
        const std::size_t more = combats - tags.size();
        rows_->addWidget(plainLabel(tr("and %Ln more combat(s) here", nullptr, int(more))));
    }
    return true;
}

void StackViewer::addCounterRows(const CounterList& stack) {
    // Top of the stack first.
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        const auto* counter = dynamic_cast<const ZeKCounter*>(*it);
        if (!counter)
            continue;
        auto* row = new QHBoxLayout;
        auto* picture = new QLabel;
        try {
            picture->setPixmap(QPixmap::fromImage(counterFace(*counter, game_.counterPictures())));
        } catch (const std::exception&) {
            picture->setText(QStringLiteral("?")); // the text below still tells the counter
        }
        picture->setFixedSize(24 * kScale + 2, 24 * kScale + 2);
        row->addWidget(picture);
        auto* text = new QVBoxLayout;
        text->addWidget(plainLabel(win1252::toUnicode(counter->name()), true));
        text->addWidget(plainLabel(counterDetails(*counter)));
        row->addLayout(text, 1);
        rows_->addLayout(row);
    }
}

void StackViewer::addCombatRows(const ZeKClick& click, const std::vector<const Tagger*>& tags) {
    std::size_t own = 0;
    std::size_t opened = 0;
    for (const Tagger* tag : tags) {
        const QString who = tag->fromFile() ? tr("Opponent's roll") : tr("Your roll");
        QString line = QStringLiteral("%1: %2").arg(who).arg(tag->dieValue());
        RollMark mark;
        if (dice_ && !game_.showsPast()) {
            mark = tag->fromFile() ? dice_->openedMark(click.position(), opened++)
                                   : dice_->ownMark(click.position(), own++);
            if (mark.number != 0)
                line += QStringLiteral(" (%1)").arg(TurnDice::markText(mark));
        }
        // Korva's line, then the comment as the file has it, set apart below.
        rows_->addWidget(new TrustLabel(trustOf(mark, tag->fromFile()), line));
        if (!tag->comment().empty())
            rows_->addWidget(new QuotedText(win1252::toUnicode(tag->comment())));
    }
}
