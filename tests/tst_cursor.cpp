// The table cursor: navigation, states, finishing of pending rows, columns, master links,
// query statements and the refusal of values the column types cannot hold.

#include "common/KorvaError.h"
#include "common/NumberText.h"
#include "fixture/Fixture.h"
#include "store/DataModule.h"

#include <QtTest>
#include <memory>

using namespace korva;
using namespace korva::store;

class TestCursor : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempDatabase> db;
    std::unique_ptr<TDataModule1> dm;

    // Consolidado rows with Estrato 1..n.
    void addStrata(int n) {
        for (int i = 1; i <= n; ++i) {
            dm->ADOTableConsolidado->append();
            dm->ADOTableConsolidado->setInteger("Estrato", i);
            dm->ADOTableConsolidado->post();
        }
    }
    static QString errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const KorvaError& e) {
            return e.message();
        }
        return {};
    }

private slots:
    void init() {
        num::setDecimalSeparator(QLatin1Char(','));
        db = std::make_unique<test::TempDatabase>();
        dm = std::make_unique<TDataModule1>();
    }
    void cleanup() {
        dm.reset();
        db.reset();
    }

    void navigationAndEnds() {
        Cursor* c = dm->ADOTableConsolidado;
        QVERIFY(c->isEmpty());
        QVERIFY(c->bof() && c->eof());
        addStrata(3);
        QCOMPARE(c->rowCount(), 3);
        c->first();
        QVERIFY(c->bof());
        QCOMPARE(c->asInteger("Estrato"), 1LL);
        c->prior();
        QVERIFY(c->bof());
        QCOMPARE(c->asInteger("Estrato"), 1LL);
        c->next();
        QVERIFY(!c->bof() && !c->eof());
        QCOMPARE(c->recNo(), 2);
        c->next();
        QVERIFY(!c->eof());
        c->next();
        QVERIFY(c->eof());
        QCOMPARE(c->asInteger("Estrato"), 3LL);
        c->last();
        QVERIFY(c->eof());
        // Re-reading keeps the position.
        c->prior();
        test::sqlExec("INSERT INTO Consolidado (Estrato) VALUES (9)");
        c->refresh();
        QCOMPARE(c->rowCount(), 4);
        QCOMPARE(c->asInteger("Estrato"), 2LL);
        c->close();
        QVERIFY(!c->isOpen());
        c->open();
        QCOMPARE(c->asInteger("Estrato"), 1LL);
    }

    void statesAndPendingRows() {
        Cursor* c = dm->ADOTableNecessidades;
        QCOMPARE(c->state(), Cursor::State::Browse);
        // Post with nothing pending is an error; edit on an empty cursor starts a new row.
        QVERIFY(!errorOf([&] { c->post(); }).isEmpty());
        c->edit();
        QCOMPARE(c->state(), Cursor::State::Insert);
        c->setText("RendImoveisHomenDia", "12,5");
        c->post();
        QCOMPARE(c->state(), Cursor::State::Browse);
        QCOMPARE(test::sqlValue("SELECT RendImoveisHomenDia FROM Necessidades").toDouble(), 12.5);
        c->edit();
        QCOMPARE(c->state(), Cursor::State::Edit);
        c->setText("RendImoveisHomenDia", "");
        c->post();
        QVERIFY(test::sqlValue("SELECT RendImoveisHomenDia IS NULL FROM Necessidades").toBool());
        // Delete with a new row pending abandons that row only.
        c->append();
        c->remove();
        QCOMPARE(c->state(), Cursor::State::Browse);
        QCOMPARE(c->rowCount(), 1);
        c->remove();
        QVERIFY(c->isEmpty());
        QVERIFY(!errorOf([&] { c->remove(); }).isEmpty());
    }

    void finishingStoresChangedAndDropsUnchanged() {
        Cursor* c = dm->ADOTableConsolidado;
        addStrata(2);
        c->append(); // unchanged: abandoned by the move
        c->first();
        QCOMPARE(c->rowCount(), 2);
        c->append();
        c->setInteger("Estrato", 7); // changed: stored by the move
        c->first();
        QCOMPARE(c->rowCount(), 3);
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM Consolidado WHERE Estrato = 7").toInt(), 1);
        c->edit();
        c->setInteger("ImoveisProgramados", 431);
        c->refresh(); // finishing too
        QCOMPARE(test::sqlValue("SELECT ImoveisProgramados FROM Consolidado WHERE Estrato = 1").toInt(), 431);
        c->edit();
        c->append(); // starting a row finishes the unchanged edit
        QCOMPARE(c->state(), Cursor::State::Insert);
    }

    void columnsByNameAndPosition() {
        Cursor* plan = dm->ADOTablePlanoAmostral;
        QCOMPARE(plan->column(6).name, QStringLiteral("QuartQueComporaoAmostra"));
        QCOMPARE(dm->ADOTableConsolidado->column(16).name, QStringLiteral("DepositoAegTotal"));
        QCOMPARE(dm->ADOQueryIndices->column(10).name, QStringLiteral("IBaeg"));
        Cursor* perc = dm->ADOQueryPercCriadouros;
        perc->edit();
        perc->setText(0, "12,5");
        perc->post();
        QCOMPARE(test::sqlValue("SELECT PercentDepA1 FROM PercentuaisCriadouros").toString(),
                 QStringLiteral("12,5"));

        Cursor* idx = dm->ADOQueryIndices;
        idx->append();
        idx->setInteger(0, 1);
        idx->setText(10, "4,25");
        idx->setFloat("IIPaeg", 2.5L);
        idx->setInteger("IIPalb", 3);
        idx->post();
        QCOMPARE(idx->asText(10), QStringLiteral("4,25"));
        QCOMPARE(idx->asText("IIPaeg"), QStringLiteral("2,5"));
        QCOMPARE(idx->asInteger("IIPaeg"), 2LL); // halves to even
        QCOMPARE(idx->asInteger(10), 4LL);
        QCOMPARE(static_cast<double>(idx->asFloat(0)), 1.0);
        QCOMPARE(idx->asText("A1"), QString()); // null reads as empty / 0
        QCOMPARE(idx->asInteger("A1"), 0LL);
        idx->edit();
        idx->clear("IIPaeg");
        idx->post();
        QVERIFY(idx->isNull("IIPaeg"));
        QVERIFY(!errorOf([&] { idx->asText(19); }).isEmpty());
        QVERIFY(!errorOf([&] { idx->asText("NoSuchColumn"); }).isEmpty());
    }

    void refusedValuesStoreNothing_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("integer out of range") << "TotalDeImoveisNoMunicipio"
                                              << "3000000000"
                                              << "'3000000000' is not a valid integer value";
        QTest::newRow("integer with decimals") << "TotalDeImoveisNoMunicipio"
                                               << "12,5"
                                               << "'12,5' is not a valid integer value";
        QTest::newRow("text too long") << "UF"
                                       << "SPX"
                                       << "";
        QTest::newRow("point in a comma locale") << "CodigoMunicipio"
                                                 << "1.5"
                                                 << "'1.5' is not a valid integer value";
    }
    void refusedValuesStoreNothing() {
        QFETCH(QString, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Cursor* c = dm->ADOTableCadastro;
        c->edit();
        c->setText("UF", "SP");
        const QString error = errorOf([&] { c->setText(column, text); });
        QVERIFY(!error.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(error, message);
        QCOMPARE(c->state(), Cursor::State::Insert);
        c->post();
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM Cadastro").toInt(), 1);
        const QVariant stored = test::sqlValue(QStringLiteral("SELECT \"%1\" FROM Cadastro").arg(column));
        QCOMPARE(stored.toString(), column == "UF" ? QStringLiteral("SP") : QString());
        c->edit();
        QVERIFY(!errorOf([&] { c->setInteger("TotalDeImoveisNoMunicipio", 1LL << 31); }).isEmpty());
        c->setInteger("TotalDeImoveisNoMunicipio", (1LL << 31) - 1);
        c->post();
    }

    void databaseErrorKeepsPendingRow() {
        test::sqlExec(
            "CREATE TRIGGER refuse BEFORE INSERT ON Consolidado BEGIN SELECT RAISE(ABORT, 'recusado'); END");
        Cursor* c = dm->ADOTableConsolidado;
        c->append();
        c->setInteger("Estrato", 5);
        QCOMPARE(errorOf([&] { c->post(); }), QStringLiteral("recusado"));
        QCOMPARE(c->state(), Cursor::State::Insert);
        QCOMPARE(c->asInteger("Estrato"), 5LL);
        test::sqlExec("DROP TRIGGER refuse");
        c->post();
        QCOMPARE(c->rowCount(), 1);
    }

    void queryStatementReplaced() {
        Cursor* idx = dm->ADOQueryIndices;
        QCOMPARE(idx->statement(), QStringLiteral("Select * from Indices"));
        for (double iip : {0.5, 2.0, 4.0, 0.9}) {
            idx->append();
            idx->setFloat("IIPaeg", iip);
            idx->post();
        }
        idx->close();
        idx->setStatement("Select * from Indices where IIPaeg<=0.9");
        idx->open();
        QCOMPARE(idx->rowCount(), 2);
        // Still updatable through the filtered statement.
        idx->last();
        idx->edit();
        idx->setInteger("Estrato", 4);
        idx->post();
        QCOMPARE(test::sqlValue("SELECT Estrato FROM Indices WHERE IIPaeg = 0.9").toInt(), 4);
        idx->close();
        idx->setStatement("Select Count(*) as N from Indices");
        idx->open();
        QCOMPARE(idx->asInteger("N"), 4LL);
        QVERIFY(!errorOf([&] { idx->edit(); }).isEmpty());
    }

    void masterLinksBothWays() {
        Cursor* cad = dm->ADOTableCadastro;
        Cursor* plan = dm->ADOTablePlanoAmostral;
        Cursor* def = dm->ADOTableDefQuart;
        cad->edit();
        cad->setInteger("CodigoMunicipio", 3509502);
        cad->post();
        // New plan rows carry the municipality's code; new block rows the current stratum.
        for (int s = 1; s <= 3; ++s) {
            plan->append();
            plan->setInteger("Estrato", s);
            plan->post();
            for (int item = 1; item <= s; ++item) {
                def->append();
                def->setInteger("Item", item);
                def->post();
            }
        }
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM PlanoAmostral WHERE CodigoMunicipio = 3509502").toInt(),
                 3);
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM DefinicaoQuart WHERE Estrato = 3").toInt(), 3);
        plan->first();
        QCOMPARE(def->rowCount(), 1);
        plan->next();
        QCOMPARE(def->rowCount(), 2);
        def->first();
        while (!def->eof()) {
            QCOMPARE(def->asInteger("Estrato"), 2LL);
            def->next();
        }
        // A master makes its detail finish first: the changed detail row is stored before the move.
        def->append();
        def->setInteger("Item", 9);
        plan->next();
        QCOMPARE(test::sqlValue("SELECT Estrato FROM DefinicaoQuart WHERE Item = 9").toInt(), 2);
        QCOMPARE(def->rowCount(), 3);
        // An unfilled new detail row is dropped when the master row is stored.
        plan->edit();
        plan->setInteger("NumeroDeImoveisNoEstrato", 100);
        def->insert();
        plan->post();
        QCOMPARE(def->state(), Cursor::State::Browse);
        QCOMPARE(def->rowCount(), 3);
        // Writing the link column re-links the detail; a new master row with no rows yet shows none.
        plan->append();
        plan->setInteger("Estrato", 4);
        QCOMPARE(def->rowCount(), 0);
        def->append();
        QCOMPARE(def->asInteger("Estrato"), 4LL);

        // States and municipalities.
        Cursor* uf = dm->ADOTableEstados;
        Cursor* mun = dm->ADOTableMunicipios;
        uf->first();
        while (uf->asText("Estado") != QLatin1String("SP"))
            uf->next();
        QCOMPARE(mun->rowCount(), 645);
        QCOMPARE(mun->asText("UF"), QStringLiteral("SP"));
        test::sqlExec("INSERT INTO EstadosDoBrasil (Estado) VALUES ('XX')");
        uf->refresh();
        uf->last();
        QCOMPARE(uf->asText("Estado"), QStringLiteral("XX"));
        QCOMPARE(mun->rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCursor)
#include "tst_cursor.moc"
