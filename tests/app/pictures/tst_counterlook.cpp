#include "app/pictures/counterlook.h"
#include "counters/orderofbattle.h"

#include <QTest>

class TestCounterLook : public QObject {
    Q_OBJECT
private slots:
    void lookOfName_data();
    void lookOfName();
    void everyRowHasSomethingToRead();
};

void TestCounterLook::lookOfName_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("nation");
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("size");

    auto row = [](const char* tag, int r, const char* name, const char* nation,
                  const char* designation, const char* service, const char* size) {
        QTest::newRow(tag) << r << QByteArray(name) << QString::fromLatin1(nation)
                           << QString::fromLatin1(designation) << QString::fromLatin1(service)
                           << QString::fromLatin1(size);
    };
    row("division", 1, "UK 6 Armor XX", "UK", "6", "ARM", "XX");
    row("brigade", 18, "UK 2 Armor X", "UK", "2", "ARM", "X");
    row("no size in the name", 13, "UK 1 Gds", "UK", "1", "GDS", "");
    row("slash number", 46, "US 82/504 Airborne", "US", "82/504", "ABN", "");
    row("regiment", 49, "US 473 Inf III", "US", "473", "INF", "III");
    row("hyphenated nation", 53, "US-Cdn 1 SSF", "US-Cdn", "1", "SSF", "");
    row("number only", 66, "Pol 2", "Pol", "2", "", "");
    row("one word", 76, "Jew", "Jew", "Jew", "", "");
    row("letters in the number", 77, "P 36G", "P", "36G", "", "");
    row("colon prefix", 83, "Rome: Piave", "Rome", "Piave", "", "");
    row("several words", 82, "Rome: G di S", "Rome", "G di S", "", "");
    row("colon prefix with number", 93, "FA: 3 Cav", "FA", "3", "CAV", "");
    row("fort", 102, "Fort", "", "FORT", "", "");
    row("second side division", 115, "1 Para XX", "German", "1", "PARA", "XX");
    row("second side regiment", 118, "1/1 Para III", "German", "1/1", "PARA", "III");
    row("republic", 117, "Rep: MR", "Rep", "MR", "", "");
    row("republic SS keeps its prefix", 140, "Rep: SS/1", "Rep", "SS/1", "", "");
    row("shortened prefix", 127, "Lehr/309 Pzg III", "German", "Lr/309", "PZG", "III");
    row("two service words", 152, "4/12 Sturn Para III", "German", "4/12", "STU PARA", "III");
    row("name and service", 164, "Doehla Mnt X", "German", "Doehla", "MTN", "X");
    row("italians with the second side", 165, "FA: Nembo/185", "Rep", "Nembo/185", "", "");
    row("SS band replaces the prefix", 167, "SS/1LAH Armor XX", "SS", "1LAH", "ARM", "XX");
    row("Jaeger", 173, "Jaeger/42 Inf XX", "German", "Jg/42", "INF", "XX");
    row("trailing space", 180, "Czech 1 Ers ", "Volunteer", "1", "CZ ERS", "");
    row("unit prefix", 185, "Tiger:508", "German", "508", "TIGER", "");
    row("volunteer prefix", 199, "Slov:1 Ers", "Volunteer", "1", "SLK ERS", "");
    row("port", 219, "Port", "", "PORT", "", "");
    row("game marker", 227, "1 Marker", "", "1", "MKR", "");
}

void TestCounterLook::lookOfName() {
    QFETCH(int, row);
    QFETCH(QByteArray, name);
    QFETCH(QString, nation);
    QFETCH(QString, designation);
    QFETCH(QString, service);
    QFETCH(QString, size);
    const CounterLook look = counterLookOf(row, name.toStdString(), 1, 2);
    QCOMPARE(look.kind, kindOfRow(row));
    QCOMPARE(look.nation, nation);
    QCOMPARE(look.designation, designation);
    QCOMPARE(look.service, service);
    QCOMPARE(look.size, size);
    QCOMPARE(look.steps, 1);
    QCOMPARE(look.sizeValue, 2);
}

// Whatever the name, the counter shows something to tell it by, and a size where the
// name ends in one.
void TestCounterLook::everyRowHasSomethingToRead() {
    CounterInitList rows;
    buildOrderOfBattle(rows);
    int row = 0;
    for (const ZeKCounterInitStruct& init : rows) {
        ++row;
        const CounterLook look = counterLookOf(row, init.name, init.steps, init.sizeValue);
        QVERIFY2(!look.designation.isEmpty(), init.name.c_str());
        const bool namedSize =
            init.name.ends_with(" XX") || init.name.ends_with(" III") || init.name.ends_with(" X");
        QCOMPARE(look.size.isEmpty(), !namedSize);
    }
    QCOMPARE(row, kOrderOfBattleSize);
}

QTEST_GUILESS_MAIN(TestCounterLook)
#include "tst_counterlook.moc"
