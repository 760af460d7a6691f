#include "movefile/reportfile.h"
#include "movefile/safesave.h"
#include "tests/common/smalltmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void targetIsAFolder();
    void readOnlyFolder();
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
    const QByteArray shorter = sample(2839, 7);
    QVERIFY(saveFileSafely(path_, shorter));
    QCOMPARE(readAll(path_), shorter);
    QVERIFY(saveFileSafely(path_, QByteArray()));
    QCOMPARE(QFileInfo(path_).size(), 0);
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.krv")});
}

void TestSaveFile::failuresKeepPreviousFile_data() {
    QTest::addColumn<SaveFaults>("faults");
    QTest::addColumn<bool>("replaced"); // the new file stands, only its folder is not synced
    QTest::newRow("first write") << SaveFaults{.failWriteAfter = 0} << false;
    QTest::newRow("after 100 bytes") << SaveFaults{.failWriteAfter = 100} << false;
    QTest::newRow("in the second chunk") << SaveFaults{.failWriteAfter = 70000} << false;
    QTest::newRow("at the last byte") << SaveFaults{.failWriteAfter = 199999} << false;
    QTest::newRow("flushing") << SaveFaults{.failFlush = true} << false;
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

void TestSaveFile::targetIsAFolder() {
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("turn.krv")));
    QString error;
    QVERIFY(!saveFileSafely(path_, sample(10, 1), &error));
    QVERIFY(error.contains(QStringLiteral("folder")));
    QVERIFY(QFileInfo(path_).isDir());
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

// A real full file system: the write fails inside the operating system, not in a seam.
void TestSaveFile::fullDiskKeepsPreviousFile() {
    SmallTmpfs disk(64);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.filePath(QStringLiteral("turn.krv"));
    const QByteArray previous = sample(3000, 9);
    QVERIFY(saveFileSafely(path, previous));
    QVERIFY(disk.fillLeaving(1024));
    QString error;
    QVERIFY(!saveFileSafely(path, sample(3000, 5), &error));
    QVERIFY2(error.contains(QStringLiteral("space")), qPrintable(error));
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
