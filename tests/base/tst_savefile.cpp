#include "base/safesave.h"
#include "movefile/reportfile.h"
#include "tests/common/smalltmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sample(qsizetype size, char seed) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + i * 31);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(SaveFaults)

class TestSaveFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void writesNewFile();
    void replacesWholeFile();
    void failuresKeepPreviousFile_data();
    void failuresKeepPreviousFile();
    void missingFolder();
    void refusedTargets_data();
    void refusedTargets();
    void writesThroughLinks();
    void clearsLeftOverTemporaries();
    void readOnlyFolder();
    void fullDiskKeepsPreviousFile_data();
    void fullDiskKeepsPreviousFile();
    void reportReplacesTheFile();
    void reportRefused_data();
    void reportRefused();

private:
    QStringList entries() const {
        return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void TestSaveFile::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("turn.krv"));
}

void TestSaveFile::writesNewFile() {
    const QByteArray bytes = sample(2839, 1);
    QString error = QStringLiteral("untouched");
    QVERIFY(saveFileSafely(path_, bytes, &error));
    QCOMPARE(error, QStringLiteral("untouched"));
    QCOMPARE(readAll(path_), bytes);
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.krv")});
}

void TestSaveFile::replacesWholeFile() {
    QVERIFY(saveFileSafely(path_, sample(200000, 3)));
    QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner));
    const QByteArray shorter = sample(2839, 7);
    QVERIFY(saveFileSafely(path_, shorter));
    QCOMPARE(readAll(path_), shorter);
    QVERIFY(saveFileSafely(path_, QByteArray()));
    QCOMPARE(QFileInfo(path_).size(), 0);
    // Only the owner's, as before: neither group nor others gained any.
    QCOMPARE(QFile::permissions(path_) & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.krv")});
    // A secret is its owner's alone from the first byte: the temporary file a killed save
    // leaves behind too.
    const QString secret = dir_->filePath(QStringLiteral("dice"));
    QVERIFY(!saveFileSafely(secret, "secret", nullptr, SaveFaults{.abandon = true},
                            FileAccess::OwnerOnly));
    for (const QFileInfo& file : QDir(dir_->path()).entryInfoList(QDir::Files | QDir::Hidden))
        if (file.fileName().startsWith(QStringLiteral(".korva-save-")))
            QCOMPARE(file.permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
}

void TestSaveFile::failuresKeepPreviousFile_data() {
    QTest::addColumn<SaveFaults>("faults");
    QTest::addColumn<bool>("replaced"); // the new file stands, only its folder is not synced
    QTest::newRow("first write") << SaveFaults{.failWriteAfter = 0} << false;
    QTest::newRow("after 100 bytes") << SaveFaults{.failWriteAfter = 100} << false;
    QTest::newRow("in the second chunk") << SaveFaults{.failWriteAfter = 70000} << false;
    QTest::newRow("at the last byte") << SaveFaults{.failWriteAfter = 199999} << false;
    QTest::newRow("syncing the file") << SaveFaults{.failSync = true} << false;
    QTest::newRow("renaming") << SaveFaults{.failRename = true} << false;
    QTest::newRow("syncing the folder") << SaveFaults{.failFolderSync = true} << true;
}

void TestSaveFile::failuresKeepPreviousFile() {
    QFETCH(SaveFaults, faults);
    QFETCH(bool, replaced);
    const QByteArray previous = sample(3000, 9);
    QVERIFY(saveFileSafely(path_, previous));
    QString error;
    QVERIFY(!saveFileSafely(path_, sample(200000, 5), &error, faults));
    QVERIFY(!error.isEmpty());
    QVERIFY(!error.contains(QLatin1Char('\n')));
    QCOMPARE(readAll(path_), replaced ? sample(200000, 5) : previous);
    // No temporary file is left behind.
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.krv")});
    // A failure beyond the end of the data is no failure.
    QVERIFY(saveFileSafely(path_, sample(10, 1), nullptr, SaveFaults{.failWriteAfter = 10}));
}

void TestSaveFile::missingFolder() {
    const QString path = dir_->filePath(QStringLiteral("no such folder/turn.krv"));
    QString error;
    QVERIFY(!saveFileSafely(path, sample(10, 1), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(entries().isEmpty());
}

void TestSaveFile::refusedTargets_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("is a folder");
    QTest::newRow("FIFO") << QStringLiteral("fifo") << QStringLiteral("not a regular file");
    QTest::newRow("device") << QStringLiteral("device") << QStringLiteral("not a regular file");
    QTest::newRow("link to a FIFO")
        << QStringLiteral("link") << QStringLiteral("not a regular file");
}

// Renaming over anything but a regular file would put a file in its place.
void TestSaveFile::refusedTargets() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QByteArray target = QFile::encodeName(path_);
    const QByteArray fifo = QFile::encodeName(dir_->filePath(QStringLiteral("fifo")));
    if (kind == QStringLiteral("folder"))
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("turn.krv")));
    if (kind == QStringLiteral("fifo"))
        QCOMPARE(::mkfifo(target.constData(), 0600), 0);
    if (kind == QStringLiteral("link"))
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0 &&
                ::symlink("fifo", target.constData()) == 0);
    // A device of its own (as /dev/null), so that a fault replaces nothing of the system's.
    if (kind == QStringLiteral("device") &&
        ::mknod(target.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        QSKIP("making a device needs the superuser");
    struct stat before {};
    QCOMPARE(::lstat(target.constData(), &before), 0);
    const QStringList was = entries();
    QString error;
    QVERIFY(!saveFileSafely(path_, sample(10, 1), &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    struct stat after {};
    QCOMPARE(::lstat(target.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(entries(), was);
}

// As editors do: the link stays, the file it names gets the bytes, also when it is new.
void TestSaveFile::writesThroughLinks() {
    const QString real = dir_->filePath(QStringLiteral("real.krv"));
    QVERIFY(QFile::link(QStringLiteral("real.krv"), path_));
    QVERIFY(saveFileSafely(path_, sample(100, 1)));
    QVERIFY(saveFileSafely(path_, sample(200, 2)));
    QVERIFY(QFileInfo(path_).isSymLink());
    QCOMPARE(readAll(real), sample(200, 2));
    QCOMPARE(entries(), (QStringList{QStringLiteral("real.krv"), QStringLiteral("turn.krv")}));
}

// A save killed half-way leaves its temporary file; the next save into the folder clears
// it, but not one that another save still has under way.
void TestSaveFile::clearsLeftOverTemporaries() {
    QVERIFY(saveFileSafely(path_, sample(100, 1)));
    for (const char seed : {char(2), char(3)}) // the second clears what the first left
        QVERIFY(!saveFileSafely(path_, sample(100, seed), nullptr, SaveFaults{.abandon = true}));
    const QStringList second = entries();
    QCOMPARE(second.size(), 2);
    QCOMPARE(readAll(path_), sample(100, 1));
    QFile underWay(dir_->filePath(second[0])); // the hidden name sorts first
    QVERIFY(underWay.open(QIODevice::ReadOnly));
    QCOMPARE(::flock(underWay.handle(), LOCK_EX | LOCK_NB), 0);
    QVERIFY(saveFileSafely(path_, sample(100, 4)));
    QCOMPARE(entries(), second);
    underWay.close();
    QVERIFY(saveFileSafely(path_, sample(100, 5)));
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.krv")});
}

void TestSaveFile::readOnlyFolder() {
    if (::geteuid() == 0)
        QSKIP("permissions do not stop the superuser from writing");
    const QByteArray previous = sample(100, 2);
    QVERIFY(saveFileSafely(path_, previous));
    QFile::Permissions keep = QFile::permissions(dir_->path());
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner));
    QString error;
    const bool saved = saveFileSafely(path_, sample(100, 4), &error);
    QFile::setPermissions(dir_->path(), keep);
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path_), previous);
}

void TestSaveFile::fullDiskKeepsPreviousFile_data() {
    QTest::addColumn<qint64>("room");
    QTest::newRow("full from the start") << qint64(1024);
    QTest::newRow("full part-way") << qint64(8192);
}

// A real full file system: the write fails inside the operating system, not in a seam.
void TestSaveFile::fullDiskKeepsPreviousFile() {
    QFETCH(qint64, room);
    SmallTmpfs disk(64);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.filePath(QStringLiteral("turn.krv"));
    const QByteArray previous = sample(3000, 9);
    QVERIFY(saveFileSafely(path, previous));
    QVERIFY(disk.fillLeaving(room));
    QString error;
    QVERIFY(!saveFileSafely(path, sample(20000, 5), &error));
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QCOMPARE(readAll(path), previous);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("filler"), QStringLiteral("turn.krv")}));
}

void TestSaveFile::reportReplacesTheFile() {
    const QString report = dir_->filePath(QStringLiteral("turn.txt"));
    QVERIFY(saveFileSafely(report, sample(10000, 1)));
    QVERIFY(saveMoveReport(path_, "the report"));
    QCOMPARE(readAll(report), QByteArray("the report"));
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.txt")});
}

void TestSaveFile::reportRefused_data() {
    QTest::addColumn<QString>("moveFile");
    QTest::addColumn<QString>("reason");
    QTest::newRow("name too short") << QStringLiteral("krv") << QStringLiteral("too short");
    QTest::newRow("a move file named .txt")
        << QStringLiteral("turn.txt") << QStringLiteral("replace the move file");
    QTest::newRow("a folder in the way")
        << QStringLiteral("folder.krv") << QStringLiteral("folder");
    QTest::newRow("missing folder") << QStringLiteral("missing/t.krv") << QString();
}

void TestSaveFile::reportRefused() {
    QFETCH(QString, moveFile);
    QFETCH(QString, reason);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.txt")));
    const QString path = moveFile == QStringLiteral("krv") ? moveFile : dir_->filePath(moveFile);
    QString error;
    QVERIFY(!saveMoveReport(path, "the report", &error));
    QVERIFY2(error.contains(reason) && !error.isEmpty(), qPrintable(error));
    QCOMPARE(entries(), QStringList{QStringLiteral("folder.txt")});
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
