#include "app/window/tmainform.h"

#include "app/export/exportfeature.h"
#include "app/files/filesfeature.h"
#include "app/find/findfeature.h"
#include "app/find/orderofbattledock.h"
#include "app/games/gamesfeature.h"
#include "app/map/mapfeature.h"
#include "app/map/mapview.h"
#include "app/pictures/bakedpictures.h"
#include "app/pictures/programart.h"
#include "app/play/editsdock.h"
#include "app/play/playfeature.h"
#include "app/playbyserver/serverfeature.h"
#include "app/shell/afterpaint.h"
#include "app/shell/commandtable.h"
#include "app/shell/dialogfit.h"
#include "app/shell/featurecontext.h"
#include "app/shell/korvasettings.h"
#include "app/shell/noticebar.h"
#include "app/turn/turnfeature.h"
#include "app/turn/turnlistdock.h"
#include "app/window/aboutcommands.h"
#include "app/window/bannerboxes.h"
#include "app/window/filedrops.h"
#include "app/window/mapkeyboard.h"
#include "app/window/picturewarning.h"
#include "app/window/windowcaption.h"
#include "app/window/windowplacement.h"
#include "board/picturemodule.h"
#include "game/game.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <ctime>

QPointer<QWidget> Splash;

TMainForm::TMainForm(MainFormSetup setup, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TMainForm>()), setup_(std::move(setup)) {
    prompts_ = setup_.prompts ? std::move(setup_.prompts) : std::make_unique<QtPrompts>(this);
    settings_ = std::make_unique<KorvaSettings>(std::move(setup_.settings));
    // The window's font before its controls: each is made in it, rather than laid out in
    // the application's font first and then again in this one.
    QFont font(QStringLiteral("Bookman Old Style"));
    font.setPixelSize(11);
    setFont(font);
    ui_->setupUi(this);
    setUpControls();
    FormCreate();
    reportProgress();
    buildFeatures();
    reportProgress();
    placeFeatures();
    addWindowParts();
    // The window where it was closed (its own size and place on the first run); then the
    // tool bars and docks where they were, every dock made by now.
    windowplacement::restore(*this, settings_->windowPlace());
    restoreState(settings_->windowState());
    dialogFit_ = new DialogFit(*settings_, this);
    qApp->installEventFilter(dialogFit_);
    features_.map->restoreView();
    // A replay never outlives its run: its bar comes back hidden, whatever was remembered.
    features_.turn->replayBar().hide();
    // The map has the keyboard from the start, so that a key meant for it never types into
    // a banner box.
    mapView_->setFocus(Qt::OtherFocusReason);
}

TMainForm::~TMainForm() {
    // QWidget's destructor hides the docks and moves the keyboard after this part of the
    // window has gone, and both are told: nothing here, nor a part of it, may hear them then.
    disconnect(qApp, nullptr, this, nullptr);
    for (QObject* part : children())
        disconnect(qApp, nullptr, part, nullptr);
    delete dialogFit_; // it keeps the sizes in the settings, gone before the dialogs are
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        dock->disconnect(this);
    FormDestroy();
}

void TMainForm::reportProgress() const {
    if (setup_.progress)
        setup_.progress();
}

const Game& TMainForm::game() const {
    return session_->game();
}

void TMainForm::setUpControls() {
    QIcon icon;
    for (const int size : programart::iconSizes())
        icon.addPixmap(QPixmap::fromImage(bakedpictures::programPicture(
            bakedpictures::kIconBase + size, [size] { return programart::programIcon(size); })));
    setWindowIcon(icon);
    QGuiApplication::setWindowIcon(icon); // the dialogs show it too

    ui_->bScrollBoxMain->horizontalScrollBar()->setSingleStep(20);
    ui_->bScrollBoxMain->verticalScrollBar()->setSingleStep(20);
    ui_->bScrollBoxMain->setAccessibleName(tr("Map view"));
    mapView_ = new MapView;
    mapView_->setObjectName(QStringLiteral("bImageMainMap"));
    ui_->bScrollBoxMain->setWidget(mapView_);
    // Tab and a click give the keyboard to the map, whose keys scroll it.
    ui_->bScrollBoxMain->setFocusProxy(mapView_);
    mapView_->setFocusPolicy(Qt::StrongFocus);
    noticeBar_ = new NoticeBar(ui_->bScrollBoxMain->viewport());

    // The speed bar keeps its fixed layout; commands beyond it go on a tool bar of their own.
    bKorvaToolBar_ = new QToolBar(tr("Korva"), this);
    bKorvaToolBar_->setObjectName(QStringLiteral("bKorvaToolBar"));
    bKorvaToolBar_->setIconSize(QSize(20, 20));
    bKorvaToolBar_->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, bKorvaToolBar_);
    commands_ = new CommandTable(this, mapView_);
}

void TMainForm::FormCreate() {
    // The picture modules: map and tags, then counters and markers.
    std::unique_ptr<PictureModule> mapAndTags = setup_.loadModule(QStringLiteral("korva_1.dll"));
    std::unique_ptr<PictureModule> counterPictures =
        setup_.loadModule(QStringLiteral("korva_2.dll"));
    auto* pictureWarning = new PictureWarning(*prompts_, this);
    for (PictureModule* module : {mapAndTags.get(), counterPictures.get()})
        module->setFallbackListener(
            [pictureWarning](const QString& note) { pictureWarning->note(note); });

    // Then the map picture, the counters, the board and the tags, in that order.
    session_ = std::make_unique<Session>(
        std::move(mapAndTags), std::move(counterPictures), setup_.historyFolder,
        setup_.seed ? *setup_.seed : static_cast<std::uint32_t>(std::time(nullptr)));

    // The program's own sword cursor over all its windows.
    const programart::CursorPicture sword = programart::zekCursor();
    QGuiApplication::setOverrideCursor(
        QCursor(QPixmap::fromImage(sword.image), sword.hotSpot.x(), sword.hotSpot.y()));
}

void TMainForm::buildFeatures() {
    const FeatureContext context{*this,     *session_,   *mapView_, *commands_,
                                 *prompts_, *noticeBar_, *settings_};
    features_.map = std::make_unique<MapFeature>(context);
    features_.play =
        std::make_unique<PlayFeature>(context, *features_.map, *ui_->bMainStatusBar1, setup_.pause);
    features_.turn = std::make_unique<TurnFeature>(context, *features_.map, *features_.play);
    features_.find = std::make_unique<FindFeature>(context, *features_.map, *features_.play,
                                                   *ui_->bPanelMainSpeedBar);
    auto launcher =
        setup_.launcher ? std::move(setup_.launcher) : std::make_unique<QProcessLauncher>();
    features_.files = std::make_unique<FilesFeature>(context, *features_.map, *features_.play,
                                                     std::move(launcher));
    features_.games = std::make_unique<GamesFeature>(context, setup_.notificationBus);
    // A game picked in the list, or a notification clicked, opens as every Open does.
    connect(features_.games.get(), &GamesFeature::openRequested, features_.files.get(),
            &FilesFeature::openRecent);
    connect(features_.games.get(), &GamesFeature::arrivedChanged, features_.files.get(),
            [this] { features_.files->showArrivedMoves(features_.games->arrivedMoves()); });
    features_.exports = std::make_unique<ExportFeature>(context, *features_.turn, *features_.play);
    features_.server = std::make_unique<ServerFeature>(context, *features_.games, *features_.play);
    // The servers are not asked before the player sees the window.
    runAfterNextPaint(*mapView_, *features_.server, [this] { features_.server->start(); });

    connect(features_.play.get(), &PlayFeature::idle, this, [this] {
        if (std::exchange(closePending_, false))
            close();
    });
}

void TMainForm::placeSpeedButtons() {
    const struct {
        QToolButton* button;
        Command command;
        programart::Glyph glyph;
    } buttons[] = {
        {ui_->sbOpen, Command::Open, programart::Glyph::Open},
        {ui_->sbSave, Command::Save, programart::Glyph::Save},
        {ui_->sbUndo, Command::Undo, programart::Glyph::Undo},
        {ui_->sbMoveAll, Command::MoveAll, programart::Glyph::MoveAll},
        {ui_->SpeedButton1, Command::HideCombatTags, programart::Glyph::HideCombatTags},
        {ui_->sbAbout, Command::About, programart::Glyph::About},
        {nullptr, Command::Redo, programart::Glyph::Redo},
    };
    for (const auto& [button, command, glyph] : buttons) {
        QAction* action = commands_->action(command);
        action->setIcon(QIcon(QPixmap::fromImage(
            bakedpictures::programPicture(bakedpictures::kGlyphBase + int(glyph), [glyph = glyph] {
                return programart::buttonGlyph(glyph);
            }))));
        if (!button)
            continue; // on a tool bar of its own
        button->setDefaultAction(action);
        button->setAccessibleName(action->text());
    }
    // The recent files hang under the Open button, which keeps its place and size: a click
    // still opens the dialog at once; press and hold, the right button or the key show them.
    QToolButton* open = ui_->sbOpen;
    open->setMenu(&features_.files->recentMenu());
    open->setPopupMode(QToolButton::DelayedPopup);
    open->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(open, &QWidget::customContextMenuRequested, open, &QToolButton::showMenu);
    connect(commands_->action(Command::RecentFiles), &QAction::triggered, open,
            &QToolButton::showMenu);
}

void TMainForm::placeFeatures() {
    placeSpeedButtons();
    // The Korva bar: the files and whose turn it is, the view, then finding; the turn's
    // commands on a row of their own.
    bKorvaToolBar_->addActions(features_.files->toolBarActions());
    bKorvaToolBar_->addActions(features_.play->toolBarActions());
    bKorvaToolBar_->addActions(features_.games->toolBarActions());
    bKorvaToolBar_->addActions(features_.server->toolBarActions());
    bKorvaToolBar_->addActions(features_.exports->toolBarActions());
    bKorvaToolBar_->addAction(features_.turn->whoseTurnAction());
    bKorvaToolBar_->addActions(features_.map->toolBarActions());
    bKorvaToolBar_->addActions(features_.find->toolBarActions());
    addToolBarBreak(Qt::TopToolBarArea);
    // The turn's own edits beside what the opponent did.
    features_.turn->toolBar().addAction(commands_->action(Command::TurnEdits));
    addToolBar(Qt::TopToolBarArea, &features_.turn->toolBar());
    addToolBar(Qt::TopToolBarArea, &features_.turn->replayBar());
    // A screen reader names each bar and the button that holds what a narrow window hides.
    for (QToolBar* bar : findChildren<QToolBar*>()) {
        bar->setAccessibleName(tr("%1 tool bar").arg(bar->windowTitle()));
        for (QToolButton* more : bar->findChildren<QToolButton*>(
                 QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly))
            more->setAccessibleName(tr("More of the %1 tool bar").arg(bar->windowTitle()));
    }
    statusBar()->setAccessibleName(tr("Status bar"));
    for (QDockWidget* dock : {static_cast<QDockWidget*>(&features_.turn->turnListDock()),
                              &features_.map->overviewDock(),
                              static_cast<QDockWidget*>(&features_.find->orderOfBattleDock()),
                              static_cast<QDockWidget*>(&features_.play->editsDock())})
        addDockWidget(Qt::RightDockWidgetArea, dock);
    overlays_ = features_.turn->overlays() + features_.play->overlays() +
                features_.find->overlays() + features_.map->overlays();
    for (MapOverlay* overlay : overlays_)
        mapView_->addOverlay(overlay);
}

void TMainForm::addWindowParts() {
    // In this order after each new position: the banners, the caption, then the keyboard,
    // which looks at what the banners let the player type in.
    banners_ = new BannerBoxes(*session_, {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3}, this);
    new WindowCaption(*this, *session_, [this] { return features_.turn->pastShown(); });
    new MapKeyboard(*this, *mapView_, *session_);
    new FileDrops(*this, {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3}, *features_.files, *prompts_);
    new AboutCommand(*this, *commands_, *prompts_, *session_, setup_.traceFolder);
    new LanguageChoice(*this, *commands_, *prompts_);
}

void TMainForm::FormDestroy() {
    // The marks over the map read the game, and the views draw it: they go before it, the
    // turn's first. Then the modules, the board, the counters and the tags.
    for (MapOverlay* overlay : overlays_)
        mapView_->removeOverlay(overlay);
    features_.server.reset();
    features_.exports.reset();
    features_.turn.reset();
    features_.find.reset();
    features_.games.reset();
    features_.files.reset();
    features_.play.reset();
    features_.map.reset();
    session_.reset();
    QGuiApplication::restoreOverrideCursor();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A map smaller than the view sits in its middle; only once shown, as a hidden map's
    // size reaches the scroll box when it shows.
    ui_->bScrollBoxMain->setAlignment(Qt::AlignCenter);
    if (Splash) {
        delete Splash.data();
        Splash = nullptr;
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The window system may ask while the return slides; the question comes once the
    // counter has arrived, so the return is part of what is saved.
    if (features_.play->isAnimating()) {
        closePending_ = true;
        event->ignore();
        return;
    }
    features_.play->CancelDrag();
    if (!features_.files->maybeSaveChanges()) {
        event->ignore();
        return;
    }
    settings_->setWindow(windowplacement::placeOf(*this), saveState());
    features_.map->saveView();
    event->accept();
}

std::array<std::string, 3> TMainForm::bannerTexts() const {
    return banners_->texts();
}
