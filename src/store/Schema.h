#pragma once

#include <QList>
#include <QString>

namespace korva::store {

enum class ColumnType { Integer, Floating, Text, Memo };

struct ColumnDef {
    QString name;
    ColumnType type;
    int size = 0; // maximum characters of a Text column
};

struct TableDef {
    QString name;
    QList<ColumnDef> columns;
};

// The database file's name; it is always looked up in the current folder.
inline constexpr const char* kDatabaseFileName = "Korva2012Municipios.mdb";

// Every table of the database file, working tables first (in the order "Limpar BD" empties
// them), then the two reference lists.
const QList<TableDef>& tables();
const TableDef* findTable(const QString& name);

// Names quoted for SQL (column names hold characters such as '<', ',' and '°').
QString quoted(const QString& identifier);
QString createTableSql(const TableDef& table);

} // namespace korva::store
