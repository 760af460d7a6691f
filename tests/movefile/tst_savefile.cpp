#include "safesave.h"

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
    QTest::addColumn<qint64>("failAfter");
    QTest::addColumn<bool>("failCommit");
    QTest::newRow("first write") << qint64{0} << false;
    QTest::newRow("after 100 bytes") << qint64{100} << false;
    QTest::newRow("in the second chunk") << qint64{70000} << false;
    QTest::newRow("at the last byte") << qint64{199999} << false;
    QTest::newRow("replacing") << qint64{-1} << true;
}

void TestSaveFile::failuresKeepPreviousFile() {
    QFETCH(qint64, failAfter);
    QFETCH(bool, failCommit);
    const QByteArray previous = sample(3000, 9);
    QVERIFY(saveFileSafely(path_, previous));
    QString error;
    QVERIFY(!saveFileSafely(path_, sample(200000, 5), &error, SaveFaults{failAfter, failCommit}));
    QVERIFY(!error.isEmpty());
    QVERIFY(!error.contains(QLatin1Char('\n')));
    QCOMPARE(readAll(path_), previous);
    // No temporary file is left behind.
    QCOMPARE(entries(), QStringList{QStringLiteral("turn.krv")});
    // A failure beyond the end of the data is no failure.
    QVERIFY(saveFileSafely(path_, sample(10, 1), nullptr, SaveFaults{10, false}));
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

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
