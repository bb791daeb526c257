#include "DatabaseBuilder.h"

#include "Schema.h"
#include "common/KorvaError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

// Resources of a static library are registered by hand, outside any namespace.
static void initReferenceLists() {
    Q_INIT_RESOURCE(reference);
}

namespace korva::store {

namespace {

QList<QStringList> readList(const QString& resource) {
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw KorvaError(QStringLiteral("Lista de referência ausente: %1").arg(resource));
    QList<QStringList> rows;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.isEmpty())
            rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

void run(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql))
        throw KorvaError(q.lastError().text());
}

void fill(QSqlDatabase& db, const QString& table, const QList<QStringList>& rows, int columns) {
    QStringList marks;
    for (int i = 0; i < columns; ++i)
        marks << QStringLiteral("?");
    QSqlQuery q(db);
    if (!q.prepare(
            QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quoted(table), marks.join(QLatin1Char(',')))))
        throw KorvaError(q.lastError().text());
    for (const auto& row : rows) {
        if (row.size() != columns)
            throw KorvaError(
                QStringLiteral("Linha inválida na lista de %1: %2").arg(table, row.join(QLatin1Char(' '))));
        for (int i = 0; i < columns; ++i)
            q.bindValue(i, row[i]);
        if (!q.exec())
            throw KorvaError(q.lastError().text());
    }
}

void build(const QString& path, BuildSummary& summary) {
    const QString name = QStringLiteral("korva-builder");
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            throw KorvaError(db.lastError().text());
        QSqlQuery q(db);
        run(q, QStringLiteral("PRAGMA journal_mode=WAL"));
        if (!db.transaction())
            throw KorvaError(db.lastError().text());
        for (const auto& t : tables())
            run(q, createTableSql(t));
        run(q, QStringLiteral("CREATE INDEX IdxMunicipiosUF ON %1 (\"UF\")")
                   .arg(quoted(QStringLiteral("MunicípiosDoBrasil"))));
        run(q, QStringLiteral(
                   "CREATE INDEX IdxPlanoAmostralMunicipio ON \"PlanoAmostral\" (\"CodigoMunicipio\")"));
        run(q, QStringLiteral("CREATE INDEX IdxDefinicaoQuartEstrato ON \"DefinicaoQuart\" (\"Estrato\")"));
        const auto states = readList(QStringLiteral(":/reference/estados.tsv"));
        const auto municipalities = readList(QStringLiteral(":/reference/municipios.tsv"));
        fill(db, QStringLiteral("EstadosDoBrasil"), states, 3);
        fill(db, QStringLiteral("MunicípiosDoBrasil"), municipalities, 3);
        if (!db.commit())
            throw KorvaError(db.lastError().text());
        q.finish();
        db.close();
        summary.states = static_cast<int>(states.size());
        summary.municipalities = static_cast<int>(municipalities.size());
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

BuildSummary createDatabase(const QString& folder) {
    initReferenceLists();
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (!dir.exists())
        throw KorvaError(QStringLiteral("A pasta '%1' não existe.").arg(QDir::toNativeSeparators(folder)));
    BuildSummary summary;
    summary.path = dir.absoluteFilePath(QString::fromLatin1(kDatabaseFileName));
    if (QFileInfo::exists(summary.path))
        throw KorvaError(QStringLiteral("O arquivo '%1' já existe; nada foi alterado.")
                             .arg(QDir::toNativeSeparators(summary.path)));
    // Built under a temporary name and then renamed, which never replaces an existing file.
    const QString temp = summary.path + QStringLiteral(".novo");
    QFile::remove(temp);
    try {
        build(temp, summary);
    } catch (...) {
        QSqlDatabase::removeDatabase(QStringLiteral("korva-builder"));
        QFile::remove(temp);
        throw;
    }
    if (!QFile::rename(temp, summary.path)) {
        QFile::remove(temp);
        throw KorvaError(QStringLiteral("O arquivo '%1' já existe; nada foi alterado.")
                             .arg(QDir::toNativeSeparators(summary.path)));
    }
    return summary;
}

} // namespace korva::store
