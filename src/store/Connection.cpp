#include "Connection.h"

#include "common/KorvaError.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace korva::store {

namespace {
int nextConnectionId = 0;
}

Connection::Connection(QObject* parent)
    : QObject(parent), connectionName_(QStringLiteral("korva-%1").arg(++nextConnectionId)) {}

Connection::~Connection() {
    close();
}

void Connection::open(const QString& fileName) {
    close();
    const QFileInfo info(fileName);
    if (!info.exists())
        throw KorvaError(
            QStringLiteral("Não foi possível abrir o banco de dados: o arquivo '%1' não existe na pasta "
                           "'%2'.")
                .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())));
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    // mode=rw: an existing file only, never a new empty one.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        throw KorvaError(
            QStringLiteral("Não foi possível abrir o banco de dados '%1': %2").arg(info.fileName(), why));
    }
    try {
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next() ||
            check.value(0).toString() != QLatin1String("ok"))
            throw KorvaError(QStringLiteral("O arquivo '%1' não é um banco de dados válido: %2")
                                 .arg(info.fileName(), check.lastError().text()));
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close() {
    if (!QSqlDatabase::contains(connectionName_))
        return;
    {
        auto db = QSqlDatabase::database(connectionName_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

bool Connection::isOpen() const {
    return QSqlDatabase::contains(connectionName_) && QSqlDatabase::database(connectionName_, false).isOpen();
}

QSqlDatabase Connection::database() const {
    return QSqlDatabase::database(connectionName_, false);
}

void Connection::exec(const QString& sql) {
    QSqlQuery q(database());
    if (!q.exec(sql))
        throw KorvaError(q.lastError().text());
}

} // namespace korva::store
