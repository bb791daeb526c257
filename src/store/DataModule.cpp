#include "DataModule.h"

namespace korva::store {

TDataModule1::TDataModule1(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("DataModule1"));
    ADOConnection1 = new Connection(this);
    ADOConnection1->setObjectName(QStringLiteral("ADOConnection1"));
    try {
        ADOConnection1->open(QString::fromLatin1(kDatabaseFileName));
        createCursors();
    } catch (...) {
        dropCursors();
        throw;
    }
}

void TDataModule1::createCursors() {

    ADOTableCadastro = makeTable(QStringLiteral("ADOTableCadastro"), QStringLiteral("Cadastro"),
                                 DataSourceCadastro, QStringLiteral("DataSourceCadastro"));
    ADOTablePlanoAmostral =
        makeTable(QStringLiteral("ADOTablePlanoAmostral"), QStringLiteral("PlanoAmostral"),
                  DataSourcePlanoAmostral, QStringLiteral("DataSourcePlanoAmostral"));
    ADOTableDefQuart = makeTable(QStringLiteral("ADOTableDefQuart"), QStringLiteral("DefinicaoQuart"),
                                 DataSourceDefQuart, QStringLiteral("DataSourceDefQuart"));
    ADOTableNecessidades = makeTable(QStringLiteral("ADOTableNecessidades"), QStringLiteral("Necessidades"),
                                     DataSourceNecessidades, QStringLiteral("DataSourceNecessidades"));
    ADOTableConsolidado = makeTable(QStringLiteral("ADOTableConsolidado"), QStringLiteral("Consolidado"),
                                    DataSourceConsolidado, QStringLiteral("DataSourceConsolidado"));
    ADOTableTotalConsolidado =
        makeTable(QStringLiteral("ADOTableTotalConsolidado"), QStringLiteral("TotaisDoConsolidado"),
                  DataSourceTotalConsolidado, QStringLiteral("DataSourceTotalConsolidado"));
    ADOQueryIndices = makeQuery(QStringLiteral("ADOQueryIndices"), QStringLiteral("Select * from Indices"),
                                DataSourceIndices, QStringLiteral("DataSourceIndices"));
    ADOQueryPercCriadouros = makeQuery(QStringLiteral("ADOQueryPercCriadouros"),
                                       QStringLiteral("Select * from PercentuaisCriadouros;"),
                                       DataSourcePercCriadouros, QStringLiteral("DataSourcePercCriadouros"));
    ADOQueryORV = makeQuery(QStringLiteral("ADOQueryORV"), QStringLiteral("Select * from ORV"), DataSourceORV,
                            QStringLiteral("DataSourceORV"));
    ADOTableEstados = makeTable(QStringLiteral("ADOTableEstados"), QStringLiteral("EstadosDoBrasil"),
                                DataSourceEstados, QStringLiteral("DataSourceEstados"));
    ADOTableMunicipios = makeTable(QStringLiteral("ADOTableMunicipios"), QStringLiteral("MunicípiosDoBrasil"),
                                   DataSourceMunicipios, QStringLiteral("DataSourceMunicipios"));

    ADOTablePlanoAmostral->setMaster(ADOTableCadastro, QStringLiteral("CodigoMunicipio"),
                                     QStringLiteral("CodigoMunicipio"));
    ADOTableDefQuart->setMaster(ADOTablePlanoAmostral, QStringLiteral("Estrato"), QStringLiteral("Estrato"));
    ADOTableMunicipios->setMaster(ADOTableEstados, QStringLiteral("Estado"), QStringLiteral("UF"));

    for (Cursor* c : cursors_)
        c->open();
}

TDataModule1::~TDataModule1() {
    dropCursors();
}

void TDataModule1::dropCursors() {
    // Cursors hold prepared statements of the connection: they go first, details before masters.
    for (auto it = cursors_.rbegin(); it != cursors_.rend(); ++it)
        delete *it;
    cursors_.clear();
    ADOConnection1->close();
}

Cursor* TDataModule1::makeTable(const QString& name, const QString& table, DataSource*& source,
                                const QString& sourceName) {
    auto* c = new Cursor(*ADOConnection1, name, this);
    c->setTableName(table);
    source = new DataSource(c, sourceName, this);
    cursors_.append(c);
    return c;
}

Cursor* TDataModule1::makeQuery(const QString& name, const QString& sql, DataSource*& source,
                                const QString& sourceName) {
    auto* c = new Cursor(*ADOConnection1, name, this);
    c->setStatement(sql);
    source = new DataSource(c, sourceName, this);
    cursors_.append(c);
    return c;
}

Cursor* TDataModule1::cursor(const QString& objectName) const {
    for (Cursor* c : cursors_)
        if (c->objectName() == objectName)
            return c;
    return nullptr;
}

} // namespace korva::store
