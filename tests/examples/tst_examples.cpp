#include "examples/exampleturns.h"
#include "movefile/movefilereader.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void committedFilesAreGenerated();
};

void TestExamples::committedFilesAreGenerated() {
    const QDir dir(QStringLiteral(KORVA_EXAMPLES_DIR));
    for (const ExampleFile& made : exampleFiles()) {
        QFile file(dir.filePath(made.name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY2(file.readAll() == made.bytes,
                 qPrintable(made.name + QStringLiteral(" differs from what korva_make_examples "
                                                       "writes; run it on examples/")));
        try {
            if (made.name.endsWith(QStringLiteral(".krv")))
                parseMoveFile(made.bytes);
        } catch (const MoveFileError& refused) {
            QFAIL(refused.what());
        }
    }
}

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
