// The "Definição de quarteirões" tab end to end through the scripted driver: the blocks picked
// neighbourhood by neighbourhood with the carry between them, a start typed by hand, the check of
// the stratum once every announced neighbourhood is in, the failures and what they leave behind,
// the block-definition records, and the viewer of a stratum's neighbourhoods.

#include "fixture/Fixture.h"
#include "fixture/Replay.h"

#include <QJsonArray>
#include <QtTest>
#include <iterator>

using namespace korva;

namespace {

const QString kCampinas = QStringLiteral(
    "INSERT INTO Cadastro VALUES (3509502, 'Campinas', 'SP', 350000, 'Janeiro de 2012', '2012')");

const QString kToWork = QStringLiteral("Quarteirões a trabalhar");
const QString kNotToWork = QStringLiteral("       Não levantar");
const QString kPrompt =
    QStringLiteral("input|Obrigatório|Informe o número de bairros a serem computados neste estrato");
const QString kSaveQuestion = QStringLiteral("question|Atenção!|Deseja gravar o registro ?");
const QString kMismatch = QStringLiteral(
    "information|Korva|Total de quarteirões a inspecionar no estrato é diferente do n° de quarteirões que "
    "comporão a amostra. Redigite os bairros com os respectivos números corretos de quarteirões");

// A new stratum of 10000 buildings in 400 blocks (interval 4,65116, 86 blocks to sample) with the
// neighbourhood count answered as given, saved, its start block pinned, and the block tab shown.
QString stratum(const QString& neighbourhoods, const QString& start,
                const QString& buildings = QStringLiteral("10000"),
                const QString& blocks = QStringLiteral("400")) {
    return QStringLiteral("click @TabSheetPlanoAmostral\n"
                          "click @SpBtnPlanAmostralNovo\n"
                          "type @DBEditNumImvEstrato %1\n"
                          "leave @DBEditNumImvEstrato\n"
                          "type @DBEditNumQuartEstrato %2\n"
                          "answer %3\n"
                          "leave @DBEditNumQuartEstrato\n"
                          "click @SpBtnPlanAmostralGravar\n"
                          "set @DBEditQuartInicial %4\n"
                          "click @TabSheetDefQuart\n")
        .arg(buildings, blocks, neighbourhoods, start);
}

// A new neighbourhood typed and calculated.
QString neighbourhood(const QString& item, const QString& name, const QString& blocks) {
    return QStringLiteral("click @SpBtnDefQuartNovo\n"
                          "type @DBEditItem %1\n"
                          "type @DBEditBairro %2\n"
                          "type @DBEditQuart %3\n"
                          "click @SpBtnCalculoQuart\n")
        .arg(item, name, blocks);
}

using test::workWindowText;

// "control=text" of several controls of the work window, for one comparison.
QStringList texts(const QJsonObject& dump, const QStringList& controls) {
    QStringList out;
    for (const auto& c : controls)
        out << c + QLatin1Char('=') + workWindowText(dump, c);
    return out;
}

QString cell(const QJsonValue& v) {
    if (v.isNull() || v.isUndefined())
        return QStringLiteral("-");
    return v.isString() ? v.toString() : QString::number(v.toDouble(), 'g', 12);
}

// The stored block definitions, one "Estrato/Bairro/Quarteirao/Observação/TotalQuartBairro/list"
// a row.
QStringList definitions(const QJsonObject& dump) {
    QStringList out;
    const QJsonArray table =
        dump.value(QStringLiteral("tables")).toObject().value(QStringLiteral("DefinicaoQuart")).toArray();
    for (const auto& row : table) {
        QStringList cells;
        for (const char* column :
             {"Estrato", "Bairro", "Quarteirao", "Observação", "TotalQuartBairro", "QuarteiroesATrabalhar"})
            cells << cell(row[QString::fromUtf8(column)]);
        out << cells.join(QLatin1Char('/'));
    }
    return out;
}

// The rows an inspected grid shows, "cell|cell" each.
QStringList gridRows(const QJsonObject& grid) {
    QStringList out;
    for (const auto& row : grid.value(QStringLiteral("rows")).toArray()) {
        QStringList cells;
        for (const auto& c : row.toArray())
            cells << c.toString();
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

// What one calculation shows: the observation, the list, the count, the carry, the stratum total,
// the neighbourhoods counted and the running sum of the blocks typed.
const QStringList kShown{QStringLiteral("DBTextObs"),
                         QStringLiteral("DBMemoQuartATrab"),
                         QStringLiteral("DBEditTotalQuartBairro"),
                         QStringLiteral("EditAux2"),
                         QStringLiteral("EditTotQuartEstrato"),
                         QStringLiteral("Edit5"),
                         QStringLiteral("Edit3")};

struct Step {
    const char* name;
    const char* blocks;
    // Observation|list|count|carry|stratum total|Edit5|Edit3, as shown after the calculation.
    const char* shown;
};

struct Scenario {
    const char* title;
    const char* neighbourhoods; // announced at the prompt
    const char* start;
    QList<Step> steps;
};

const Scenario kScenarios[] = {
    {"worked example",
     "4",
     "3",
     {{"Centro", "20", "Quarteirões a trabalhar|3  -  7  -  12  -  16|4|2|4|1|20"},
      {"Vila", "3", "Quarteirões a trabalhar|2|1|4|5|2|23"},
      {"Jardim", "2", "       Não levantar||0|4|5|3|25"},
      // All four in, blocks typed (35) short of the stratum's 400 but the total (7) within the
      // 86 to sample: no message, the count starts again.
      {"Parque", "10", "Quarteirões a trabalhar|4  -  8|2|3|7|0|35"}}},
    {"carry of zero",
     "2",
     "1",
     {{"Centro", "10", "Quarteirões a trabalhar|1  -  5|2|0|2|1|10"},
      {"Vila", "8", "Quarteirões a trabalhar|0  -  4|2|1|4|0|18"}}},
};

} // namespace

class TestBlocks : public QObject {
    Q_OBJECT
private slots:
    // Each calculation picks from the carry with the stratum's interval, shows the list, the count
    // and the new carry, stores the row and totals the stratum.
    void picksCarryFromNeighbourhoodToNeighbourhood_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(std::size(kScenarios)); ++i)
            QTest::newRow(kScenarios[i].title) << i;
    }
    void picksCarryFromNeighbourhoodToNeighbourhood() {
        QFETCH(int, index);
        const Scenario& s = kScenarios[index];
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        QString script =
            stratum(QStringLiteral("text ") + QLatin1String(s.neighbourhoods), QLatin1String(s.start));
        for (int i = 0; i < s.steps.size(); ++i)
            script += neighbourhood(QString::number(i + 1), QString::fromUtf8(s.steps[i].name),
                                    QLatin1String(s.steps[i].blocks)) +
                      QStringLiteral("dump\n");
        const auto r = test::replayInWorkWindow(script);
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(), QStringList{kPrompt});

        QStringList stored;
        for (int i = 0; i < s.steps.size(); ++i) {
            const Step& step = s.steps[i];
            const QStringList wanted = QString::fromUtf8(step.shown).split(QLatin1Char('|'));
            QStringList expected;
            for (int c = 0; c < kShown.size(); ++c)
                expected << kShown[c] + QLatin1Char('=') + wanted[c];
            QCOMPARE(texts(r.dumpAt(i), kShown), expected);
            stored << QStringList{QStringLiteral("1"),
                                  QString::fromUtf8(step.name),
                                  QLatin1String(step.blocks),
                                  wanted[0],
                                  wanted[2],
                                  wanted[1]}
                          .join(QLatin1Char('/'));
            QCOMPARE(definitions(r.dumpAt(i)), stored);
        }
    }

    // A second click right after a calculation finds the row stored and does nothing.
    void secondCalculationDoesNothing() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto r = test::replayInWorkWindow(
            stratum(QStringLiteral("text 2"), QStringLiteral("3")) +
            neighbourhood(QStringLiteral("1"), QStringLiteral("Centro"), QStringLiteral("20")) +
            QStringLiteral("dump\nclick @SpBtnCalculoQuart\ndump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(workWindowText(r.dumpAt(0), QStringLiteral("Edit3")), QStringLiteral("20"));
        QCOMPARE(r.dumpAt(1), r.dumpAt(0));
    }

    // A start typed into the list keeps the positions' decimals and leaves the carry alone; any
    // key in the blocks box (Backspace too) clears the list, and the next calculation picks from
    // the carry again, on the same row.
    void typedStartThenBlocksRetyped() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto r = test::replayInWorkWindow(stratum(QStringLiteral("text 3"), QStringLiteral("3")) +
                                                QStringLiteral("set @EditAux2 9\n"
                                                               "click @SpBtnDefQuartNovo\n"
                                                               "type @DBEditItem 1\n"
                                                               "type @DBEditBairro Centro\n"
                                                               "type @DBEditQuart 20\n"
                                                               "type @DBMemoQuartATrab 3\n"
                                                               "click @SpBtnCalculoQuart\n"
                                                               "dump\n"
                                                               "type @DBEditQuart\n"
                                                               "inspect @DBMemoQuartATrab\n"
                                                               "type @DBEditQuart 20\n"
                                                               "click @SpBtnCalculoQuart\n"
                                                               "dump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        const QString typed = QStringLiteral("3  -  7,65116  -  12,30232  -  16,95348");
        QCOMPARE(
            texts(r.dumpAt(0), kShown),
            (QStringList{QStringLiteral("DBTextObs=") + kToWork, QStringLiteral("DBMemoQuartATrab=") + typed,
                         QStringLiteral("DBEditTotalQuartBairro=4"), QStringLiteral("EditAux2=9"),
                         QStringLiteral("EditTotQuartEstrato=4"), QStringLiteral("Edit5=1"),
                         QStringLiteral("Edit3=20")}));
        QCOMPARE(definitions(r.dumpAt(0)),
                 QStringList{QStringLiteral("1/Centro/20/") + kToWork + QStringLiteral("/4/") + typed});

        QCOMPARE(r.inspected(QStringLiteral("TFormDadosGerais.DBMemoQuartATrab"))[QStringLiteral("text")],
                 QJsonValue(QString()));
        // From the carry 9: 9, 13,65, 18,30; the next, 22,95, is 3 past the 20 blocks.
        const QString picked = QStringLiteral("9  -  13  -  18");
        QCOMPARE(
            texts(r.dumpAt(1), kShown),
            (QStringList{QStringLiteral("DBTextObs=") + kToWork, QStringLiteral("DBMemoQuartATrab=") + picked,
                         QStringLiteral("DBEditTotalQuartBairro=3"), QStringLiteral("EditAux2=3"),
                         QStringLiteral("EditTotQuartEstrato=3"), QStringLiteral("Edit5=2"),
                         QStringLiteral("Edit3=40")}));
        QCOMPARE(definitions(r.dumpAt(1)),
                 QStringList{QStringLiteral("1/Centro/20/") + kToWork + QStringLiteral("/3/") + picked});
    }

    // A stratum without block definitions: typing the blocks starts its first row.
    void typingBlocksStartsTheFirstRow() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto r = test::replayInWorkWindow(stratum(QStringLiteral("text 2"), QStringLiteral("3")) +
                                                QStringLiteral("type @DBEditQuart 20\n"
                                                               "type @DBEditBairro Centro\n"
                                                               "click @SpBtnCalculoQuart\n"
                                                               "dump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(definitions(r.dumpAt(0)), QStringList{QStringLiteral("1/Centro/20/") + kToWork +
                                                       QStringLiteral("/4/3  -  7  -  12  -  16")});
    }

    // "Novo item" on a row being changed asks whether to store it; either answer stores it and a
    // new row of the stratum follows. On a new row it asks nothing.
    void newItemAsksAboutAChangedRow_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("yes") << QStringLiteral("yes");
        QTest::newRow("no") << QStringLiteral("no");
    }
    void newItemAsksAboutAChangedRow() {
        QFETCH(QString, answer);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto r = test::replayInWorkWindow(
            stratum(QStringLiteral("text 2"), QStringLiteral("3")) +
            neighbourhood(QStringLiteral("1"), QStringLiteral("Centro"), QStringLiteral("20")) +
            QStringLiteral("type @DBEditBairro Centro Velho\n"
                           "answer %1\n"
                           "click @SpBtnDefQuartNovo\n"
                           "dump\n"
                           "click @SpBtnDefQuartNovo\n"
                           "type @DBEditBairro Vila\n"
                           "click @SpBtnDefQuartGravar\n"
                           "dump\n")
                .arg(answer));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(), (QStringList{kPrompt, kSaveQuestion}));
        const QString centro =
            QStringLiteral("1/Centro Velho/20/") + kToWork + QStringLiteral("/4/3  -  7  -  12  -  16");
        QCOMPARE(definitions(r.dumpAt(0)), QStringList{centro});
        QCOMPARE(texts(r.dumpAt(0), {QStringLiteral("DBEditEstratoDQ"), QStringLiteral("DBEditBairro"),
                                     QStringLiteral("DBMemoQuartATrab")}),
                 (QStringList{QStringLiteral("DBEditEstratoDQ=1"), QStringLiteral("DBEditBairro="),
                              QStringLiteral("DBMemoQuartATrab=")}));
        QCOMPARE(definitions(r.dumpAt(1)), (QStringList{centro, QStringLiteral("1/Vila/-/-/-/-")}));
    }

    // Once every announced neighbourhood is in and the blocks typed miss the stratum's blocks, a
    // stratum total above the blocks to sample is refused and the last row is opened again; the
    // count of neighbourhoods starts again either way. Blocks that add up to the stratum's leave
    // the count as it is.
    void stratumCheckWhenAllNeighbourhoodsAreIn_data() {
        QTest::addColumn<QString>("announced");
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("shown"); // EditTotQuartEstrato, Edit5, Edit3

        // 300 blocks from 3 pick 64, 200 from the carry 1 pick 43: 107 above the 86 to sample.
        QTest::newRow("total above the sample")
            << QStringLiteral("2") << QStringList{"300", "200"} << true << QStringList{"107", "0", "500"};
        QTest::newRow("total within the sample")
            << QStringLiteral("2") << QStringList{"20", "10"} << false << QStringList{"6", "0", "30"};
        QTest::newRow("blocks add up to the stratum's")
            << QStringLiteral("2") << QStringList{"200", "200"} << false << QStringList{"86", "2", "400"};
        QTest::newRow("not all neighbourhoods in yet")
            << QStringLiteral("3") << QStringList{"300", "200"} << false << QStringList{"107", "2", "500"};
    }
    void stratumCheckWhenAllNeighbourhoodsAreIn() {
        QFETCH(QString, announced);
        QFETCH(QStringList, blocks);
        QFETCH(bool, refused);
        QFETCH(QStringList, shown);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        QString script = stratum(QStringLiteral("text ") + announced, QStringLiteral("3"));
        for (int i = 0; i < blocks.size(); ++i) {
            if (refused && i == blocks.size() - 1)
                script += QStringLiteral("answer ok\n");
            script += neighbourhood(QString::number(i + 1), QStringLiteral("B%1").arg(i + 1), blocks[i]);
        }
        // The last row is being edited again only when refused: then "Novo item" asks.
        script += QStringLiteral("dump\n");
        if (refused)
            script += QStringLiteral("answer no\n");
        script += QStringLiteral("click @SpBtnDefQuartNovo\n");
        const auto r = test::replayInWorkWindow(script);
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QStringList expected{kPrompt};
        if (refused)
            expected << kMismatch << kSaveQuestion;
        QCOMPARE(r.dialogLines(), expected);
        QCOMPARE(texts(r.dumpAt(0), {QStringLiteral("EditTotQuartEstrato"), QStringLiteral("Edit5"),
                                     QStringLiteral("Edit3")}),
                 (QStringList{QStringLiteral("EditTotQuartEstrato=") + shown[0],
                              QStringLiteral("Edit5=") + shown[1], QStringLiteral("Edit3=") + shown[2]}));
        QCOMPARE(definitions(r.dumpAt(0)).size(), blocks.size());
    }

    // A failing step shows the runtime's message and stops there, leaving what came before.
    void failuresStopAtTheFailingStep_data() {
        QTest::addColumn<QString>("sql");     // a stored stratum, if any
        QTest::addColumn<QString>("prelude"); // up to the block tab
        QTest::addColumn<QString>("blocks");  // typed, if any
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("shown"); // DBMemoQuartATrab, EditTotQuartEstrato, EditAux2, Edit5
        QTest::addColumn<int>("stored");

        const QString plan = stratum(QStringLiteral("text 2"), QStringLiteral("3"));
        QTest::newRow("no blocks") << QString() << plan << QString()
                                   << QStringLiteral("'' is not a valid integer value")
                                   << QStringList{"3", "0", "3", "0"} << 0;
        QTest::newRow("blocks not whole")
            << QString() << plan << QStringLiteral("2,5")
            << QStringLiteral("'2,5' is not a valid integer value") << QStringList{"3", "0", "3", "0"} << 0;
        // The carry is set when a stratum is shown or computed, not by the one on screen at entry.
        QTest::newRow("carry never set")
            << QStringLiteral("INSERT INTO PlanoAmostral VALUES (3509502, 1, 10000, 431, 400, 25, 86, 21.5, "
                              "4.65116, 3)")
            << QStringLiteral("click @TabSheetDefQuart\n") << QStringLiteral("20")
            << QStringLiteral("'EditAux2' is not a valid integer value")
            << QStringList{"EditAux2", "0", "EditAux2", "0"} << 0;
        // The neighbourhood question cancelled: the row is picked, stored and totalled first.
        QTest::newRow("neighbourhoods not given")
            << QString() << stratum(QStringLiteral("cancel"), QStringLiteral("3")) << QStringLiteral("20")
            << QStringLiteral("'' is not a valid integer value")
            << QStringList{"3  -  7  -  12  -  16", "4", "2", "0"} << 1;
    }
    void failuresStopAtTheFailingStep() {
        QFETCH(QString, sql);
        QFETCH(QString, prelude);
        QFETCH(QString, blocks);
        QFETCH(QString, message);
        QFETCH(QStringList, shown);
        QFETCH(int, stored);
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        if (!sql.isEmpty())
            test::sqlExec(sql);
        QString script = prelude + QStringLiteral("click @SpBtnDefQuartNovo\ntype @DBEditBairro Centro\n");
        if (!blocks.isEmpty())
            script += QStringLiteral("type @DBEditQuart %1\n").arg(blocks);
        script += QStringLiteral("answer ok\nclick @SpBtnCalculoQuart\ndump\n");
        const auto r = test::replayInWorkWindow(script);
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        const QStringList all = r.dialogLines();
        QVERIFY(!all.isEmpty());
        QCOMPARE(all.last(), QStringLiteral("error|Erro|") + message);
        QCOMPARE(
            texts(r.dumpAt(0), {QStringLiteral("DBMemoQuartATrab"), QStringLiteral("EditTotQuartEstrato"),
                                QStringLiteral("EditAux2"), QStringLiteral("Edit5")}),
            (QStringList{QStringLiteral("DBMemoQuartATrab=") + shown[0],
                         QStringLiteral("EditTotQuartEstrato=") + shown[1],
                         QStringLiteral("EditAux2=") + shown[2], QStringLiteral("Edit5=") + shown[3]}));
        QCOMPARE(definitions(r.dumpAt(0)).size(), stored);
    }

    // Browsing, deleting and storing rows leave the stratum total alone; showing the tab again
    // totals the stored rows, unless a row is being changed.
    void recordsAndTheStratumTotal() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const QString buttons = QStringLiteral("inspect @SpBtnDefQuartPR\ninspect @SpBtnDefQuartRA\n"
                                               "inspect @SpBtnDefQuartProxR\ninspect @SpBtnDefQuartUR\n"
                                               "inspect @DBEditBairro\n");
        const QString again = QStringLiteral("click @TabSheetPlanoAmostral\nclick @TabSheetDefQuart\ndump\n");
        const auto r = test::replayInWorkWindow(
            stratum(QStringLiteral("text 2"), QStringLiteral("3")) +
            neighbourhood(QStringLiteral("1"), QStringLiteral("Centro"), QStringLiteral("20")) +
            neighbourhood(QStringLiteral("2"), QStringLiteral("Vila"), QStringLiteral("3")) +
            QStringLiteral("click @SpBtnDefQuartPR\n") + buttons +
            QStringLiteral("click @SpBtnDefQuartUR\n") + buttons +
            QStringLiteral("answer yes\nclick @SpBtnDefQuartExcluir\ndump\n"
                           "type @DBEditBairro Centro Novo\n") +
            again + QStringLiteral("click @SpBtnDefQuartGravar\n") + again);
        QVERIFY2(r.clean(), qPrintable(r.transcript()));
        QCOMPARE(r.dialogLines(),
                 (QStringList{kPrompt, QStringLiteral("confirmation|Confirmação|Deletar este registro?")}));

        const QStringList names{QStringLiteral("SpBtnDefQuartPR"), QStringLiteral("SpBtnDefQuartRA"),
                                QStringLiteral("SpBtnDefQuartProxR"), QStringLiteral("SpBtnDefQuartUR")};
        const QStringList wanted{QStringLiteral("0011 Centro"), QStringLiteral("1100 Vila")};
        for (int i = 0; i < wanted.size(); ++i) {
            QString enabled;
            for (const auto& n : names)
                enabled += r.inspected(QStringLiteral("TFormDadosGerais.") + n, i)[QStringLiteral("enabled")]
                                   .toBool()
                               ? QLatin1Char('1')
                               : QLatin1Char('0');
            QCOMPARE(
                enabled + QLatin1Char(' ') +
                    r.inspected(QStringLiteral("TFormDadosGerais.DBEditBairro"), i)[QStringLiteral("text")]
                        .toString(),
                wanted[i]);
        }

        const QString centro = QStringLiteral("/20/") + kToWork + QStringLiteral("/4/3  -  7  -  12  -  16");
        const QStringList counters{QStringLiteral("EditTotQuartEstrato"), QStringLiteral("Edit5"),
                                   QStringLiteral("Edit3")};
        // Deleted: the total and the counters stay.
        QCOMPARE(definitions(r.dumpAt(0)), QStringList{QStringLiteral("1/Centro") + centro});
        QCOMPARE(texts(r.dumpAt(0), counters),
                 (QStringList{QStringLiteral("EditTotQuartEstrato=5"), QStringLiteral("Edit5=0"),
                              QStringLiteral("Edit3=23")}));
        // Shown again while the row is being changed: not totalled.
        QCOMPARE(workWindowText(r.dumpAt(1), QStringLiteral("EditTotQuartEstrato")), QStringLiteral("5"));
        // Stored, shown again: totalled.
        QCOMPARE(definitions(r.dumpAt(2)), QStringList{QStringLiteral("1/Centro Novo") + centro});
        QCOMPARE(texts(r.dumpAt(2), counters),
                 (QStringList{QStringLiteral("EditTotQuartEstrato=4"), QStringLiteral("Edit5=0"),
                              QStringLiteral("Edit3=23")}));
    }

    // The viewer lists the neighbourhoods of the plan's current stratum and follows its navigator
    // and its list of strata; closed, the block tab shows the stratum the plan shows.
    void viewerFollowsTheStratum() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const QString look = QStringLiteral("inspect TFormVisualizarBairros.DBText1\n"
                                            "inspect TFormVisualizarBairros.DBGridVisualizarBairros\n");
        const auto r = test::replayInWorkWindow(
            stratum(QStringLiteral("text 2"), QStringLiteral("3")) +
            neighbourhood(QStringLiteral("1"), QStringLiteral("Centro"), QStringLiteral("20")) +
            neighbourhood(QStringLiteral("2"), QStringLiteral("Vila"), QStringLiteral("3")) +
            stratum(QStringLiteral("text 1"), QStringLiteral("2"), QStringLiteral("8100"),
                    QStringLiteral("300")) +
            neighbourhood(QStringLiteral("1"), QStringLiteral("Parque"), QStringLiteral("12")) +
            QStringLiteral("click @SpeedButton2\n") + look +
            QStringLiteral("inspect TFormVisualizarBairros.DBLookupComboBox1\n"
                           "click TFormVisualizarBairros.DBNavigator1.nbFirst\n") +
            look + QStringLiteral("click TFormVisualizarBairros.DBNavigator1.nbNext\n") + look +
            QStringLiteral("choose TFormVisualizarBairros.DBLookupComboBox1 1\n") + look +
            QStringLiteral("click TFormVisualizarBairros.SpeedButton1\ndump\n"));
        QVERIFY2(r.clean(), qPrintable(r.transcript()));

        const QStringList first{QStringLiteral("Centro|3  -  7  -  12  -  16"), QStringLiteral("Vila|2")};
        const QStringList second{QStringLiteral("Parque|2  -  5  -  9")};
        const QList<QPair<QString, QStringList>> wanted{
            {QStringLiteral("2"), second}, // opened on the stratum shown
            {QStringLiteral("1"), first},  // nbFirst
            {QStringLiteral("2"), second}, // nbNext
            {QStringLiteral("1"), first},  // chosen in the list
        };
        for (int i = 0; i < wanted.size(); ++i) {
            const QString step = QStringLiteral("step %1: ").arg(i);
            QCOMPARE(step + r.inspected(QStringLiteral("TFormVisualizarBairros.DBText1"),
                                        i)[QStringLiteral("text")]
                                .toString(),
                     step + wanted[i].first);
            QCOMPARE(
                gridRows(r.inspected(QStringLiteral("TFormVisualizarBairros.DBGridVisualizarBairros"), i)),
                wanted[i].second);
        }
        QStringList strata;
        for (const auto& v :
             r.inspected(QStringLiteral("TFormVisualizarBairros.DBLookupComboBox1"))[QStringLiteral("items")]
                 .toArray())
            strata << v.toString();
        QCOMPARE(strata, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

        const QJsonObject closed = r.dumpAt(0);
        QVERIFY(!r.windowVisible(QStringLiteral("TFormVisualizarBairros")));
        QCOMPARE(workWindowText(closed, QStringLiteral("DBEditEstratoDQ")), QStringLiteral("1"));
        QVERIFY(workWindowText(closed, QStringLiteral("DBEditBairro")) == QLatin1String("Centro") ||
                workWindowText(closed, QStringLiteral("DBEditBairro")) == QLatin1String("Vila"));
        // Moving to stratum 1 put its start block back as the carry.
        QCOMPARE(workWindowText(closed, QStringLiteral("EditAux2")),
                 workWindowText(closed, QStringLiteral("DBEditQuartInicial")));
    }
};

QTEST_GUILESS_MAIN(TestBlocks)
#include "tst_blocks.moc"
