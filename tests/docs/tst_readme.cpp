#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The README's commands, run as a reader would copy them.
class TestReadme : public QObject {
    Q_OBJECT
private slots:
    void benchmarkLoopRunsOnlyTheBenchmarks();
};

// The loop over the benchmarks meets folders of the same names (the build's `*_autogen`):
// it runs each benchmark program once and nothing else.
void TestReadme::benchmarkLoopRunsOnlyTheBenchmarks() {
    QFile readme(QStringLiteral(KORVA_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    static const QRegularExpression loopLine(QStringLiteral("^ +(for b in build/\\S*bench_\\*.*)$"),
                                             QRegularExpression::MultilineOption);
    const QRegularExpressionMatch loop = loopLine.match(QString::fromUtf8(readme.readAll()));
    QVERIFY2(loop.hasMatch(), "no loop over the benchmarks in the README");

    QTemporaryDir root;
    const QDir build(root.filePath(QStringLiteral("build/default/bench/gui")));
    QVERIFY(build.mkpath(QStringLiteral("bench_mapview_autogen")));
    QFile program(build.filePath(QStringLiteral("bench_mapview")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\necho figures\n");
    program.close();
    QVERIFY(program.setPermissions(program.permissions() | QFile::ExeOwner));

    QProcess shell;
    shell.setWorkingDirectory(root.path());
    shell.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), loop.captured(1)});
    QVERIFY(shell.waitForFinished());
    QCOMPARE(shell.readAllStandardError(), QByteArray());
    QCOMPARE(shell.readAllStandardOutput(), QByteArray("figures\n"));
    QCOMPARE(shell.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestReadme)
#include "tst_readme.moc"
