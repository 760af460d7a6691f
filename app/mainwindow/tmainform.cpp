#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/korvasettings.h"
#include "app/mainwindow/lossbadges.h"
#include "app/mainwindow/mapscene.h"
#include "app/mainwindow/mapview.h"
#include "app/mainwindow/movelayer.h"
#include "app/mainwindow/noticebar.h"
#include "app/mainwindow/overviewmap.h"
#include "app/mainwindow/plaintext.h"
#include "app/mainwindow/processlauncher.h"
#include "app/mainwindow/recentfiles.h"
#include "app/mainwindow/replaycontroller.h"
#include "app/mainwindow/replaylayer.h"
#include "app/mainwindow/turnmail.h"
#include "app/pictures/bakedpictures.h"
#include "app/pictures/programart.h"
#include "base/win1252.h"
#include "board/mapboard.h"
#include "board/mappicture.h"
#include "board/picturemodule.h"
#include "combat/dialogs/tshowcombatdlg.h"
#include "combat/dialogs/win1252validator.h"
#include "combat/dierandom.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "history/historywriter.h"
#include "ui_mainform.h"
#include <QScrollBar>

#include <QCloseEvent>
#include <QCursor>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>

#include <ctime>

QPointer<QWidget> Splash;

namespace {

QFont bookman(int pixelSize) {
    QFont font(QStringLiteral("Bookman Old Style"));
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

TMainForm::TMainForm(MainFormSetup setup, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TMainForm>()), setup_(std::move(setup)) {
    prompts_ = setup_.prompts ? std::move(setup_.prompts) : std::make_unique<QtPrompts>(this);
    ui_->setupUi(this);
    setUpControls();
    FormCreate();
    connectCommands();
    setUpTurnView();
    setUpDesktop();
    setUpView();
    setUpHexCursor();
    setUpKeyboard();
    setUpFind();
    setUpOrderOfBattle();
    setUpStackViewer();
    // Last: the docks above are among what it restores.
    restoreView();
    // A replay never outlives its run: its bar comes back hidden, whatever was remembered.
    replayBar_->hide();
}

TMainForm::~TMainForm() {
    // QWidget's destructor hides the docks after this part of the window has gone, and a
    // dock tells of its hiding: nothing here may hear it then.
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        dock->disconnect(this);
    FormDestroy();
}

void TMainForm::setUpControls() {
    setFont(bookman(11));
    QIcon icon;
    for (const int size : programart::iconSizes())
        icon.addPixmap(QPixmap::fromImage(bakedpictures::programPicture(
            bakedpictures::kIconBase + size, [size] { return programart::programIcon(size); })));
    setWindowIcon(icon);
    QGuiApplication::setWindowIcon(icon); // the dialogs show it too

    const std::pair<QToolButton*, programart::Glyph> glyphs[] = {
        {ui_->sbOpen, programart::Glyph::Open},
        {ui_->sbSave, programart::Glyph::Save},
        {ui_->sbUndo, programart::Glyph::Undo},
        {ui_->sbMoveAll, programart::Glyph::MoveAll},
        {ui_->SpeedButton1, programart::Glyph::HideCombatTags},
        {ui_->sbAbout, programart::Glyph::About},
    };
    for (const auto& [button, glyph] : glyphs)
        button->setIcon(QIcon(QPixmap::fromImage(
            bakedpictures::programPicture(bakedpictures::kGlyphBase + int(glyph), [glyph = glyph] {
                return programart::buttonGlyph(glyph);
            }))));

    for (QLineEdit* edit : {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3})
        edit->setValidator(new Win1252Validator(edit));

    ui_->bScrollBoxMain->horizontalScrollBar()->setSingleStep(20);
    ui_->bScrollBoxMain->verticalScrollBar()->setSingleStep(20);
    mapView_ = new MapView;
    mapView_->setObjectName(QStringLiteral("bImageMainMap"));
    ui_->bScrollBoxMain->setWidget(mapView_);
    // Tab and a click give the keyboard to the map, whose keys scroll it.
    ui_->bScrollBoxMain->setFocusProxy(mapView_);

    // Created after the map so that it lies above it; it moves in viewport coordinates.
    bDragImage_ = new QLabel(ui_->bScrollBoxMain->viewport());
    bDragImage_->setObjectName(QStringLiteral("bDragImage"));
    bDragImage_->setGeometry(0, 0, 24, 24);
    bDragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    bDragImage_->hide();
    noticeBar_ = new NoticeBar(ui_->bScrollBoxMain->viewport());

    ui_->bMainStatusBar1->setFixedHeight(19);
    const int widths[] = {200, 200, 0};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new PlainLabel;
        panel->setObjectName(QStringLiteral("bStatusPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        ui_->bMainStatusBar1->addWidget(panel, widths[i] > 0 ? 0 : 1);
        statusPanels_[static_cast<std::size_t>(i)] = panel;
    }

    // The speed bar keeps its fixed layout; commands beyond it go on a tool bar of their own.
    bKorvaToolBar_ = new QToolBar(QStringLiteral("Korva"), this);
    bKorvaToolBar_->setObjectName(QStringLiteral("bKorvaToolBar"));
    bKorvaToolBar_->setIconSize(QSize(20, 20));
    bKorvaToolBar_->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, bKorvaToolBar_);

    bMainPopupMenu_ = new QMenu(this);
    bMainPopupMenu_->setObjectName(QStringLiteral("bMainPopupMenu"));
    bMainPopupMenu_->addActions(
        {ui_->pmFlip, ui_->pmNew, ui_->pmReturn, ui_->pmCOmbat, ui_->pmShowCOmbat});
}

void TMainForm::connectCommands() {
    // The banner boxes show the game's banner texts: the game takes every change of theirs.
    const std::array<QLineEdit*, 3> boxes = {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        game_->setBanner(i, win1252::fromUnicode(boxes[i]->text()));
        connect(boxes[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            game_->setBanner(i, win1252::fromUnicode(text));
        });
        connect(boxes[i], &QLineEdit::textEdited, this, [this] { markChanged(); });
    }

    connect(ui_->sbOpen, &QToolButton::clicked, this, &TMainForm::sbOpenClick);
    connect(ui_->sbSave, &QToolButton::clicked, this, &TMainForm::sbSaveClick);
    connect(ui_->sbUndo, &QToolButton::clicked, this, &TMainForm::sbUndoClick);
    connect(ui_->sbAbout, &QToolButton::clicked, this, &TMainForm::sbAboutClick);
    connect(ui_->SpeedButton1, &QToolButton::clicked, this, &TMainForm::SpeedButton1Click);
    connect(ui_->pmFlip, &QAction::triggered, this, &TMainForm::pmFlipClick);
    connect(ui_->pmNew, &QAction::triggered, this, &TMainForm::pmNewClick);
    connect(ui_->pmReturn, &QAction::triggered, this, &TMainForm::pmReturnClick);
    connect(ui_->pmCOmbat, &QAction::triggered, this, &TMainForm::pmCOmbatClick);
    connect(ui_->pmShowCOmbat, &QAction::triggered, this, &TMainForm::pmShowCOmbatClick);

    connect(mapView_, &MapView::mousePressed, this, &TMainForm::bImageMainMapMouseDown);
    connect(mapView_, &MapView::mouseMoved, this, &TMainForm::bImageMainMapMouseMove);
    connect(mapView_, &MapView::mouseReleased, this, &TMainForm::bImageMainMapMouseUp);
    connect(mapView_, &MapView::menuRequested, this, &TMainForm::requestMenu);
    connect(mapView_, &MapView::escapePressed, this, &TMainForm::CancelDrag);

    ui_->sbOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui_->sbSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ui_->sbUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_Menu), this);
    connect(menuKey, &QShortcut::activated, this, [this] { requestMenu(menuPoint()); });
    setUpNewGameCommand();
}

void TMainForm::FormCreate() {
    // The picture modules: map and tags, then counters and markers.
    std::unique_ptr<PictureModule> mapAndTags = setup_.loadModule(QStringLiteral("korva_1.dll"));
    std::unique_ptr<PictureModule> counterPictures =
        setup_.loadModule(QStringLiteral("korva_2.dll"));
    for (PictureModule* module : {mapAndTags.get(), counterPictures.get()})
        module->setFallbackListener([this](const QString& note) {
            // Pictures may be drawn on other threads; the notes are the window's.
            QMetaObject::invokeMethod(this, [this, note] { notePictureFallback(note); });
        });

    // Then the map picture, the counters, the board and the tags, in that order.
    game_ = std::make_unique<Game>(std::move(mapAndTags), std::move(counterPictures));
    mapView_->setPicture(&game_->mapPicture());
    mapScene_ = std::make_unique<MapScene>(*game_);
    mapView_->setScene(mapScene_.get());
    if (!setup_.historyFolder.isEmpty())
        historyWriter_ = std::make_unique<HistoryWriter>(GameHistory(setup_.historyFolder));

    // The program's own sword cursor over all its windows.
    const programart::CursorPicture sword = programart::zekCursor();
    QGuiApplication::setOverrideCursor(
        QCursor(QPixmap::fromImage(sword.image), sword.hotSpot.x(), sword.hotSpot.y()));

    seedDie(setup_.seed ? *setup_.seed : static_cast<unsigned>(std::time(nullptr)));

    showCombatDlg_ = std::make_unique<TShowCombatDlg>(this);
}

void TMainForm::FormShow() {
    if (Splash) {
        delete Splash.data();
        Splash = nullptr;
    }
}

void TMainForm::FormDestroy() {
    // The marks over the map read the game: they go before it.
    replayLayer_.reset();
    replay_.reset();
    moveLayer_.reset();
    // The views stop drawing the game (and wait for pictures under way) before it goes.
    mapView_->setScene(nullptr);
    if (overviewMap_)
        overviewMap_->setScene(nullptr);
    mapScene_.reset();
    // The modules go first, then the board, the counters and the tags.
    game_.reset();
    QGuiApplication::restoreOverrideCursor();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The window system may ask while the return slides; the question comes once the
    // counter has arrived, so the return is part of what is saved.
    if (animating_) {
        closePending_ = true;
        event->ignore();
        return;
    }
    CancelDrag();
    if (!maybeSaveChanges()) {
        event->ignore();
        return;
    }
    settings_->setWindow(saveGeometry(), saveState());
    saveView();
    event->accept();
}

bool TMainForm::maybeSaveChanges() {
    // What is saved or dropped is the present, never a past position shown read-only.
    backToPresent();
    if (!unsaved_)
        return true;
    switch (prompts_->askSaveChanges()) {
    case QMessageBox::Yes:
        sbSaveClick();
        return !unsaved_; // a cancelled or failed save keeps the turn
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TMainForm::notePictureFallback(const QString& note) {
    pictureNotes_ << note;
    if (!pictureWarningDue_) {
        pictureWarningDue_ = true;
        QTimer::singleShot(0, this, &TMainForm::showPictureFallbacks);
    }
}

void TMainForm::showPictureFallbacks() {
    pictureWarningDue_ = false;
    if (pictureNotes_.isEmpty())
        return;
    constexpr qsizetype kShown = 5;
    QStringList lines = pictureNotes_.mid(0, kShown);
    if (pictureNotes_.size() > kShown)
        lines << QStringLiteral("and %1 more").arg(pictureNotes_.size() - kShown);
    pictureNotes_.clear();
    prompts_->showWarning(
        QStringLiteral("Some pictures could not be read; others are shown in their place.\n") +
        lines.join(QLatin1Char('\n')));
}

QString TMainForm::statusText(int panel) const {
    return statusPanels_.at(static_cast<std::size_t>(panel - 1))->text();
}

void TMainForm::UpdateStatus(int x, int y) {
    const int h = ZeKClick(AFPoint(x, y)).index();
    if (h != lastHex_) {
        statusPanels_[0]->setText(QString::fromStdString(hexgrid::hexLabel(h)));
        lastHex_ = h;
        showCounterTexts(h);
    }
    if (isDragging_)
        placeDragImage(x - 12, y - 12);
}

void TMainForm::showCounterTexts(int hexIndex) {
    const ZeKCounter* c = game_ ? game_->counterAt(hexIndex) : nullptr;
    if (!c) {
        statusPanels_[1]->clear();
        statusPanels_[2]->clear();
        return;
    }
    statusPanels_[1]->setText(c->hasMoved() ? QStringLiteral("Has Moved")
                                            : QStringLiteral("Yet to move"));
    statusPanels_[2]->setText(counterStatusText(*c));
}

QString TMainForm::counterStatusText(const ZeKCounter& counter) {
    return win1252::toUnicode(counter.name() + " ; Partial Step/Loss = " + counter.lossText());
}

std::array<std::string, 3> TMainForm::bannerTexts() const {
    return {win1252::fromUnicode(ui_->bEdit1->text()), win1252::fromUnicode(ui_->bEdit2->text()),
            win1252::fromUnicode(ui_->bEdit3->text())};
}

void TMainForm::setBannerTexts(const std::array<std::string, 3>& texts) {
    ui_->bEdit1->setText(win1252::toUnicode(texts[0]));
    ui_->bEdit2->setText(win1252::toUnicode(texts[1]));
    ui_->bEdit3->setText(win1252::toUnicode(texts[2]));
    // A save writes what the boxes show, also where a box could not take a text whole.
    const std::array<std::string, 3> shown = bannerTexts();
    for (std::size_t i = 0; i < shown.size(); ++i)
        game_->setBanner(i, shown[i]);
}
