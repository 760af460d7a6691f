#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Every library includes only from itself and the layers below it (docs/architecture.md
// draws the same table): a wrong turn shows here before it grows into a cycle.
class TestLayers : public QObject {
    Q_OBJECT
private slots:
    void includesPointDown_data();
    void includesPointDown();
    void everyLibraryFolderHasARow();
    void qtModulesBelowTheWindow();
    void gameChangesOnlyThroughTheSession();
};

namespace {

struct Layer {
    const char* folder;
    QStringList below; // folders it may include from, besides its own
};

// Lowest first; a folder may use only folders named in its row.
const std::vector<Layer>& layers() {
    static const std::vector<Layer> table = [] {
        const QStringList base{QStringLiteral("base")};
        const QStringList geometry = base + QStringList{QStringLiteral("geometry")};
        const QStringList board = geometry + QStringList{QStringLiteral("board")};
        const QStringList pieces =
            board + QStringList{QStringLiteral("counters"), QStringLiteral("combat")};
        const QStringList files = pieces + QStringList{QStringLiteral("movefile")};
        const QStringList dice =
            files + QStringList{QStringLiteral("dice"), QStringLiteral("turns")};
        const QStringList game =
            dice + QStringList{QStringLiteral("netplay"), QStringLiteral("history"),
                               QStringLiteral("serverplay")};
        const QStringList model =
            game + QStringList{QStringLiteral("overlay"), QStringLiteral("game"),
                               QStringLiteral("translations")};
        const auto with = [](QStringList below, std::initializer_list<const char*> more) {
            for (const char* folder : more)
                below << QString::fromLatin1(folder);
            return below;
        };
        const QStringList shell = with(model, {"app/pictures", "app/shell"});
        const QStringList map = with(shell, {"app/map"});
        const QStringList play = with(map, {"app/dialogs", "app/play"});
        const QStringList window = with(play, {"app/find", "app/turn", "app/files", "app/games",
                                               "app/export", "servergame", "app/playbyserver"});
        return std::vector<Layer>{
            {"base", {}},
            {"translations", {}},
            {"geometry", base},
            {"board", geometry},
            {"counters", board},
            {"combat", board},
            {"movefile", pieces},
            {"dice", files},
            {"netplay", dice},
            {"turns", files},
            // Korva's side of play by server: Qt Network besides Core, and no widgets.
            {"serverplay", dice + QStringList{QStringLiteral("netplay")}},
            {"history", dice + QStringList{QStringLiteral("netplay")}},
            {"overlay", board + QStringList{QStringLiteral("counters")}},
            {"game", game},
            // The session's side of a server game: its dice asked, its turns sent and fetched.
            {"servergame", model},
            {"app/resourcedll", model},
            {"app/pictures", model},
            {"app/pictures/baked", with(model, {"app/pictures"})},
            {"app/desktop", with(model, {"app/pictures"})},
            {"app/shell", model},
            {"app/dialogs", with(model, {"app/shell"})},
            {"app/map", shell},
            {"app/play", with(map, {"app/dialogs"})},
            {"app/find", play},
            {"app/turn", play},
            {"app/files", play},
            {"app/games", play},
            {"app/export", with(play, {"app/turn"})},
            {"app/playbyserver", with(play, {"app/games", "servergame"})},
            {"app/window", window},
            {"app", with(window, {"app/window", "app/resourcedll"})},
            // The server beside the program: the layers below app/, none of its widgets.
            {"server", game},
        };
    }();
    return table;
}

// The row a path belongs to: the longest folder of the table it lies in.
const Layer* layerOf(const QString& path) {
    const Layer* found = nullptr;
    for (const Layer& layer : layers()) {
        const QString folder = QString::fromLatin1(layer.folder) + QLatin1Char('/');
        if (path.startsWith(folder) && (!found || qstrlen(layer.folder) > qstrlen(found->folder)))
            found = &layer;
    }
    return found;
}

QString sourceRoot() {
    return QStringLiteral(KORVA_SOURCE_DIR);
}

} // namespace

void TestLayers::includesPointDown_data() {
    QTest::addColumn<QString>("folder");
    for (const Layer& layer : layers())
        QTest::newRow(layer.folder) << QString::fromLatin1(layer.folder);
}

void TestLayers::includesPointDown() {
    QFETCH(QString, folder);
    const Layer* self = layerOf(folder + QStringLiteral("/x"));
    QVERIFY(self);
    static const QRegularExpression include(QStringLiteral("^#include \"([a-z]+/[^\"]*)\""),
                                            QRegularExpression::MultilineOption);
    QStringList wrong;
    QDirIterator files(sourceRoot() + QLatin1Char('/') + folder,
                       {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int read = 0;
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = file.mid(sourceRoot().size() + 1);
        if (layerOf(relative) != self)
            continue; // a folder of its own row
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        ++read;
        const QString text = QString::fromUtf8(source.readAll());
        for (auto it = include.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            const Layer* to = layerOf(target);
            if (to == self)
                continue;
            if (!to || !self->below.contains(QString::fromLatin1(to->folder)))
                wrong << relative + QStringLiteral(" includes ") + target;
        }
    }
    QVERIFY2(read > 0, qPrintable(folder));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestLayers::everyLibraryFolderHasARow() {
    QDirIterator lists(sourceRoot(), {QStringLiteral("CMakeLists.txt")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (lists.hasNext()) {
        const QString file = lists.next();
        QFile list(file);
        QVERIFY(list.open(QIODevice::ReadOnly));
        if (!list.readAll().contains("add_library("))
            continue;
        const QString folder = QFileInfo(file).path().mid(sourceRoot().size() + 1);
        if (folder.startsWith(QStringLiteral("build")) ||
            folder.startsWith(QStringLiteral("tests")) ||
            folder.startsWith(QStringLiteral("bench")) ||
            folder.startsWith(QStringLiteral("fuzz")) ||
            folder.startsWith(QStringLiteral("examples")))
            continue;
        const Layer* layer = layerOf(folder + QStringLiteral("/x"));
        QVERIFY2(layer && QString::fromLatin1(layer->folder) == folder, qPrintable(folder));
    }
}

// Below app/ no library needs a display: Qt Core and Gui only, and the network where a
// server is talked to or is one.
void TestLayers::qtModulesBelowTheWindow() {
    const QHash<QString, QStringList> more{
        {QStringLiteral("serverplay"), {QStringLiteral("Network"), QStringLiteral("WebSockets")}},
        {QStringLiteral("server"),
         {QStringLiteral("Network"), QStringLiteral("HttpServer"), QStringLiteral("Sql"),
          QStringLiteral("WebSockets")}}};
    static const QRegularExpression module(QStringLiteral("Qt6::(\\w+)"));
    QStringList wrong;
    for (const Layer& layer : layers()) {
        const QString folder = QString::fromLatin1(layer.folder);
        if (folder.startsWith(QStringLiteral("app")))
            continue;
        QFile list(sourceRoot() + QLatin1Char('/') + folder + QStringLiteral("/CMakeLists.txt"));
        QVERIFY2(list.open(QIODevice::ReadOnly), qPrintable(folder));
        const QStringList allowed =
            QStringList{QStringLiteral("Core"), QStringLiteral("Gui")} + more.value(folder);
        for (const auto& match : module.globalMatch(QString::fromUtf8(list.readAll())))
            if (!allowed.contains(match.captured(1)))
                wrong << folder + QStringLiteral(" links Qt6::") + match.captured(1);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// The views and commands read a const Game; only game/ (the session, its document and past
// browser) holds one it may change. The compiler stops a call of a changing operation on a
// const Game, so what must not appear elsewhere is a way to a changeable one: naming a
// non-const Game, building one, or casting the const away.
void TestLayers::gameChangesOnlyThroughTheSession() {
    static const QRegularExpression changeable(QStringLiteral(
        R"((?<!const )(?<!::)\bGame\s*[&*]|(?:unique_ptr|make_unique|shared_ptr)<Game>|\bGame\s+\w+\s*[({]|)"
        R"(const_cast<Game|\bmutableGame\b|DocumentTestAccess)"));
    QStringList wrong;
    QDirIterator files(sourceRoot(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int read = 0;
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = file.mid(sourceRoot().size() + 1);
        const Layer* layer = layerOf(relative);
        if (!layer || QString::fromLatin1(layer->folder) == QStringLiteral("game"))
            continue; // not the program's own sources, or the game's own folder
        QFile source(file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        ++read;
        const QStringList lines = QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString code = lines[i].section(QStringLiteral("//"), 0, 0);
            if (changeable.match(code).hasMatch())
                wrong
                    << QStringLiteral("%1:%2: %3").arg(relative).arg(i + 1).arg(lines[i].trimmed());
        }
    }
    QVERIFY(read > 100);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
