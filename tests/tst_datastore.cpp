// The database file and the data module: tables and columns as declared, the reference
// lists, the builder's refusal to touch an existing file, and start-up failures.

#include "common/KorvaError.h"
#include "fixture/Fixture.h"
#include "store/DataModule.h"
#include "store/DatabaseBuilder.h"
#include "store/Schema.h"

#include <QtTest>

using namespace korva;
using namespace korva::store;

class TestDataStore : public QObject {
    Q_OBJECT
private slots:
    void tablesHaveTheirColumnsInOrder() {
        test::TempDatabase db;
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'").toInt(), 11);
        for (const TableDef& t : tables()) {
            QStringList names;
            for (const auto& c : t.columns)
                names << c.name;
            const QString actual =
                test::sqlValue(QStringLiteral("SELECT group_concat(name, '|') FROM pragma_table_info(%1)")
                                   .arg(QStringLiteral("'%1'").arg(t.name)))
                    .toString();
            QCOMPARE(actual, names.join('|'));
        }
        QCOMPARE(test::sqlValue("SELECT journal_mode FROM pragma_journal_mode").toString(),
                 QStringLiteral("wal"));
    }

    void referenceLists() {
        test::TempDatabase db;
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM EstadosDoBrasil").toInt(), 27);
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM \"MunicípiosDoBrasil\"").toInt(), 5570);
        QCOMPARE(test::sqlValue("SELECT COUNT(DISTINCT CodigoMunicipio) FROM \"MunicípiosDoBrasil\"").toInt(),
                 5570);
        QCOMPARE(
            test::sqlValue("SELECT CodigoMunicipio FROM \"MunicípiosDoBrasil\" WHERE Municipio = 'Campinas'")
                .toString(),
            QStringLiteral("3509502"));
        QCOMPARE(test::sqlValue(
                     "SELECT COUNT(*) FROM \"MunicípiosDoBrasil\" WHERE length(CodigoMunicipio) <> 7 OR "
                     "length(Municipio) > 35 OR UF NOT IN (SELECT Estado FROM EstadosDoBrasil)")
                     .toInt(),
                 0);
        // Alphabetical within the state, accents sorting with their letters.
        QCOMPARE(
            test::sqlValue(
                "SELECT group_concat(Municipio, '|') FROM (SELECT Municipio FROM \"MunicípiosDoBrasil\" "
                "WHERE UF = 'MT' AND Municipio LIKE '%gua Boa' OR Municipio = 'Acorizal' ORDER BY rowid)")
                .toString(),
            QStringLiteral("Acorizal|Água Boa"));
    }

    void builderRefusesAnExistingFile() {
        test::TempDatabase db;
        test::sqlExec("INSERT INTO Consolidado (Estrato) VALUES (1)");
        QString error;
        try {
            createDatabase(db.folder());
        } catch (const KorvaError& e) {
            error = e.message();
        }
        QVERIFY(error.contains(QStringLiteral("já existe")));
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM Consolidado").toInt(), 1);
    }

    void dataModuleOpensEveryCursor() {
        test::TempDatabase db;
        TDataModule1 dm;
        QCOMPARE(dm.cursors().size(), 11);
        for (Cursor* c : dm.cursors())
            QVERIFY2(c->isOpen(), qPrintable(c->objectName()));
        QCOMPARE(dm.ADOQueryIndices->statement(), QStringLiteral("Select * from Indices"));
        QCOMPARE(dm.DataSourcePlanoAmostral->cursor(), dm.ADOTablePlanoAmostral);
        QCOMPARE(dm.ADOTablePlanoAmostral->master(), dm.ADOTableCadastro);
        QCOMPARE(dm.ADOTableDefQuart->master(), dm.ADOTablePlanoAmostral);
        QCOMPARE(dm.ADOTableMunicipios->master(), dm.ADOTableEstados);
        QCOMPARE(dm.ADOTableMunicipios->rowCount(), 22); // AC, the first state
        QCOMPARE(dm.ADOQueryORV->column(4).name, QStringLiteral("E<0,9_N°"));
        dm.ADOQueryORV->edit();
        dm.ADOQueryORV->setInteger("E<0,9_N°", 3);
        dm.ADOQueryORV->setFloat("1<E<3,9_%", 33.3L);
        dm.ADOQueryORV->post();
        QCOMPARE(test::sqlValue("SELECT \"E<0,9_N°\" FROM ORV").toInt(), 3);
    }

    void startFailsWithoutTheFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database")
            << QByteArray("este arquivo não é um banco de dados, apenas texto qualquer");
        QTest::newRow("missing table") << QByteArray("drop");
    }
    void startFailsWithoutTheFile() {
        QFETCH(QByteArray, content);
        const bool build = content == "drop";
        test::TempDatabase db(build);
        if (build) {
            test::sqlExec("DROP TABLE ORV");
        } else if (!content.isEmpty()) {
            QFile f(db.file());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content.repeated(200));
        }
        QString error;
        try {
            TDataModule1 dm;
        } catch (const KorvaError& e) {
            error = e.message();
        }
        QVERIFY(!error.isEmpty());
        if (content.isEmpty()) {
            QVERIFY(error.contains(QStringLiteral("Korva2012Municipios.mdb")));
            QVERIFY(!QFile::exists(db.file())); // never created by opening
        }
        if (build)
            QVERIFY(error.contains(QStringLiteral("ORV")));
    }
};

QTEST_GUILESS_MAIN(TestDataStore)
#include "tst_datastore.moc"
