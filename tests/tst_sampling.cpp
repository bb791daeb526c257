// The sample plan of a stratum and the systematic choice of blocks, with the worked tables.

#include "common/KorvaError.h"
#include "common/NumberText.h"
#include "sampling/BlockSelection.h"
#include "sampling/SamplePlan.h"

#include <QtTest>
#include <map>

using namespace korva;
using namespace korva::sampling;

class TestSampling : public QObject {
    Q_OBJECT
private slots:
    void init() { num::setDecimalSeparator(QLatin1Char(',')); }

    void workedPlan_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QStringList>(
            "expected"); // EditAux1 T Edit7 Edit10 Edit11 Edit12 estimate B % interval
        QTest::addColumn<int>("m");
        auto row = [](const char* n, const char* q, const char* expected, int m) {
            QTest::addRow("%s/%s", n, q) << QString(n) << QString(q) << QString(expected).split(' ') << m;
        };
        row("10000", "400", "450 431 5 25,00 25 0,00 25 86 21,5 4,65116", 5);
        row("8100", "300", "450 426 5 27,00 27 0,00 27 79 26,3 3,79747", 4);
        row("8099", "300", "250 243 2 27,00 27 0,00 27 18 6,0 16,66667", 17);
        row("3000", "150", "250 231 2 20,00 20 0,00 20 23 15,3 6,52174", 7);
        row("500", "40", "250 167 2 12,50 13 0,50 13 26 65,0 1,53846", 2);
        row("12499", "1000", "450 434 5 12,50 12 -0,50 14 155 15,5 6,45161", 6);
        // N / Q = 12.3 gives 13; 12.003 is first rounded to 12.00 and gives 12.
        row("123", "10", "250 82 2 12,30 12 -0,30 13 13 130,0 0,76923", 1);
        row("12003", "1000", "450 434 5 12,00 12 0,00 12 181 18,1 5,52486", 6);
    }
    void workedPlan() {
        QFETCH(QString, n);
        QFETCH(QString, q);
        QFETCH(QStringList, expected);
        QFETCH(int, m);
        SampleSize size;
        computeSampleSize(n, size);
        BlockParameters p;
        computeBlockParameters(n, q, *size.sampleSize, p);
        const QStringList actual{*size.baseValue,   *size.sampleSize, *p.divisor,  *p.ratio2,
                                 *p.ratio0,         *p.difference,    *p.estimate, *p.blocksToSample,
                                 *p.percentSampled, *p.interval};
        QCOMPARE(actual, expected);
        QCOMPARE(*p.startBlockRange, m);
    }

    void planFailuresKeepEarlierTexts() {
        SampleSize size;
        QVERIFY_THROWS_EXCEPTION(KorvaError, computeSampleSize("0", size));
        QCOMPARE(*size.baseValue, QStringLiteral("250"));
        QVERIFY(!size.sampleSize);

        // No sample size yet: the step of the blocks to sample fails, the texts before it stay.
        BlockParameters p;
        try {
            computeBlockParameters("10000", "400", "", p);
            QFAIL("no error");
        } catch (const KorvaError& e) {
            QCOMPARE(e.message(), QStringLiteral("'' is not a valid floating point value"));
        }
        QCOMPARE(*p.estimate, QStringLiteral("25"));
        QVERIFY(!p.blocksToSample);

        const struct {
            const char *n, *q, *message;
        } cases[] = {{"", "400", "'' is not a valid floating point value"},
                     {"100", "0", "Floating point division by zero"},
                     {"0", "0", "Invalid floating point operation"},
                     {"1", "1000", "Floating point division by zero"}}; // estimate 0
        for (const auto& c : cases) {
            BlockParameters r;
            try {
                computeBlockParameters(c.n, c.q, "100", r);
                QFAIL(c.n);
            } catch (const KorvaError& e) {
                QCOMPARE(e.message(), QString(c.message));
            }
        }
    }

    void startBlockDraw() {
        // Every (r1, r2) outcome for m = 5: 1 has probability 3/10, 5 has 1/10.
        std::map<QString, int> seen;
        for (int r1 = 0; r1 < 5; ++r1)
            for (int r2 = 0; r2 < 2; ++r2) {
                int call = 0;
                ++seen[drawStartBlock(5, [&](int upper) { return call++ == 0 && upper == 5 ? r1 : r2; })];
            }
        QCOMPARE(seen[QStringLiteral("1")], 3);
        QCOMPARE(seen[QStringLiteral("2")], 2);
        QCOMPARE(seen[QStringLiteral("5")], 1);
        QCOMPARE(static_cast<int>(seen.size()), 5);
        // m of 0 or 1 always starts at 1.
        for (int m : {0, 1})
            for (int r2 : {0, 1})
                QCOMPARE(drawStartBlock(m, [&](int upper) { return upper == 2 ? r2 : 0; }),
                         QStringLiteral("1"));
    }

    void workedPicks() {
        // Interval 4.65116, start 3: the carry runs from one neighbourhood into the next.
        const struct {
            const char* blocks;
            const char* list;
            const char* observation;
            int count;
            const char* carryAfter;
        } items[] = {{"20", "3  -  7  -  12  -  16", "Quarteirões a trabalhar", 4, "2"},
                     {"3", "2", "Quarteirões a trabalhar", 1, "4"},
                     {"2", "", "       Não levantar", 0, "4"},
                     {"10", "4  -  8", "Quarteirões a trabalhar", 2, "3"}};
        QString carry = QStringLiteral("3");
        for (const auto& item : items) {
            PickResult r;
            pickBlocks({"3", carry, item.blocks, "4,65116", ""}, r);
            QCOMPARE(*r.list, QString(item.list));
            QCOMPARE(*r.observation, QString(item.observation));
            QCOMPARE(*r.count, item.count);
            if (r.carry)
                carry = *r.carry;
            QCOMPARE(carry, QString(item.carryAfter));
        }
    }

    void pickEdgeCases() {
        // A carry of 0 is passed on: the next neighbourhood starts at block 0.
        PickResult a;
        pickBlocks({"1", "1", "10", "4,65116", ""}, a);
        QCOMPARE(*a.list, QStringLiteral("1  -  5"));
        QCOMPARE(*a.carry, QStringLiteral("0"));
        PickResult b;
        pickBlocks({"1", *a.carry, "8", "4,65116", ""}, b);
        QCOMPARE(*b.list, QStringLiteral("0  -  4"));
        QCOMPARE(*b.count, 2);
        QCOMPARE(*b.carry, QStringLiteral("1"));
        // A start equal to the block count lists only the start.
        PickResult c;
        pickBlocks({"7", "7", "7", "4,65116", ""}, c);
        QCOMPARE(*c.list, QStringLiteral("7"));
        QCOMPARE(*c.count, 1);
        // No start block in the plan (below 1): the list starts at 1.
        PickResult d;
        pickBlocks({"0", "EditAux2", "6", "4,65116", ""}, d);
        QCOMPARE(*d.list, QStringLiteral("1  -  5"));
        // A start typed by hand keeps fractional positions and leaves the carry alone.
        PickResult e;
        pickBlocks({"3", "9", "20", "4,65116", "3"}, e);
        QCOMPARE(*e.list, QStringLiteral("3  -  7,65116  -  12,30232  -  16,95348"));
        QCOMPARE(*e.count, 4);
        QVERIFY(!e.carry);
        num::setDecimalSeparator(QLatin1Char('.'));
        PickResult f;
        pickBlocks({"3", "9", "20", "4.65116", "3"}, f);
        QCOMPARE(*f.list, QStringLiteral("3  -  7.65116  -  12.30232  -  16.95348"));
    }

    void pickFailures() {
        // Carry not a whole number (no stratum shown yet): the list already holds the start.
        PickResult a;
        QVERIFY_THROWS_EXCEPTION(KorvaError, pickBlocks({"3", "EditAux2", "20", "4,65116", ""}, a));
        QCOMPARE(*a.list, QStringLiteral("EditAux2"));
        // Empty blocks: invalid integer.
        PickResult b;
        try {
            pickBlocks({"3", "3", "", "4,65116", ""}, b);
            QFAIL("no error");
        } catch (const KorvaError& e) {
            QCOMPARE(e.message(), QStringLiteral("'' is not a valid integer value"));
        }
        // Plan without a start block: nothing changes.
        PickResult c;
        QVERIFY_THROWS_EXCEPTION(KorvaError, pickBlocks({"", "3", "20", "4,65116", ""}, c));
        QVERIFY(!c.list && !c.observation);
        // A calculated list put back into editing: the typed-start path cannot read it.
        PickResult d;
        try {
            pickBlocks({"3", "3", "20", "4,65116", "3  -  7"}, d);
            QFAIL("no error");
        } catch (const KorvaError& e) {
            QCOMPARE(e.message(), QStringLiteral("'3  -  7' is not a valid floating point value"));
        }
        QCOMPARE(*d.observation, QStringLiteral("Quarteirões a trabalhar"));
    }
};

QTEST_GUILESS_MAIN(TestSampling)
#include "tst_sampling.moc"
