#include "common/KorvaError.h"
#include "common/NumberText.h"

#include <QtTest>

using namespace korva;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void fixedDecimals_data();
    void fixedDecimals();
    void extendedPrecision();
    void generalForm_data();
    void generalForm();
    void parsing_data();
    void parsing();
    void percentages_data();
    void percentages();
    void divisionErrors();
    void halvesToEven();
};

// Cases are written with a point; the test runs them in a comma and a point locale.
static QString local(const QString& s, QChar sep) {
    QString t = s;
    return t.replace(QLatin1Char('.'), sep);
}

void TestNumberText::fixedDecimals_data() {
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("fmt");
    QTest::addColumn<QString>("expected");
    const struct {
        long double v;
        const char* fmt;
        const char* out;
    } cases[] = {
        {12.5L, "%.0f", "13"},
        {13.5L, "%.0f", "14"},
        {0.125L, "%.2f", "0.13"},
        {2.5L, "%.0f", "3"},
        {-2.5L, "%.0f", "-3"},
        {0.5L, "%.0f", "1"},
        {0.49L, "%.0f", "0"},
        {431.034L, "%.0f", "431"},
        {21.5L, "%.1f", "21.5"},
        {4.651162790697674L, "%.5f", "4.65116"},
        {16.666666666666667L, "%.5f", "16.66667"},
        {-0.5L, "%.2f", "-0.50"},
        {-0.004L, "%.2f", "0.00"},
        {12.3456L, "%1f", "12.35"},
        {3.0L, "%.2f", "3.00"},
        {99.95L, "%.1f", "100.0"},
        {1234567.5L, "%.0f", "1234568"},
        {0.0L, "%.1f", "0.0"},
        {7.0L, "%5.1f", "  7.0"},
    };
    for (QChar sep : {QChar(','), QChar('.')})
        for (const auto& c : cases)
            QTest::addRow("%s %s [%c]", c.out, c.fmt, sep.toLatin1())
                << sep << static_cast<double>(c.v) << QString::fromLatin1(c.fmt)
                << local(QString::fromLatin1(c.out), sep);
}

void TestNumberText::fixedDecimals() {
    QFETCH(QChar, sep);
    QFETCH(double, value);
    QFETCH(QString, fmt);
    QFETCH(QString, expected);
    num::setDecimalSeparator(sep);
    QCOMPARE(num::format(fmt.toLatin1().constData(), value), expected);
}

// The 80-bit value 1.005 rounds up; the nearest double (1.00499999...) would not.
void TestNumberText::extendedPrecision() {
    num::setDecimalSeparator(QLatin1Char(','));
    QCOMPARE(num::fixed(1.005L, 2), QStringLiteral("1,01"));
    QCOMPARE(num::fixed(static_cast<double>(1.005L), 2), QStringLiteral("1,00"));
    QCOMPARE(num::fixed(12499.0L / 1000.0L, 2), QStringLiteral("12,50"));
}

void TestNumberText::generalForm_data() {
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    const struct {
        double v;
        const char* out;
    } cases[] = {{2.5, "2.5"},
                 {3.0, "3"},
                 {33.33, "33.33"},
                 {7.65116, "7.65116"},
                 {12.30232, "12.30232"},
                 {16.95348, "16.95348"},
                 {0.1 + 0.2, "0.3"},
                 {-4.25, "-4.25"},
                 {0.0001, "0.0001"},
                 {0.00001, "1E-5"},
                 {1e15, "1E15"},
                 {123456789012345.0, "123456789012345"},
                 {0.0, "0"}};
    for (QChar sep : {QChar(','), QChar('.')})
        for (const auto& c : cases)
            QTest::addRow("%s [%c]", c.out, sep.toLatin1())
                << sep << c.v << local(QString::fromLatin1(c.out), sep);
}

void TestNumberText::generalForm() {
    QFETCH(QChar, sep);
    QFETCH(double, value);
    QFETCH(QString, expected);
    num::setDecimalSeparator(sep);
    QCOMPARE(num::general(value), expected);
}

void TestNumberText::parsing_data() {
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isFloat");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("error");
    const QString notFloat = QStringLiteral("'%1' is not a valid floating point value");
    const QString notInt = QStringLiteral("'%1' is not a valid integer value");
    for (QChar sep : {QChar(','), QChar('.')}) {
        const QChar other = sep == QLatin1Char(',') ? QChar('.') : QChar(',');
        const QString s(sep);
        QTest::addRow("decimal [%c]", sep.toLatin1())
            << sep << "4" + s + "65116" << true << 4.65116 << QString();
        QTest::addRow("blanks [%c]", sep.toLatin1()) << sep << "  12" + s + "5 " << true << 12.5 << QString();
        QTest::addRow("negative [%c]", sep.toLatin1()) << sep << "-0" + s + "50" << true << -0.5 << QString();
        QTest::addRow("exponent [%c]", sep.toLatin1()) << sep << "1E3" << true << 1000.0 << QString();
        QTest::addRow("empty float [%c]", sep.toLatin1()) << sep << "" << true << 0.0 << notFloat.arg("");
        QTest::addRow("word float [%c]", sep.toLatin1())
            << sep << "abc" << true << 0.0 << notFloat.arg("abc");
        QTest::addRow("other separator [%c]", sep.toLatin1())
            << sep << "1" + QString(other) + "5" << true << 0.0 << notFloat.arg("1" + QString(other) + "5");
        QTest::addRow("two numbers [%c]", sep.toLatin1())
            << sep << "3  -  7" << true << 0.0 << notFloat.arg("3  -  7");
        QTest::addRow("int [%c]", sep.toLatin1()) << sep << " 86 " << false << 86.0 << QString();
        QTest::addRow("int sign [%c]", sep.toLatin1()) << sep << "-12" << false << -12.0 << QString();
        QTest::addRow("int decimal [%c]", sep.toLatin1())
            << sep << "12" + s + "5" << false << 0.0 << notInt.arg("12" + s + "5");
        QTest::addRow("int empty [%c]", sep.toLatin1()) << sep << "" << false << 0.0 << notInt.arg("");
        QTest::addRow("int too big [%c]", sep.toLatin1())
            << sep << "3000000000" << false << 0.0 << notInt.arg("3000000000");
        QTest::addRow("EditAux2 [%c]", sep.toLatin1())
            << sep << "EditAux2" << false << 0.0 << notInt.arg("EditAux2");
    }
}

void TestNumberText::parsing() {
    QFETCH(QChar, sep);
    QFETCH(QString, text);
    QFETCH(bool, isFloat);
    QFETCH(double, expected);
    QFETCH(QString, error);
    num::setDecimalSeparator(sep);
    try {
        const long double v = isFloat ? num::parseFloat(text) : num::parseInt(text);
        QVERIFY2(error.isEmpty(), "expected an error");
        QCOMPARE(static_cast<double>(v), expected);
    } catch (const KorvaError& e) {
        QCOMPARE(e.message(), error);
    }
}

void TestNumberText::percentages_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("1/400") << 1.0 << 400.0 << 0.3;
    QTest::newRow("249/2000") << 249.0 << 2000.0 << 12.5;
    QTest::newRow("2/3") << 2.0 << 3.0 << 66.7;
    QTest::newRow("zero denominator") << 5.0 << 0.0 << 0.0;
    QTest::newRow("86 of 400") << 86.0 << 400.0 << 21.5;
    QTest::newRow("all") << 7.0 << 7.0 << 100.0;
}

void TestNumberText::percentages() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QCOMPARE(static_cast<double>(num::percent1(a, b)), expected);
}

void TestNumberText::divisionErrors() {
    QCOMPARE(static_cast<double>(num::divide(10, 4)), 2.5);
    try {
        num::divide(1, 0);
        QFAIL("no error");
    } catch (const KorvaError& e) {
        QCOMPARE(e.message(), QStringLiteral("Floating point division by zero"));
    }
    try {
        num::divide(0, 0);
        QFAIL("no error");
    } catch (const KorvaError& e) {
        QCOMPARE(e.message(), QStringLiteral("Invalid floating point operation"));
    }
}

void TestNumberText::halvesToEven() {
    QCOMPARE(num::roundHalfEven(2.5), 2LL);
    QCOMPARE(num::roundHalfEven(3.5), 4LL);
    QCOMPARE(num::roundHalfEven(-2.5), -2LL);
    QCOMPARE(num::roundHalfEven(431.0), 431LL);
    QCOMPARE(num::roundHalfEven(430.6), 431LL);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
