#pragma once

#include "Connection.h"
#include "Cursor.h"
#include "DataSource.h"

#include <QList>
#include <QObject>

namespace korva::store {

// The owner of all database access: the connection, one cursor per table and one data
// source per cursor, all opened when the module is created.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    // Opens Korva2012Municipios.mdb in the current folder; throws KorvaError with the database
    // layer's message when the file or one of its tables cannot be opened.
    explicit TDataModule1(QObject* parent = nullptr);
    ~TDataModule1() override;

    Connection* ADOConnection1;

    Cursor* ADOTableCadastro;
    Cursor* ADOTablePlanoAmostral;
    Cursor* ADOTableDefQuart;
    Cursor* ADOTableNecessidades;
    Cursor* ADOTableConsolidado;
    Cursor* ADOTableTotalConsolidado;
    Cursor* ADOQueryIndices;
    Cursor* ADOQueryPercCriadouros;
    Cursor* ADOQueryORV;
    Cursor* ADOTableEstados;
    Cursor* ADOTableMunicipios;

    DataSource* DataSourceCadastro;
    DataSource* DataSourcePlanoAmostral;
    DataSource* DataSourceDefQuart;
    DataSource* DataSourceNecessidades;
    DataSource* DataSourceConsolidado;
    DataSource* DataSourceTotalConsolidado;
    DataSource* DataSourceIndices;
    DataSource* DataSourcePercCriadouros;
    DataSource* DataSourceORV;
    DataSource* DataSourceEstados;
    DataSource* DataSourceMunicipios;

    // Every cursor, in creation order.
    const QList<Cursor*>& cursors() const { return cursors_; }
    Cursor* cursor(const QString& objectName) const;

private:
    void createCursors();
    void dropCursors();
    Cursor* makeTable(const QString& name, const QString& table, DataSource*& source,
                      const QString& sourceName);
    Cursor* makeQuery(const QString& name, const QString& sql, DataSource*& source,
                      const QString& sourceName);
    QList<Cursor*> cursors_;
};

} // namespace korva::store
