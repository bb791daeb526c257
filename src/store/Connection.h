#pragma once

#include <QObject>
#include <QSqlDatabase>

namespace korva::store {

// One connection to the database file. The file must exist: it is never created here.
class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    // Opens the file in WAL mode with synchronous=NORMAL; throws KorvaError with the
    // database layer's message when it cannot.
    void open(const QString& fileName);
    void close();
    bool isOpen() const;
    QSqlDatabase database() const;
    // Runs one statement that returns no rows; throws on failure.
    void exec(const QString& sql);

private:
    QString connectionName_;
};

} // namespace korva::store
