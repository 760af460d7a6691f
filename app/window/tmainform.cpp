#include "app/window/tmainform.h"

#include "app/dialogs/languagedialog.h"
#include "app/dialogs/tfrmabout.h"
#include "app/dialogs/win1252validator.h"
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
#include "app/shell/commandtable.h"
#include "app/shell/dialogfit.h"
#include "app/shell/featurecontext.h"
#include "app/shell/korvasettings.h"
#include "app/shell/noticebar.h"
#include "app/shell/plaintext.h"
#include "app/turn/turnfeature.h"
#include "app/turn/turnlistdock.h"
#include "app/window/windowplacement.h"
#include "base/win1252.h"
#include "board/picturemodule.h"
#include "combat/dietrace.h"
#include "game/game.h"
#include "translations/language.h"
#include "ui_mainform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
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
    buildFeatures();
    placeFeatures();
    connectBanners();
    // The window where it was closed (its own size and place on the first run); then the
    // tool bars and docks where they were, every dock made by now.
    windowplacement::restore(*this, settings_->windowPlace());
    restoreState(settings_->windowState());
    dialogFit_ = new DialogFit(*settings_, this);
    qApp->installEventFilter(dialogFit_);
    mapFeature_->restoreView();
    // A replay never outlives its run: its bar comes back hidden, whatever was remembered.
    turn_->replayBar().hide();
    // The map has the keyboard from the start, so that a key meant for it never types into
    // a banner box.
    mapView_->setFocus(Qt::OtherFocusReason);
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::catchStrayFocus);
}

TMainForm::~TMainForm() {
    // QWidget's destructor hides the docks and moves the keyboard after this part of the
    // window has gone, and both are told: nothing here may hear them then.
    disconnect(qApp, nullptr, this, nullptr);
    delete dialogFit_; // it keeps the sizes in the settings, gone before the dialogs are
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        dock->disconnect(this);
    FormDestroy();
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

    for (QLineEdit* edit : {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3})
        edit->setValidator(new Win1252Validator(edit));
    ui_->bEdit1->setAccessibleName(tr("First banner line"));
    ui_->bEdit2->setAccessibleName(tr("Second banner line"));
    ui_->bEdit3->setAccessibleName(tr("Third banner line"));

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
    for (PictureModule* module : {mapAndTags.get(), counterPictures.get()})
        module->setFallbackListener([this](const QString& note) {
            // Pictures may be drawn on other threads; the notes are the window's.
            QMetaObject::invokeMethod(this, [this, note] { notePictureFallback(note); });
        });

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
    mapFeature_ = std::make_unique<MapFeature>(context);
    play_ =
        std::make_unique<PlayFeature>(context, *mapFeature_, *ui_->bMainStatusBar1, setup_.pause);
    turn_ = std::make_unique<TurnFeature>(context, *mapFeature_, *play_);
    find_ = std::make_unique<FindFeature>(context, *mapFeature_, *play_, *ui_->bPanelMainSpeedBar);
    auto launcher =
        setup_.launcher ? std::move(setup_.launcher) : std::make_unique<QProcessLauncher>();
    files_ = std::make_unique<FilesFeature>(context, *mapFeature_, *play_, std::move(launcher));
    games_ = std::make_unique<GamesFeature>(context, setup_.notificationBus);
    // A game picked in the list, or a notification clicked, opens as every Open does.
    connect(games_.get(), &GamesFeature::openRequested, files_.get(), &FilesFeature::openRecent);
    connect(games_.get(), &GamesFeature::arrivedChanged, files_.get(),
            [this] { files_->showArrivedMoves(games_->arrivedMoves()); });
    exports_ = std::make_unique<ExportFeature>(context, *turn_, *play_);

    connect(play_.get(), &PlayFeature::idle, this, [this] {
        if (std::exchange(closePending_, false))
            close();
    });
    connect(commands_->action(Command::About), &QAction::triggered, this, &TMainForm::sbAboutClick);
    connect(commands_->action(Command::Language), &QAction::triggered, this,
            &TMainForm::chooseLanguage);
    Session& session = *session_;
    connect(&session, &Session::positionReplaced, this, &TMainForm::positionReplaced);
    // The caption follows the session's file and its unsaved changes, here alone.
    connect(&session.document().edits(), &EditStack::modifiedChanged, this,
            &TMainForm::showCaption);
    connect(&session, &Session::fileNameChanged, this, &TMainForm::showCaption);
}

void TMainForm::placeFeatures() {
    // The speed buttons run the commands of the table and show their glyphs.
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
    open->setMenu(&files_->recentMenu());
    open->setPopupMode(QToolButton::DelayedPopup);
    open->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(open, &QWidget::customContextMenuRequested, open, &QToolButton::showMenu);
    connect(commands_->action(Command::RecentFiles), &QAction::triggered, open,
            &QToolButton::showMenu);

    // The Korva bar: the files and whose turn it is, the view, then finding; the turn's
    // commands on a row of their own.
    bKorvaToolBar_->addActions(files_->toolBarActions());
    bKorvaToolBar_->addActions(play_->toolBarActions());
    bKorvaToolBar_->addActions(games_->toolBarActions());
    bKorvaToolBar_->addActions(exports_->toolBarActions());
    bKorvaToolBar_->addAction(turn_->whoseTurnAction());
    bKorvaToolBar_->addActions(mapFeature_->toolBarActions());
    bKorvaToolBar_->addActions(find_->toolBarActions());
    addToolBarBreak(Qt::TopToolBarArea);
    // The turn's own edits beside what the opponent did.
    turn_->toolBar().addAction(commands_->action(Command::TurnEdits));
    addToolBar(Qt::TopToolBarArea, &turn_->toolBar());
    addToolBar(Qt::TopToolBarArea, &turn_->replayBar());
    // A screen reader names each bar and the button that holds what a narrow window hides.
    for (QToolBar* bar : findChildren<QToolBar*>()) {
        bar->setAccessibleName(tr("%1 tool bar").arg(bar->windowTitle()));
        for (QToolButton* more : bar->findChildren<QToolButton*>(
                 QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly))
            more->setAccessibleName(tr("More of the %1 tool bar").arg(bar->windowTitle()));
    }
    statusBar()->setAccessibleName(tr("Status bar"));
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(&turn_->turnListDock()), &mapFeature_->overviewDock(),
          static_cast<QDockWidget*>(&find_->orderOfBattleDock()),
          static_cast<QDockWidget*>(&play_->editsDock())})
        addDockWidget(Qt::RightDockWidgetArea, dock);
    overlays_ = turn_->overlays() + play_->overlays() + find_->overlays() + mapFeature_->overlays();
    for (MapOverlay* overlay : overlays_)
        mapView_->addOverlay(overlay);
}

void TMainForm::connectBanners() {
    // The boxes show the game's banner texts: the game takes every change of theirs. A file
    // dragged over a box is the window's to open, not text for the box.
    const std::array<QLineEdit*, 3> boxes = {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3};
    session_->document().adoptShownBanners(bannerTexts());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        // A text the player typed is a change of the turn; one the window shows for the game
        // (an Open, an undo) is not.
        connect(boxes[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!showingBanners_)
                session_->document().setBanner(i, win1252::fromUnicode(text));
        });
        boxes[i]->installEventFilter(this);
    }
    // An undone or redone banner shows again.
    connect(&session_->document(), &Document::bannersChanged, this,
            [this] { setBannerTexts(game().banners()); });
    setAcceptDrops(true);
}

void TMainForm::FormShow() {
    if (Splash) {
        delete Splash.data();
        Splash = nullptr;
    }
}

void TMainForm::FormDestroy() {
    // The marks over the map read the game, and the views draw it: they go before it, the
    // turn's first. Then the modules, the board, the counters and the tags.
    for (MapOverlay* overlay : overlays_)
        mapView_->removeOverlay(overlay);
    exports_.reset();
    turn_.reset();
    find_.reset();
    games_.reset();
    files_.reset();
    play_.reset();
    mapFeature_.reset();
    session_.reset();
    QGuiApplication::restoreOverrideCursor();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A map smaller than the view sits in its middle; only once shown, as a hidden map's
    // size reaches the scroll box when it shows.
    ui_->bScrollBoxMain->setAlignment(Qt::AlignCenter);
    FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The window system may ask while the return slides; the question comes once the
    // counter has arrived, so the return is part of what is saved.
    if (play_->isAnimating()) {
        closePending_ = true;
        event->ignore();
        return;
    }
    play_->CancelDrag();
    if (!files_->maybeSaveChanges()) {
        event->ignore();
        return;
    }
    settings_->setWindow(windowplacement::placeOf(*this), saveState());
    mapFeature_->saveView();
    event->accept();
}

void TMainForm::positionReplaced(Session::Change change) {
    setBannerTexts(game().banners());
    // Nothing changes the past: no banner edits.
    for (QLineEdit* edit : {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3})
        edit->setReadOnly(session_->showsPast());
    Q_UNUSED(change);
    showCaption();
    keyboardToMap();
}

std::array<std::string, 3> TMainForm::bannerTexts() const {
    return {win1252::fromUnicode(ui_->bEdit1->text()), win1252::fromUnicode(ui_->bEdit2->text()),
            win1252::fromUnicode(ui_->bEdit3->text())};
}

void TMainForm::setBannerTexts(const std::array<std::string, 3>& texts) {
    const std::array<QLineEdit*, 3> boxes = {ui_->bEdit1, ui_->bEdit2, ui_->bEdit3};
    const QScopedValueRollback showing(showingBanners_, true);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        // The box being typed into keeps its cursor: only another text is set.
        if (const QString text = win1252::toUnicode(texts[i]); boxes[i]->text() != text)
            boxes[i]->setText(text);
    }
    // A save writes what the boxes show, also where a box could not take a text whole.
    session_->document().adoptShownBanners(bannerTexts());
}

QString TMainForm::captionText() const {
    if (session_->showsPast())
        return QStringLiteral("Korva : ") + turn_->pastShown() + tr(" — read-only");
    if (!session_->fileName().isEmpty())
        return QStringLiteral("Korva : ") + Session::fileTitle(session_->fileName());
    return session_->isNewGame() ? tr("Korva : new game") : QStringLiteral("Korva");
}

void TMainForm::showCaption() {
    // The "[*]" goes in only while there are unsaved changes, so a saved or freshly opened
    // game's caption is exactly "Korva : <title>"; one in a file's name shows as it is.
    // Nothing of the past is ever unsaved.
    const bool modified = !session_->showsPast() && session_->document().isModified();
    const QString shown = plaintext::caption(captionText());
    setWindowTitle(modified ? shown + QStringLiteral("[*]") : shown);
    setWindowModified(modified);
}

void TMainForm::keyboardToMap() {
    // The player typing in a field that is still there keeps it.
    const QWidget* focus = focusWidget();
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    const auto* text = qobject_cast<const QPlainTextEdit*>(focus);
    const bool typing = focus && focus->isVisible() &&
                        ((line && !line->isReadOnly()) || (text && !text->isReadOnly()));
    if (!typing)
        mapView_->setFocus(Qt::OtherFocusReason);
}

void TMainForm::catchStrayFocus(QWidget* old, QWidget* now) {
    // A widget that goes away with the keyboard (a dock closing, a tool bar hiding) hands it
    // on down the Tab order, which would put it in a banner box with its text selected: the
    // next key meant for the map would replace a banner. The map takes it instead.
    if (old && now && now != mapView_ && !old->isVisible() && old->window() == this &&
        now->window() == this)
        mapView_->setFocus(Qt::OtherFocusReason);
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
        lines << tr("and %1 more").arg(pictureNotes_.size() - kShown);
    pictureNotes_.clear();
    prompts_->showWarning(tr("Some pictures could not be read; others are shown in their "
                             "place.\n") +
                          lines.join(QLatin1Char('\n')));
}

void TMainForm::sbAboutClick() {
    {
        TfrmAbout about(this);
        // Language… sits in the About window's menu: the window itself stays as it is.
        about.setContextMenuPolicy(Qt::ActionsContextMenu);
        about.addAction(commands_->action(Command::Language));
        prompts_->execDialog(about);
    }
    if (!setup_.traceFolder.isEmpty())
        setTracePath(QDir(setup_.traceFolder).filePath(QStringLiteral("trace.txt")));
    if (const QString refusal = traceFileRefusal(); !refusal.isEmpty())
        prompts_->showWarning(tr("No die-roll trace was written: %1.").arg(refusal));
    // The rolls advance the die all the same.
    session_->traceDieRolls();
}

void TMainForm::chooseLanguage() {
    LanguageDialog dialog(language::chosen(), language::pick({}, QLocale::system().uiLanguages()),
                          this);
    if (prompts_->execDialog(dialog) == QDialog::Accepted)
        language::setChosen(dialog.chosenCode());
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Everything is let in, so that a drop of the wrong thing can say why it is refused.
    // A copy only: the file manager must never take a dropped file away.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TMainForm::dropEvent(QDropEvent* event) {
    QString refusal;
    const QString fileName = FilesFeature::droppedMoveFile(*event->mimeData(), &refusal);
    if (fileName.isEmpty()) {
        event->ignore();
    } else {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
    // After the drop is over: questions and reading must not hold up the program the file
    // came from.
    QTimer::singleShot(0, this, [this, fileName, refusal] { openDropped(fileName, refusal); });
}

void TMainForm::openDropped(const QString& fileName, const QString& refusal) {
    if (fileName.isEmpty()) {
        prompts_->showWarning(refusal);
        return;
    }
    if (files_->maybeSaveChanges())
        files_->OpenMove(fileName);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Files dragged over a banner box are the window's, not text for the box.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    case QEvent::Drop:
        if (static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
