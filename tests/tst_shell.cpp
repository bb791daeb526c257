// The shell windows end to end through the scripted driver: main window, registration, the work
// window's header and toolbar, clearing the database, credits, help and start-up without a database.

#include "fixture/Fixture.h"
#include "fixture/Replay.h"

#include <QFile>
#include <QJsonArray>
#include <QtTest>

using namespace korva;

namespace {

const QString kCampinas = QStringLiteral(
    "INSERT INTO Cadastro VALUES (3509502, 'Campinas', 'SP', 350000, '01/03 a 15/03', '2012')");

// The first registration as a user types it.
const QString kRegister = QStringLiteral(R"(
click TFormPrincipal.SpBtnEntrar
choose TFormCadastro.DBComboBox1 2012
choose TFormCadastro.DBLookupComboBoxUF SP
choose TFormCadastro.DBLookupComboBoxMun Campinas
type TFormCadastro.DBEditTotalImvMun 350000
type TFormCadastro.DBEditPeriodoExec 01/03 a 15/03
)");

const QStringList kWorkingTables{QStringLiteral("DefinicaoQuart"),
                                 QStringLiteral("PlanoAmostral"),
                                 QStringLiteral("Cadastro"),
                                 QStringLiteral("Necessidades"),
                                 QStringLiteral("Consolidado"),
                                 QStringLiteral("TotaisDoConsolidado"),
                                 QStringLiteral("Indices"),
                                 QStringLiteral("PercentuaisCriadouros"),
                                 QStringLiteral("ORV")};

// A survey under way: registration, two strata with block definitions of three strata, needs,
// consolidated figures, indices, shares and the data package.
void fillSurvey() {
    test::sqlExec(kCampinas);
    for (const char* sql : {
             "INSERT INTO PlanoAmostral (CodigoMunicipio, Estrato, NumeroDeImoveisNoEstrato) VALUES "
             "(3509502, 1, 9000), (3509502, 2, 8000)",
             "INSERT INTO DefinicaoQuart (Estrato, Item, Bairro, Quarteirao) VALUES (1, 1, 'Centro', '1'), "
             "(1, 2, 'Centro', '2'), (2, 1, 'Cambuí', '7'), (3, 1, 'Taquaral', '9')",
             "INSERT INTO Necessidades (QuantEstratosALevantar) VALUES (2)",
             "INSERT INTO Consolidado (Estrato, ImoveisProgramados) VALUES (1, 450), (2, 450)",
             "INSERT INTO TotaisDoConsolidado (TotalEstratos) VALUES (2)",
             "INSERT INTO Indices (Estrato, IIPaeg) VALUES (1, 1.5), (2, 4.2), (3, 0.3)",
             "INSERT INTO PercentuaisCriadouros (PercentDepA1) VALUES ('10,0')",
             "INSERT INTO ORV (Municipio, UF) VALUES ('Campinas', 'SP')",
         })
        test::sqlExec(QString::fromUtf8(sql));
}

int rowsIn(const QString& table) {
    return test::sqlValue(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toInt();
}

QJsonObject cadastroRow(const test::ReplayRun& run) {
    const QJsonArray rows = run.table(QStringLiteral("Cadastro"));
    return rows.size() == 1 ? rows.first().toObject() : QJsonObject();
}

QString caption(const test::ReplayRun& run, const QString& window) {
    const QJsonObject windows = run.lastDump().value(QStringLiteral("windows")).toObject();
    return windows.value(window).toObject().value(QStringLiteral("caption")).toString();
}

QStringList items(const QJsonObject& inspectedBox) {
    QStringList out;
    for (const auto& v : inspectedBox.value(QStringLiteral("items")).toArray())
        out << v.toString();
    return out;
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void mainWindowShowsTheRegisteredMunicipality_data() {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("label");
        QTest::newRow("empty database") << false << QStringLiteral(" - ");
        QTest::newRow("registered") << true << QStringLiteral("Campinas - SP");
    }
    void mainWindowShowsTheRegisteredMunicipality() {
        QFETCH(bool, registered);
        QFETCH(QString, label);
        test::TempDatabase db;
        if (registered)
            test::sqlExec(kCampinas);
        const auto run = test::replay(QStringLiteral("dump"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), label);
        QCOMPARE(caption(run, QStringLiteral("TFormPrincipal")), QStringLiteral("Korva - Vexdalin"));
    }

    void firstStartRegistersAndOpensTheWorkWindow() {
        test::TempDatabase db;
        const auto run = test::replay(QStringLiteral("windows\n") + kRegister + QStringLiteral(R"(
inspect TFormCadastro.DBLookupComboBoxMun
click TFormCadastro.SpBtnGravarCad
windows
click TFormCadastro.SpBtnSairCad
click TFormPrincipal.SpBtnEntrar
dump
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QVERIFY2(run.dialogs().isEmpty(), qPrintable(run.transcript()));
        const auto windows = run.withKey(QStringLiteral("windows"));
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]["windows"].toArray(), QJsonArray({QStringLiteral("TFormPrincipal")}));
        // Gravar keeps the registration open.
        QCOMPARE(windows[1]["windows"].toArray(),
                 QJsonArray({QStringLiteral("TFormPrincipal"), QStringLiteral("TFormCadastro")}));

        // The municipality list offers exactly the chosen state's municipalities.
        const QStringList offered = items(run.inspected(QStringLiteral("TFormCadastro.DBLookupComboBoxMun")));
        QCOMPARE(offered.size(),
                 test::sqlValue("SELECT COUNT(*) FROM \"MunicípiosDoBrasil\" WHERE UF = 'SP'").toInt());
        QVERIFY(offered.contains(QStringLiteral("Campinas")));
        QVERIFY(!offered.contains(QStringLiteral("Niterói")));

        QCOMPARE(cadastroRow(run), QJsonObject({{"CodigoMunicipio", 3509502},
                                                {"Municipio", "Campinas"},
                                                {"UF", "SP"},
                                                {"TotalDeImoveisNoMunicipio", 350000},
                                                {"PeriodoDeExecucao", "01/03 a 15/03"},
                                                {"Ano", "2012"}}));
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), QStringLiteral("Campinas - SP"));
        QCOMPARE(run.control(QStringLiteral("TFormCadastro.DBEditCodMun")), QStringLiteral("3509502"));
        // Fechar after Gravar only closes; Entrar then opens the work window.
        QVERIFY(!run.windowVisible(QStringLiteral("TFormCadastro")));
        QVERIFY(run.windowVisible(QStringLiteral("TFormDadosGerais")));
        QCOMPARE(caption(run, QStringLiteral("TFormDadosGerais")), QStringLiteral("Dados gerais"));
        QCOMPARE(run.control(QStringLiteral("TFormDadosGerais.DBTextMunicipio")), QStringLiteral("Campinas"));
        QCOMPARE(run.control(QStringLiteral("TFormDadosGerais.DBTextUF")), QStringLiteral("SP"));
        QCOMPARE(run.control(QStringLiteral("TFormDadosGerais.DBTextPeriodo")),
                 QStringLiteral("01/03 a 15/03"));
    }

    // Fechar: with nothing pending it only closes; with a pending row it stores it, closes and
    // opens the work window without touching the main window's label.
    void fecharStoresOnlyWhatIsPending_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("workWindow");
        QTest::addColumn<QString>("label");
        QTest::newRow("after Gravar") << kRegister + QStringLiteral("click TFormCadastro.SpBtnGravarCad\n")
                                      << 1 << false << QStringLiteral("Campinas - SP");
        QTest::newRow("row pending") << kRegister << 1 << true << QStringLiteral(" - ");
        QTest::newRow("nothing typed")
            << QStringLiteral("click TFormPrincipal.SpBtnEntrar\n") << 0 << false << QStringLiteral(" - ");
    }
    void fecharStoresOnlyWhatIsPending() {
        QFETCH(QString, script);
        QFETCH(int, rows);
        QFETCH(bool, workWindow);
        QFETCH(QString, label);
        test::TempDatabase db;
        const auto run = test::replay(script + QStringLiteral("click TFormCadastro.SpBtnSairCad\ndump\n"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.table(QStringLiteral("Cadastro")).size(), rows);
        if (rows)
            QCOMPARE(cadastroRow(run)["Municipio"].toString(), QStringLiteral("Campinas"));
        QVERIFY(!run.windowVisible(QStringLiteral("TFormCadastro")));
        QCOMPARE(run.windowVisible(QStringLiteral("TFormDadosGerais")), workWindow);
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), label);
    }

    // Disabled while the state list shows nothing, on show too; choosing a state starts the row.
    void municipalityListNeedsAState() {
        test::TempDatabase db;
        const auto run = test::replay(QStringLiteral(R"(
click TFormPrincipal.SpBtnEntrar
inspect TFormCadastro.DBLookupComboBoxMun
choose TFormCadastro.DBLookupComboBoxMun Campinas
choose TFormCadastro.DBLookupComboBoxUF SP
inspect TFormCadastro.DBLookupComboBoxMun
click TFormCadastro.SpBtnSairCad
dump
click TFormDadosGerais.SpBtnEditarCadastro
inspect TFormCadastro.DBLookupComboBoxMun
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const QString mun = QStringLiteral("TFormCadastro.DBLookupComboBoxMun");
        QCOMPARE(run.inspected(mun, 0)["enabled"].toBool(), false);
        const auto refused = run.withKey(QStringLiteral("refused"));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused[0]["reason"].toString(), QStringLiteral("controle desabilitado"));
        QCOMPARE(run.inspected(mun, 1)["enabled"].toBool(), true);
        QCOMPARE(cadastroRow(run)["UF"].toString(), QStringLiteral("SP"));
        QVERIFY(run.windowVisible(QStringLiteral("TFormDadosGerais")));
        QCOMPARE(run.inspected(mun, 2)["enabled"].toBool(), true);
    }

    // Limpar clears what the user chose and typed but the year; the row is neither stored nor
    // removed, and the cleared boxes reach a row being edited at the next Gravar.
    void limparKeepsTheYear() {
        test::TempDatabase db;
        const auto run = test::replay(kRegister + QStringLiteral(R"(
type TFormCadastro.DBComboBox1 2009
click TFormCadastro.SpBtnLimpar
inspect TFormCadastro.DBLookupComboBoxMun
dump
click TFormCadastro.SpBtnGravarCad
dump
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const auto dumps = run.withKey(QStringLiteral("dump"));
        QCOMPARE(dumps.size(), 2);
        QCOMPARE(dumps[0]["dump"]["tables"]["Cadastro"].toArray().size(), 0);
        const QJsonObject controls = dumps[0]["dump"]["controls"].toObject();
        for (const char* box : {"DBLookupComboBoxUF", "DBLookupComboBoxMun", "DBEditMun", "DBEditCodMun",
                                "DBEditTotalImvMun", "DBEditPeriodoExec"})
            QVERIFY2(controls[QStringLiteral("TFormCadastro.") + QLatin1String(box)].toString().isEmpty(),
                     box);
        QCOMPARE(controls["TFormCadastro.DBComboBox1"].toString(), QStringLiteral("2009"));
        QCOMPARE(run.inspected(QStringLiteral("TFormCadastro.DBLookupComboBoxMun"))["enabled"].toBool(),
                 false);

        const QJsonObject row = cadastroRow(run);
        QCOMPARE(row["Ano"].toString(), QStringLiteral("2009"));
        QVERIFY2(row["Municipio"].toString().isEmpty() && row["CodigoMunicipio"].isNull() &&
                     row["TotalDeImoveisNoMunicipio"].isNull() &&
                     row["PeriodoDeExecucao"].toString().isEmpty(),
                 qPrintable(run.transcript()));
    }

    void limparOnAStoredRowStoresNothing() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto run = test::replay(QStringLiteral(R"(
click TFormPrincipal.SpBtnEntrar
click TFormDadosGerais.SpBtnEditarCadastro
click TFormCadastro.SpBtnGravarCad
click TFormCadastro.SpBtnLimpar
click TFormCadastro.SpBtnGravarCad
click TFormCadastro.SpBtnSairCad
dump
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.table(QStringLiteral("Cadastro")).size(), 1);
        QCOMPARE(cadastroRow(run)["Municipio"].toString(), QStringLiteral("Campinas"));
        QCOMPARE(cadastroRow(run)["TotalDeImoveisNoMunicipio"].toInt(), 350000);
        QCOMPARE(run.control(QStringLiteral("TFormCadastro.DBComboBox1")), QStringLiteral("2012"));
    }

    // Another state offers its municipalities; the stored name and code stay until another
    // municipality is chosen, and the table keeps its single row.
    void changingTheStateKeepsNameAndCodeUntilAMunicipalityIsChosen() {
        test::TempDatabase db;
        const auto run = test::replay(kRegister + QStringLiteral(R"(
click TFormCadastro.SpBtnGravarCad
choose TFormCadastro.DBLookupComboBoxUF RJ
inspect TFormCadastro.DBLookupComboBoxMun
click TFormCadastro.SpBtnGravarCad
dump
choose TFormCadastro.DBLookupComboBoxMun Niterói
click TFormCadastro.SpBtnGravarCad
dump
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const QStringList offered = items(run.inspected(QStringLiteral("TFormCadastro.DBLookupComboBoxMun")));
        QVERIFY(offered.contains(QStringLiteral("Niterói")));
        QVERIFY(!offered.contains(QStringLiteral("Campinas")));

        const auto dumps = run.withKey(QStringLiteral("dump"));
        QCOMPARE(dumps.size(), 2);
        const QJsonArray first = dumps[0]["dump"]["tables"]["Cadastro"].toArray();
        QCOMPARE(first.size(), 1);
        QCOMPARE(first[0]["UF"].toString(), QStringLiteral("RJ"));
        QCOMPARE(first[0]["Municipio"].toString(), QStringLiteral("Campinas"));
        QCOMPARE(first[0]["CodigoMunicipio"].toInt(), 3509502);

        QCOMPARE(run.table(QStringLiteral("Cadastro")).size(), 1);
        QCOMPARE(cadastroRow(run)["Municipio"].toString(), QStringLiteral("Niterói"));
        QCOMPARE(cadastroRow(run)["CodigoMunicipio"].toInt(), 3303302);
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), QStringLiteral("Niterói - RJ"));
    }

    void totalMustBeAWholeNumber() {
        test::TempDatabase db;
        const auto run = test::replay(kRegister + QStringLiteral(R"(
set TFormCadastro.DBEditTotalImvMun 12,5
answer ok
click TFormCadastro.SpBtnGravarCad
dump
type TFormCadastro.DBEditTotalImvMun 12x5
click TFormCadastro.SpBtnGravarCad
dump
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const auto dialogs = run.dialogs();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0]["kind"].toString(), QStringLiteral("error"));
        QVERIFY2(dialogs[0]["text"].toString().contains(QStringLiteral("12,5")),
                 qPrintable(run.transcript()));
        const auto dumps = run.withKey(QStringLiteral("dump"));
        QCOMPARE(dumps[0]["dump"]["tables"]["Cadastro"].toArray().size(), 0);
        // Still pending: corrected, it is stored (letters typed into the box are refused).
        QCOMPARE(cadastroRow(run)["TotalDeImoveisNoMunicipio"].toInt(), 125);
        QCOMPARE(cadastroRow(run)["Municipio"].toString(), QStringLiteral("Campinas"));
    }

    // Editar Cadastro puts the row into editing: the header follows each choice at once and
    // Fechar stores the row and returns to the work window.
    void editarCadastroRoundTrip() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto run = test::replay(QStringLiteral(R"(
click TFormPrincipal.SpBtnEntrar
click TFormDadosGerais.SpeedButton3
windows
click TFormPrincipal.SpBtnEntrar
click TFormDadosGerais.SpBtnEditarCadastro
choose TFormCadastro.DBLookupComboBoxUF RJ
choose TFormCadastro.DBLookupComboBoxMun Niterói
inspect TFormDadosGerais.DBTextMunicipio
inspect TFormDadosGerais.DBTextUF
type TFormCadastro.DBEditPeriodoExec 02/05 a 20/05
click TFormCadastro.SpBtnSairCad
dump
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.withKey(QStringLiteral("windows"))[0]["windows"].toArray(),
                 QJsonArray({QStringLiteral("TFormPrincipal")}));
        QCOMPARE(run.inspected(QStringLiteral("TFormDadosGerais.DBTextMunicipio"))["text"].toString(),
                 QStringLiteral("Niterói"));
        QCOMPARE(run.inspected(QStringLiteral("TFormDadosGerais.DBTextUF"))["text"].toString(),
                 QStringLiteral("RJ"));
        QCOMPARE(run.table(QStringLiteral("Cadastro")).size(), 1);
        const QJsonObject row = cadastroRow(run);
        QCOMPARE(row["Municipio"].toString(), QStringLiteral("Niterói"));
        QCOMPARE(row["CodigoMunicipio"].toInt(), 3303302);
        QCOMPARE(row["PeriodoDeExecucao"].toString(), QStringLiteral("02/05 a 20/05"));
        QVERIFY(!run.windowVisible(QStringLiteral("TFormCadastro")));
        QVERIFY(run.windowVisible(QStringLiteral("TFormDadosGerais")));
        QCOMPARE(run.control(QStringLiteral("TFormDadosGerais.DBTextPeriodo")),
                 QStringLiteral("02/05 a 20/05"));
    }

    void limparBdAnsweredNoKeepsEverything() {
        test::TempDatabase db;
        fillSurvey();
        const auto run = test::replay(QStringLiteral("answer no\nclick TFormPrincipal.SpeedButton1\ndump\n"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const auto dialogs = run.dialogs();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0]["kind"].toString(), QStringLiteral("question"));
        QCOMPARE(dialogs[0]["caption"].toString(), QStringLiteral("Atenção!"));
        QCOMPARE(dialogs[0]["text"].toString(),
                 QStringLiteral("Todos os dados do levantamento serão apagados. Deseja continuar?"));
        QCOMPARE(run.table(QStringLiteral("DefinicaoQuart")).size(), 4);
        QCOMPARE(run.table(QStringLiteral("Indices")).size(), 3);
        for (const QString& t : kWorkingTables)
            QVERIFY2(!run.table(t).isEmpty(), qPrintable(t));
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), QStringLiteral("Campinas - SP"));
    }

    // Every row of the working tables goes, also those no cursor shows at the moment (blocks of
    // other strata, every index row); the reference lists stay.
    void limparBdEmptiesEveryWorkingTable() {
        test::TempDatabase db;
        fillSurvey();
        const auto run = test::replay(QStringLiteral(R"(
click TFormPrincipal.SpBtnEntrar
answer yes
click TFormPrincipal.SpeedButton1
dump
click TFormPrincipal.SpBtnEntrar
windows
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.dialogs().size(), 1);
        for (const QString& t : kWorkingTables) {
            QVERIFY2(run.table(t).isEmpty(), qPrintable(t + QLatin1Char('\n') + run.transcript()));
            QCOMPARE(rowsIn(t), 0);
        }
        QCOMPARE(rowsIn(QStringLiteral("EstadosDoBrasil")), 27);
        QCOMPARE(rowsIn(QStringLiteral("MunicípiosDoBrasil")), 5570);
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), QString());
        for (const char* header : {"DBTextMunicipio", "DBTextUF", "DBTextPeriodo"})
            QVERIFY2(run.control(QStringLiteral("TFormDadosGerais.") + QLatin1String(header)).isEmpty(),
                     header);
        QVERIFY(run.withKey(QStringLiteral("windows"))
                    .last()["windows"]
                    .toArray()
                    .contains(QStringLiteral("TFormCadastro")));
    }

    void limparBdOnAnEmptyDatabaseEmptiesTheLabel() {
        test::TempDatabase db;
        const auto run =
            test::replay(QStringLiteral("answer yes\nclick TFormPrincipal.SpeedButton1\ndump\n"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.dialogs().size(), 1);
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), QString());
        QCOMPARE(rowsIn(QStringLiteral("MunicípiosDoBrasil")), 5570);
    }

    // A table refusing the removal stops the clearing there: the tables before it stay emptied,
    // the others untouched, and the label keeps its text.
    void limparBdStopsAtARefusedTable() {
        test::TempDatabase db;
        fillSurvey();
        test::sqlExec(QStringLiteral(
            "CREATE TRIGGER keep BEFORE DELETE ON Consolidado BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
        const auto run =
            test::replay(QStringLiteral("answer yes\nanswer ok\nclick TFormPrincipal.SpeedButton1\ndump\n"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const auto dialogs = run.dialogs();
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(dialogs[1]["kind"].toString(), QStringLiteral("error"));
        QVERIFY2(dialogs[1]["text"].toString().contains(QStringLiteral("recusado")),
                 qPrintable(run.transcript()));
        const QMap<QString, int> expected{{QStringLiteral("DefinicaoQuart"), 0},
                                          {QStringLiteral("PlanoAmostral"), 0},
                                          {QStringLiteral("Cadastro"), 0},
                                          {QStringLiteral("Necessidades"), 0},
                                          {QStringLiteral("Consolidado"), 2},
                                          {QStringLiteral("TotaisDoConsolidado"), 1},
                                          {QStringLiteral("Indices"), 3},
                                          {QStringLiteral("PercentuaisCriadouros"), 1},
                                          {QStringLiteral("ORV"), 1}};
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(run.table(it.key()).size() == it.value() && rowsIn(it.key()) == it.value(),
                     qPrintable(it.key() + QLatin1Char('\n') + run.transcript()));
        QCOMPARE(run.control(QStringLiteral("TFormPrincipal.Label5")), QStringLiteral("Campinas - SP"));
    }

    void creditosIsModal() {
        test::TempDatabase db;
        const auto run = test::replay(QStringLiteral(R"(
click TFormPrincipal.Label4
windows
click TFormPrincipal.SpBtnEntrar
click TFormPrincipal.SpBtnEncerrar
click TCreditos.OKButton
windows
click TFormPrincipal.SpBtnEntrar
windows
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const auto windows = run.withKey(QStringLiteral("windows"));
        QCOMPARE(windows.size(), 3);
        QCOMPARE(windows[0]["modal"].toString(), QStringLiteral("TCreditos"));
        QVERIFY(windows[0]["windows"].toArray().contains(QStringLiteral("TCreditos")));
        const auto refused = run.withKey(QStringLiteral("refused"));
        QCOMPARE(refused.size(), 2);
        for (const auto& r : refused)
            QCOMPARE(r["reason"].toString(), QStringLiteral("janela modal aberta: TCreditos"));
        QVERIFY(windows[1]["modal"].isNull());
        QCOMPARE(windows[1]["windows"].toArray(), QJsonArray({QStringLiteral("TFormPrincipal")}));
        QCOMPARE(windows[2]["windows"].toArray(),
                 QJsonArray({QStringLiteral("TFormPrincipal"), QStringLiteral("TFormCadastro")}));
    }

    void encerrarEndsTheProgram() {
        test::TempDatabase db;
        const auto run = test::replay(
            QStringLiteral("click TFormPrincipal.SpBtnEncerrar\ndump\nclick TFormPrincipal.SpBtnEntrar\n"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        QCOMPARE(run.withKey(QStringLiteral("ended")).size(), 1);
        QVERIFY2(run.withKey(QStringLiteral("dump")).isEmpty(), qPrintable(run.transcript()));
    }

    // The help window is modeless; windows other than the main one only hide when closed.
    void workWindowToolbarAndHelp() {
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto run = test::replay(QStringLiteral(R"(
click TFormPrincipal.SpBtnEntrar
click TFormDadosGerais.SpeedButton31
windows
close TFormAjuda
click TFormDadosGerais.SpeedButton3
windows
click TFormPrincipal.SpBtnEntrar
close TFormDadosGerais
windows
click TFormPrincipal.SpBtnEntrar
click TFormDadosGerais.SpeedButton31
inspect TFormAjuda.Memo1
)"));
        QVERIFY2(run.clean(true), qPrintable(run.transcript()));
        const auto windows = run.withKey(QStringLiteral("windows"));
        QCOMPARE(windows.size(), 3);
        QCOMPARE(windows[0]["windows"].toArray(),
                 QJsonArray({QStringLiteral("TFormPrincipal"), QStringLiteral("TFormDadosGerais"),
                             QStringLiteral("TFormAjuda")}));
        QVERIFY(windows[0]["modal"].isNull());
        QCOMPARE(windows[1]["windows"].toArray(), QJsonArray({QStringLiteral("TFormPrincipal")}));
        QCOMPARE(windows[2]["windows"].toArray(), QJsonArray({QStringLiteral("TFormPrincipal")}));

        QFile file(QFINDTESTDATA("../resources/help.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString expected = QString::fromUtf8(file.readAll());
        if (expected.endsWith(QLatin1Char('\n')))
            expected.chop(1);
        const QString memo = run.inspected(QStringLiteral("TFormAjuda.Memo1"))["text"].toString();
        QCOMPARE(memo, expected);
        const QStringList lines = memo.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 97);
        QCOMPARE(lines[0], QString(93, QLatin1Char(' ')) + QStringLiteral("Instruções"));
        for (int i = 91; i <= 93; ++i)
            QVERIFY2(lines[i].startsWith(QString(23, QLatin1Char(' '))) && lines[i][23] != QLatin1Char(' '),
                     qPrintable(lines[i]));
        QVERIFY(lines[55].contains(QStringLiteral("sÃO")));
    }

    void startWithoutDatabase() {
        test::TempDatabase db(false);
        const auto run = test::replay(QStringLiteral("dump\n"));
        QVERIFY2(run.exitCode != 0, qPrintable(run.transcript()));
        const auto dialogs = run.dialogs();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0]["kind"].toString(), QStringLiteral("error"));
        QVERIFY2(dialogs[0]["text"].toString().contains(QStringLiteral("Korva2012Municipios.mdb")),
                 qPrintable(run.transcript()));
        QVERIFY(run.withKey(QStringLiteral("dump")).isEmpty());
        QVERIFY(QDir(db.folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
