// The "Plano amostral" tab end to end through the scripted driver: the worked strata typed as a
// user types them, the failures of the computation and what they leave behind, and the stratum
// records (numbering, storing by a move, saving into the needs boxes and the results tables,
// deleting and browsing).

#include "fixture/Fixture.h"
#include "fixture/Replay.h"

#include <QJsonArray>
#include <QLocale>
#include <QtTest>
#include <iterator>

using namespace korva;

namespace {

const QString kCampinas = QStringLiteral(
    "INSERT INTO Cadastro VALUES (3509502, 'Campinas', 'SP', 350000, 'Janeiro de 2012', '2012')");

const QString kPrompt =
    QStringLiteral("input|Obrigatório|Informe o número de bairros a serem computados neste estrato");
const QString kZeroDivide = QStringLiteral("error|Erro|Floating point division by zero");
const QString kInvalidOperation = QStringLiteral("error|Erro|Invalid floating point operation");
const QString kEmptyNumber = QStringLiteral("error|Erro|'' is not a valid floating point value");
const QString kSaveQuestion = QStringLiteral("question|Atenção!|Deseja gravar o registro ?");
const QString kDeleteQuestion = QStringLiteral("confirmation|Confirmação|Deletar este registro?");

// A stratum typed in full: buildings, blocks and the number of neighbourhoods asked for.
QString typeStratum(const QString& buildings, const QString& blocks, const QString& neighbourhoods) {
    return QStringLiteral("type @DBEditNumImvEstrato %1\n"
                          "leave @DBEditNumImvEstrato\n"
                          "type @DBEditNumQuartEstrato %2\n"
                          "answer text %3\n"
                          "leave @DBEditNumQuartEstrato\n")
        .arg(buildings, blocks, neighbourhoods);
}

using test::workWindowText;

QJsonArray rows(const QJsonObject& dump, const QString& table) {
    return dump.value(QStringLiteral("tables")).toObject().value(table).toArray();
}

QString cell(const QJsonValue& v) {
    return v.isNull() || v.isUndefined() ? QStringLiteral("-") : QString::number(v.toDouble(), 'g', 12);
}

// "Estrato:ImoveisProgramados" of every results row, in stored order.
QString programmed(const QJsonArray& table) {
    QStringList out;
    for (const auto& row : table)
        out << cell(row[QStringLiteral("Estrato")]) + QLatin1Char(':') +
                   cell(row[QStringLiteral("ImoveisProgramados")]);
    return out.join(QLatin1Char(' '));
}

// "Municipality/Estrato/buildings/sample size" of every stored stratum.
QString strata(const QJsonArray& plan) {
    QStringList out;
    for (const auto& row : plan)
        out << QStringList{cell(row[QStringLiteral("CodigoMunicipio")]), cell(row[QStringLiteral("Estrato")]),
                           cell(row[QStringLiteral("NumeroDeImoveisNoEstrato")]),
                           cell(row[QStringLiteral("TamanhoDaAmostra")])}
                   .join(QLatin1Char('/'));
    return out.join(QLatin1Char(' '));
}

// A number typed with a decimal comma, the way the table stores it.
QString stored(const char* shown) {
    return QString::number(QString::fromLatin1(shown).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(),
                           'g', 12);
}

struct WorkedStratum {
    const char* n;
    const char* q;
    // EditAux1, sample size, Edit7, Edit10, Edit11, Edit12, estimate, blocks to sample, percentage
    // sampled and interval, as shown.
    const char* shown;
    int m; // the start block lies in 1 .. m
};

const WorkedStratum kWorked[] = {
    {"10000", "400", "450 431 5 25,00 25 0,00 25 86 21,5 4,65116", 5},
    {"8100", "300", "450 426 5 27,00 27 0,00 27 79 26,3 3,79747", 4},
    {"8099", "300", "250 243 2 27,00 27 0,00 27 18 6,0 16,66667", 17},
    {"3000", "150", "250 231 2 20,00 20 0,00 20 23 15,3 6,52174", 7},
    {"500", "40", "250 167 2 12,50 13 0,50 13 26 65,0 1,53846", 2},
    {"12499", "1000", "450 434 5 12,50 12 -0,50 14 155 15,5 6,45161", 6},
};

} // namespace

class TestPlan : public QObject {
    Q_OBJECT

    test::ReplayRun worked_; // the six worked strata typed one after the other and saved

private slots:
    void initTestCase() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        QString script;
        for (int i = 0; i < static_cast<int>(std::size(kWorked)); ++i) {
            const auto& w = kWorked[i];
            // After each stratum is computed: a dump; after it is saved: another.
            script += QStringLiteral("click @SpBtnPlanAmostralNovo\n"
                                     "type @DBEditNumImvEstrato %1\n"
                                     "leave @DBEditNumImvEstrato\n"
                                     "inspect @DBEditNumQuartEstrato\n"
                                     "type @DBEditNumQuartEstrato %2\n"
                                     "answer text %3\n"
                                     "leave @DBEditNumQuartEstrato\n"
                                     "inspect @DBEditEstratoPA\n"
                                     "dump\n"
                                     "click @SpBtnPlanAmostralGravar\n"
                                     "dump\n")
                          .arg(QLatin1String(w.n), QLatin1String(w.q))
                          .arg(i + 2);
        }
        worked_ = test::replayInWorkWindow(script);
    }

    void workedStratum_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(kWorked)); ++i)
            QTest::addRow("%s/%s", kWorked[i].n, kWorked[i].q) << i;
    }
    void workedStratum() {
        QFETCH(int, index);
        QVERIFY2(worked_.clean(), qPrintable(worked_.transcript()));
        const WorkedStratum& w = kWorked[index];
        const QStringList expected = QString::fromLatin1(w.shown).split(QLatin1Char(' '));
        const QJsonObject computed = worked_.dumpAt(2 * index);
        const QJsonObject saved = worked_.dumpAt(2 * index + 1);
        const QString number = QString::number(index + 1);

        const QStringList boxes{QStringLiteral("EditAux1"),
                                QStringLiteral("DBEditTamanhoAmostra"),
                                QStringLiteral("Edit7"),
                                QStringLiteral("Edit10"),
                                QStringLiteral("Edit11"),
                                QStringLiteral("Edit12"),
                                QStringLiteral("DBEditEstimativaImvQuart"),
                                QStringLiteral("DBEditQuartQueComporaoAmostra"),
                                QStringLiteral("DBEditPercQuartAmostrados"),
                                QStringLiteral("DBEditIntervaloQuart")};
        QStringList actual;
        for (const auto& b : boxes)
            actual << workWindowText(computed, b);
        QCOMPARE(actual, expected);
        QCOMPARE(workWindowText(computed, QStringLiteral("DBEditEstratoPA")), number);
        QCOMPARE(workWindowText(computed, QStringLiteral("Edit4")), QString::number(index + 2));
        QCOMPARE(workWindowText(computed, QStringLiteral("Edit3")), QStringLiteral("0"));
        QCOMPARE(workWindowText(computed, QStringLiteral("Edit5")), QStringLiteral("0"));

        bool ok = false;
        const int start = workWindowText(computed, QStringLiteral("DBEditQuartInicial")).toInt(&ok);
        QVERIFY2(ok && start >= 1 && start <= w.m, qPrintable(QStringLiteral("start block %1").arg(start)));
        QCOMPARE(workWindowText(computed, QStringLiteral("EditAux2")), QString::number(start));

        // Leaving the buildings goes on to the blocks; leaving the blocks back to the stratum.
        QVERIFY(worked_
                    .inspected(QStringLiteral("TFormDadosGerais.") + QStringLiteral("DBEditNumQuartEstrato"),
                               index)[QStringLiteral("focus")]
                    .toBool());
        QVERIFY(worked_
                    .inspected(QStringLiteral("TFormDadosGerais.") + QStringLiteral("DBEditEstratoPA"),
                               index)[QStringLiteral("focus")]
                    .toBool());

        // The stored stratum.
        const QJsonArray plan = rows(saved, QStringLiteral("PlanoAmostral"));
        QCOMPARE(plan.size(), index + 1);
        const QJsonObject row = plan[index].toObject();
        const QStringList columns{QStringLiteral("CodigoMunicipio"),
                                  QStringLiteral("Estrato"),
                                  QStringLiteral("NumeroDeImoveisNoEstrato"),
                                  QStringLiteral("TamanhoDaAmostra"),
                                  QStringLiteral("NumeroDeQuarteiroesNoEstrato"),
                                  QStringLiteral("EstimativaDeImoveisPorQuart"),
                                  QStringLiteral("QuartQueComporaoAmostra"),
                                  QStringLiteral("PercentualDeQuartAmostrado"),
                                  QStringLiteral("IntervaloDeQuart"),
                                  QStringLiteral("QuartInicial")};
        const QStringList values{QStringLiteral("3509502"),
                                 number,
                                 QString::fromLatin1(w.n),
                                 expected[1],
                                 QString::fromLatin1(w.q),
                                 stored(qPrintable(expected[6])),
                                 expected[7],
                                 stored(qPrintable(expected[8])),
                                 stored(qPrintable(expected[9])),
                                 QString::number(start)};
        QStringList storedRow;
        QStringList expectedRow;
        for (int c = 0; c < columns.size(); ++c) {
            storedRow << columns[c] + QLatin1Char('=') + cell(row[columns[c]]);
            expectedRow << columns[c] + QLatin1Char('=') + values[c];
        }
        QCOMPARE(storedRow, expectedRow);

        // Saving feeds the needs boxes with every stratum so far, and one results pair.
        QStringList results;
        long long sum = 0;
        for (int i = 0; i <= index; ++i) {
            const QString size = QString::fromLatin1(kWorked[i].shown).section(QLatin1Char(' '), 1, 1);
            results << QStringLiteral("%1:%2").arg(i + 1).arg(size);
            sum += size.toLongLong();
        }
        QCOMPARE(programmed(rows(saved, QStringLiteral("Consolidado"))), results.join(QLatin1Char(' ')));
        QCOMPARE(programmed(rows(saved, QStringLiteral("Indices"))), results.join(QLatin1Char(' ')));
        QCOMPARE(workWindowText(saved, QStringLiteral("DBEdit1")), number);
        QCOMPARE(workWindowText(saved, QStringLiteral("DBEdit2")), QString::number(sum));
        QCOMPARE(workWindowText(saved, QStringLiteral("DBEditEstratoPA")), number);
        QVERIFY(rows(saved, QStringLiteral("Necessidades")).isEmpty());
    }

    // A failing step shows the runtime's message and stops there: what came before stays written,
    // nothing after it is written and the neighbourhood question is not asked.
    void failuresStopAtTheFailingStep_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("shownDialogs");
        QTest::addColumn<QStringList>("texts"); // control=text after the script
        QTest::addColumn<QString>("focused");
        // DBEditEstratoDQ, on the block-definition tab, shows the stratum once a block-definition
        // row is started for it.

        QTest::newRow("no buildings: nothing computed")
            << QStringLiteral("leave @DBEditNumImvEstrato\n") << QStringList()
            << QStringList{QStringLiteral("EditAux1="), QStringLiteral("DBEditTamanhoAmostra=")}
            << QStringLiteral("DBEditNumQuartEstrato");
        QTest::newRow("zero buildings")
            << QStringLiteral("type @DBEditNumImvEstrato 0\n"
                              "answer ok\n"
                              "leave @DBEditNumImvEstrato\n")
            << QStringList{kZeroDivide}
            << QStringList{QStringLiteral("EditAux1=250"), QStringLiteral("DBEditTamanhoAmostra="),
                           QStringLiteral("DBEditEstratoDQ=")}
            << QString();
        QTest::newRow("no buildings, blocks given")
            << QStringLiteral("leave @DBEditNumImvEstrato\n"
                              "type @DBEditNumQuartEstrato 400\n"
                              "answer ok\n"
                              "leave @DBEditNumQuartEstrato\n")
            << QStringList{kEmptyNumber}
            << QStringList{QStringLiteral("DBEditEstratoDQ=1"),
                           QStringLiteral("Edit7="),
                           QStringLiteral("Edit10="),
                           QStringLiteral("DBEditEstimativaImvQuart="),
                           QStringLiteral("DBEditQuartInicial="),
                           QStringLiteral("Edit4="),
                           QStringLiteral("Edit3=")}
            << QString();
        QTest::newRow("zero blocks") << QStringLiteral("type @DBEditNumImvEstrato 100\n"
                                                       "leave @DBEditNumImvEstrato\n"
                                                       "type @DBEditNumQuartEstrato 0\n"
                                                       "answer ok\n"
                                                       "leave @DBEditNumQuartEstrato\n")
                                     << QStringList{kZeroDivide}
                                     << QStringList{QStringLiteral("DBEditTamanhoAmostra=71"),
                                                    QStringLiteral("Edit7=2"),
                                                    QStringLiteral("Edit10="),
                                                    QStringLiteral("DBEditEstimativaImvQuart="),
                                                    QStringLiteral("Edit4="),
                                                    QStringLiteral("Edit3=")}
                                     << QString();
        QTest::newRow("zero buildings and blocks")
            << QStringLiteral("type @DBEditNumImvEstrato 0\n"
                              "answer ok\n"
                              "leave @DBEditNumImvEstrato\n"
                              "type @DBEditNumQuartEstrato 0\n"
                              "answer ok\n"
                              "leave @DBEditNumQuartEstrato\n")
            << QStringList{kZeroDivide, kInvalidOperation}
            << QStringList{QStringLiteral("EditAux1=250"), QStringLiteral("Edit7=2"),
                           QStringLiteral("Edit10="), QStringLiteral("Edit4=")}
            << QString();
        // The buildings are set without the box ever being left: no sample size to divide.
        QTest::newRow("sample size never computed")
            << QStringLiteral("type @DBEditNumQuartEstrato 400\n"
                              "set @DBEditNumImvEstrato 10000\n"
                              "answer ok\n"
                              "leave @DBEditNumQuartEstrato\n")
            << QStringList{kEmptyNumber}
            << QStringList{QStringLiteral("EditAux1="),
                           QStringLiteral("Edit7=5"),
                           QStringLiteral("Edit10=25,00"),
                           QStringLiteral("Edit11=25"),
                           QStringLiteral("Edit12=0,00"),
                           QStringLiteral("DBEditEstimativaImvQuart=25"),
                           QStringLiteral("DBEditQuartQueComporaoAmostra="),
                           QStringLiteral("DBEditIntervaloQuart="),
                           QStringLiteral("DBEditQuartInicial="),
                           QStringLiteral("Edit4=")}
            << QString();
        // No blocks: nothing computed, but the question is asked on every exit; a cancelled
        // answer empties the earlier one.
        QTest::newRow("no blocks still asks") << QStringLiteral("type @DBEditNumImvEstrato 10000\n"
                                                                "leave @DBEditNumImvEstrato\n"
                                                                "answer text 3\n"
                                                                "leave @DBEditNumQuartEstrato\n"
                                                                "answer cancel\n"
                                                                "leave @DBEditNumQuartEstrato\n")
                                              << QStringList{kPrompt, kPrompt}
                                              << QStringList{QStringLiteral("DBEditTamanhoAmostra=431"),
                                                             QStringLiteral("DBEditEstratoDQ=1"),
                                                             QStringLiteral("Edit7="),
                                                             QStringLiteral("DBEditEstimativaImvQuart="),
                                                             QStringLiteral("DBEditQuartInicial="),
                                                             QStringLiteral("Edit4="),
                                                             QStringLiteral("Edit3=0"),
                                                             QStringLiteral("Edit5=0")}
                                              << QString();
    }
    void failuresStopAtTheFailingStep() {
        QFETCH(QString, script);
        QFETCH(QStringList, shownDialogs);
        QFETCH(QStringList, texts);
        QFETCH(QString, focused);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        QString full = QStringLiteral("click @SpBtnPlanAmostralNovo\n") + script;
        if (!focused.isEmpty())
            full += QStringLiteral("inspect @%1\n").arg(focused);
        const auto r = test::replayInWorkWindow(full + QStringLiteral("dump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(), shownDialogs);
        QStringList actual;
        for (const auto& t : texts) {
            const QString control = t.section(QLatin1Char('='), 0, 0);
            actual << control + QLatin1Char('=') + workWindowText(r.lastDump(), control);
        }
        QCOMPARE(actual, texts);
        if (!focused.isEmpty())
            QVERIFY(
                r.inspected(QStringLiteral("TFormDadosGerais.") + focused)[QStringLiteral("focus")].toBool());
    }

    // Deleting removes only the stratum: its results rows and the needs figures stay, and the next
    // number follows the last stratum left.
    void deletingAStratum_data() {
        QTest::addColumn<QString>("navigate");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<QString>("next");
        QTest::newRow("last") << QStringLiteral("click @SpBtnPlanAmostralUR") << QStringLiteral("yes")
                              << QStringLiteral("1 2") << QStringLiteral("3");
        QTest::newRow("middle") << QStringLiteral("click @SpBtnPlanAmostralPR\nclick @SpBtnPlanAmostralProxR")
                                << QStringLiteral("yes") << QStringLiteral("1 3") << QStringLiteral("4");
        QTest::newRow("refused") << QStringLiteral("click @SpBtnPlanAmostralUR") << QStringLiteral("no")
                                 << QStringLiteral("1 2 3") << QStringLiteral("4");
    }
    void deletingAStratum() {
        QFETCH(QString, navigate);
        QFETCH(QString, answer);
        QFETCH(QString, remaining);
        QFETCH(QString, next);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        test::sqlExec(QStringLiteral("INSERT INTO PlanoAmostral (CodigoMunicipio, Estrato, TamanhoDaAmostra) "
                                     "VALUES (3509502, 1, 100), (3509502, 2, 200), (3509502, 3, 300)"));
        test::sqlExec(QStringLiteral(
            "INSERT INTO Consolidado (Estrato, ImoveisProgramados) VALUES (1, 100), (2, 200), (3, 300)"));
        test::sqlExec(QStringLiteral(
            "INSERT INTO Indices (Estrato, ImoveisProgramados) VALUES (1, 100), (2, 200), (3, 300)"));
        test::sqlExec(QStringLiteral(
            "INSERT INTO Necessidades (QuantEstratosALevantar, SomaDosImoveisATrabalhar) VALUES (3, 600)"));
        const auto r = test::replayInWorkWindow(navigate + QStringLiteral("\nanswer %1\n"
                                                                          "click @SpBtnPlanAmostralExcluir\n"
                                                                          "click @SpBtnPlanAmostralNovo\n"
                                                                          "dump\n")
                                                               .arg(answer));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(), QStringList{kDeleteQuestion});
        QStringList left;
        for (const auto& row : r.table(QStringLiteral("PlanoAmostral")))
            left << cell(row[QStringLiteral("Estrato")]);
        QCOMPARE(left.join(QLatin1Char(' ')), remaining);
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEditEstratoPA")), next);
        QCOMPARE(programmed(r.table(QStringLiteral("Consolidado"))), QStringLiteral("1:100 2:200 3:300"));
        QCOMPARE(programmed(r.table(QStringLiteral("Indices"))), QStringLiteral("1:100 2:200 3:300"));
        const QJsonArray needs = r.table(QStringLiteral("Necessidades"));
        QCOMPARE(needs.size(), 1);
        QCOMPARE(cell(needs[0][QStringLiteral("QuantEstratosALevantar")]), QStringLiteral("3"));
        QCOMPARE(cell(needs[0][QStringLiteral("SomaDosImoveisATrabalhar")]), QStringLiteral("600"));
    }

    // A new stratum left by "Novo Estrato" or a browse button instead of "Gravar" is stored with
    // what it holds, and feeds neither the needs boxes nor the results tables.
    void newStratumStoredByAMove_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("edit3");
        QTest::addColumn<QStringList>("shownDialogs");
        const QString full = typeStratum(QStringLiteral("10000"), QStringLiteral("400"), QStringLiteral("2"));
        // "Gravar" first, on an empty plan, does nothing.
        QTest::newRow("new stratum twice")
            << QStringLiteral("click @SpBtnPlanAmostralGravar\n"
                              "click @SpBtnPlanAmostralNovo\n"
                              "click @SpBtnPlanAmostralNovo\n")
            << QStringLiteral("3509502/1/-/-") << QStringLiteral("2") << QString() << QStringList();
        QTest::newRow("new stratum after a full one")
            << QStringLiteral("click @SpBtnPlanAmostralNovo\n") + full +
                   QStringLiteral("click @SpBtnPlanAmostralNovo\n")
            << QStringLiteral("3509502/1/10000/431") << QStringLiteral("2") << QString()
            << QStringList{kPrompt};
        QTest::newRow("browsed away") << QStringLiteral("click @SpBtnPlanAmostralNovo\n") + full +
                                             QStringLiteral("click @SpBtnPlanAmostralPR\n")
                                      << QStringLiteral("3509502/1/10000/431") << QStringLiteral("1")
                                      << QStringLiteral("0") << QStringList{kPrompt};
    }
    void newStratumStoredByAMove() {
        QFETCH(QString, script);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, edit3);
        QFETCH(QStringList, shownDialogs);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto r = test::replayInWorkWindow(script + QStringLiteral("dump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(), shownDialogs);
        QCOMPARE(strata(r.table(QStringLiteral("PlanoAmostral"))), stored);
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEditEstratoPA")), shown);
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.Edit3")), edit3);
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEdit1")), QString());
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEdit2")), QString());
        QVERIFY(r.table(QStringLiteral("Consolidado")).isEmpty());
        QVERIFY(r.table(QStringLiteral("Indices")).isEmpty());
        QVERIFY(r.table(QStringLiteral("Necessidades")).isEmpty());
    }

    // A stored stratum changed and then left is stored by the move, whatever the answer to the
    // question "Novo Estrato" asks; browsing asks nothing.
    void changedStratumStoredByAMove_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QStringList>("shownDialogs");
        QTest::addColumn<QString>("shown");
        QTest::newRow("new stratum, yes") << QStringLiteral("answer yes\nclick @SpBtnPlanAmostralNovo")
                                          << QStringList{kPrompt, kSaveQuestion} << QStringLiteral("3");
        QTest::newRow("new stratum, no") << QStringLiteral("answer no\nclick @SpBtnPlanAmostralNovo")
                                         << QStringList{kPrompt, kSaveQuestion} << QStringLiteral("3");
        QTest::newRow("next") << QStringLiteral("click @SpBtnPlanAmostralProxR") << QStringList{kPrompt}
                              << QStringLiteral("2");
    }
    void changedStratumStoredByAMove() {
        QFETCH(QString, move);
        QFETCH(QStringList, shownDialogs);
        QFETCH(QString, shown);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        test::sqlExec(
            QStringLiteral("INSERT INTO PlanoAmostral (CodigoMunicipio, Estrato, NumeroDeImoveisNoEstrato, "
                           "TamanhoDaAmostra) VALUES (3509502, 1, 5000, 100), (3509502, 2, 6000, 200)"));
        const auto r = test::replayInWorkWindow(
            typeStratum(QStringLiteral("9000"), QStringLiteral("300"), QStringLiteral("1")) + move +
            QStringLiteral("\ndump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(), shownDialogs);
        QCOMPARE(strata(r.table(QStringLiteral("PlanoAmostral"))),
                 QStringLiteral("3509502/1/9000/429 3509502/2/6000/200"));
        QCOMPARE(
            cell(r.table(QStringLiteral("PlanoAmostral"))[0][QStringLiteral("NumeroDeQuarteiroesNoEstrato")]),
            QStringLiteral("300"));
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEditEstratoPA")), shown);
        QVERIFY(r.table(QStringLiteral("Consolidado")).isEmpty());
    }

    // Saving a stratum that already has results rows updates them in place (the Indices row at the
    // same stored position); a stratum without any gets a new pair. The needs boxes count every
    // stratum and sum their sample sizes; the plan is left on its last stratum.
    void savingUpdatesTheResultsRowsInPlace() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        test::sqlExec(
            QStringLiteral("INSERT INTO PlanoAmostral (CodigoMunicipio, Estrato, TamanhoDaAmostra) VALUES "
                           "(3509502, 1, 100), (3509502, 2, 200), (3509502, 3, 300), (3509502, 4, 400), "
                           "(3509502, 5, 500)"));
        // Saved earlier out of order; stratum 5 never saved.
        test::sqlExec(QStringLiteral("INSERT INTO Consolidado (Estrato, ImoveisProgramados) VALUES (1, 100), "
                                     "(3, 300), (2, 200), (4, 400)"));
        test::sqlExec(QStringLiteral("INSERT INTO Indices (Estrato, ImoveisProgramados) VALUES (1, 100), (3, "
                                     "300), (2, 200), (4, 400)"));
        const QString toThird = QStringLiteral("click @SpBtnPlanAmostralPR\n"
                                               "click @SpBtnPlanAmostralProxR\n"
                                               "click @SpBtnPlanAmostralProxR\n");
        const auto r = test::replayInWorkWindow(
            QStringLiteral("click @SpBtnPlanAmostralGravar\n"
                           "dump\n") +
            toThird + typeStratum(QStringLiteral("8100"), QStringLiteral("300"), QStringLiteral("1")) +
            QStringLiteral("click @SpBtnPlanAmostralGravar\n"
                           "dump\n") +
            toThird + typeStratum(QStringLiteral("3000"), QStringLiteral("150"), QStringLiteral("1")) +
            QStringLiteral("click @SpBtnPlanAmostralGravar\n"
                           "dump\n") +
            typeStratum(QStringLiteral("500"), QStringLiteral("40"), QStringLiteral("1")) +
            QStringLiteral("click @SpBtnPlanAmostralGravar\n"
                           "dump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));

        const struct {
            const char* after;
            const char* results;
            const char* count;
            const char* sum;
            const char* shown;
        } expected[] = {
            {"saving a row not changed", "1:100 3:300 2:200 4:400", "", "", "1"},
            {"stratum 3 saved", "1:100 3:426 2:200 4:400", "5", "1626", "5"},
            {"stratum 3 saved again", "1:100 3:231 2:200 4:400", "5", "1431", "5"},
            {"stratum 5 saved", "1:100 3:231 2:200 4:400 5:167", "5", "1098", "5"},
        };
        for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
            const auto& e = expected[i];
            const QJsonObject d = r.dumpAt(i);
            const QString where = QString::fromLatin1(e.after);
            QCOMPARE(where + QLatin1Char(' ') + programmed(rows(d, QStringLiteral("Consolidado"))),
                     where + QLatin1Char(' ') + QLatin1String(e.results));
            QCOMPARE(where + QLatin1Char(' ') + programmed(rows(d, QStringLiteral("Indices"))),
                     where + QLatin1Char(' ') + QLatin1String(e.results));
            QCOMPARE(where + QLatin1Char(' ') + workWindowText(d, QStringLiteral("DBEdit1")),
                     where + QLatin1Char(' ') + QLatin1String(e.count));
            QCOMPARE(where + QLatin1Char(' ') + workWindowText(d, QStringLiteral("DBEdit2")),
                     where + QLatin1Char(' ') + QLatin1String(e.sum));
            QCOMPARE(where + QLatin1Char(' ') + workWindowText(d, QStringLiteral("DBEditEstratoPA")),
                     where + QLatin1Char(' ') + QLatin1String(e.shown));
            QVERIFY(rows(d, QStringLiteral("Necessidades")).isEmpty());
        }
        QCOMPARE(strata(r.table(QStringLiteral("PlanoAmostral"))),
                 QStringLiteral("3509502/1/-/100 3509502/2/-/200 3509502/3/3000/231 3509502/4/-/400 "
                                "3509502/5/500/167"));
    }

    // The browse buttons enable and disable each other by where the move ended; the start block
    // mirror follows the row shown.
    void browsing() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        test::sqlExec(
            QStringLiteral("INSERT INTO PlanoAmostral (CodigoMunicipio, Estrato, QuartInicial) VALUES "
                           "(3509502, 1, 3), (3509502, 2, 3), (3509502, 3, 7)"));
        const struct {
            const char* click; // nothing: the window as it opens
            const char* shown;
            const char* enabled; // first, prior, next, last
            const char* mirror;
        } steps[] = {
            // clang-format off
            {"",      "1", "1111", "EditAux2"},
            {"ProxR", "2", "1111", "3"}, // the same start block shown: only the move updates the mirror
            {"ProxR", "3", "1111", "7"}, // reached the last row, not past it
            {"ProxR", "3", "1100", "7"},
            {"RA",    "2", "1111", "3"},
            {"RA",    "1", "1111", "3"},
            {"RA",    "1", "0011", "3"},
            {"UR",    "3", "1100", "7"},
            {"PR",    "1", "0011", "3"},
            // clang-format on
        };
        const QStringList buttons{
            QStringLiteral("SpBtnPlanAmostralPR"), QStringLiteral("SpBtnPlanAmostralRA"),
            QStringLiteral("SpBtnPlanAmostralProxR"), QStringLiteral("SpBtnPlanAmostralUR")};
        QString script;
        for (const auto& s : steps) {
            if (*s.click)
                script += QStringLiteral("click @SpBtnPlanAmostral%1\n").arg(QLatin1String(s.click));
            for (const auto& b : buttons)
                script += QStringLiteral("inspect @%1\n").arg(b);
            script += QStringLiteral("inspect @DBEditEstratoPA\ninspect @EditAux2\n");
        }
        const auto r = test::replayInWorkWindow(script);
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QVERIFY(r.dialogs().isEmpty());
        for (int i = 0; i < static_cast<int>(std::size(steps)); ++i) {
            const auto& s = steps[i];
            QString enabled;
            for (const auto& b : buttons)
                enabled += r.inspected(QStringLiteral("TFormDadosGerais.") + b, i)[QStringLiteral("enabled")]
                                   .toBool()
                               ? QLatin1Char('1')
                               : QLatin1Char('0');
            const QString actual =
                QStringList{
                    r.inspected(QStringLiteral("TFormDadosGerais.") + QStringLiteral("DBEditEstratoPA"),
                                i)[QStringLiteral("text")]
                        .toString(),
                    enabled,
                    r.inspected(QStringLiteral("TFormDadosGerais.") + QStringLiteral("EditAux2"),
                                i)[QStringLiteral("text")]
                        .toString()}
                    .join(QLatin1Char(' '));
            const QString wanted =
                QStringList{QLatin1String(s.shown), QLatin1String(s.enabled), QLatin1String(s.mirror)}.join(
                    QLatin1Char(' '));
            const QString step = QStringLiteral("step %1 (%2): ").arg(i).arg(QLatin1String(s.click));
            QCOMPARE(step + actual, step + wanted);
        }
    }

    // A city of over three million buildings: 400 strata typed and saved one by one.
    void fourHundredStrata() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        QString script;
        long long sum = 0;
        for (int i = 0; i < 400; ++i) {
            const int buildings = 8000 + 10 * i;
            script += QStringLiteral("click @SpBtnPlanAmostralNovo\n") +
                      typeStratum(QString::number(buildings), QString::number(300 + i), QStringLiteral("5")) +
                      QStringLiteral("click @SpBtnPlanAmostralGravar\n");
            const long double a = buildings >= 8100 ? 450 : 250;
            sum += std::llround(static_cast<double>(a / (a / buildings + 1)));
        }
        script += QStringLiteral("dump\n");
        const auto r = test::replayInWorkWindow(script);
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.table(QStringLiteral("PlanoAmostral")).size(), 400);
        QCOMPARE(r.table(QStringLiteral("Consolidado")).size(), 400);
        QCOMPARE(r.table(QStringLiteral("Indices")).size(), 400);
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEdit1")), QStringLiteral("400"));
        QCOMPARE(r.control(QStringLiteral("TFormDadosGerais.DBEdit2")), QString::number(sum));
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "tst_plan.moc"
