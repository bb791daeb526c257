#pragma once

// The table cursor: a static snapshot of a table's (or a query's) rows with an exact count,
// a current row, and the editing states browse / edit / insert. Everything the windows and
// computations do with data goes through these operations.

#include "Schema.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QVariant>
#include <memory>

namespace korva::store {

class Connection;
class Cursor;

// Something that follows a cursor: a bound control, a data source's listener or a detail
// cursor's master link. Exceptions thrown from these calls stop the cursor operation.
class DataLink {
public:
    virtual ~DataLink() = default;
    // The shown row changed (column -1: the whole row, after a move, reload, new row, post,
    // cancel or the start of an edit; otherwise one column was written).
    virtual void recordChanged(int column) { (void)column; }
    // A pending row is about to be stored or finished: push texts typed or set into controls.
    virtual void updateData() {}
    // The cursor is about to move, store or re-read: a detail finishes its own pending row.
    virtual void checkBrowseMode() {}
    virtual void stateChanged() {}
    // The cursor was opened, closed or re-read.
    virtual void activeChanged() { recordChanged(-1); }
};

class Cursor : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    Cursor(Connection& connection, const QString& objectName, QObject* parent = nullptr);
    ~Cursor() override;

    // A cursor over one table, columns in the table's declared order.
    void setTableName(const QString& table);
    // A query cursor. "Select * from <table> ..." statements stay updatable.
    void setStatement(const QString& sql);
    QString statement() const { return statement_; }
    QString tableName() const { return table_ ? table_->name : QString(); }
    // Master link: show only rows whose detailColumn equals master's masterColumn; new rows
    // get the master's value. Settable at run time (an empty column unlinks).
    void setMaster(Cursor* master, const QString& masterColumn, const QString& detailColumn);
    void setMasterColumns(const QString& columns);
    Cursor* master() const { return master_; }

    void open();
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

    void first();
    void prior();
    void next();
    void last();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Rows shown (a new row not yet stored is not counted).
    int rowCount() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty() && state_ != State::Insert; }
    // 1-based number of the current row; 0 when there is none or it is a new row.
    int recNo() const;
    // Moves to the row with this 1-based number (finishing a pending row first).
    void setRecNo(int recNo);

    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void remove();
    void refresh();
    // Finishes a pending row: stored if a column changed, otherwise abandoned. Details first.
    void finish();
    // Pushes texts of bound controls into the pending row.
    void updateRecord();
    bool isModified() const { return modified_; }

    int columnCount() const { return static_cast<int>(columns_.size()); }
    int columnIndex(const QString& name) const; // throws for an unknown column
    int findColumn(const QString& name) const;  // -1 when unknown
    const ColumnDef& column(int index) const;

    QVariant value(int column) const;
    // A column of any shown row (0-based, stored rows only), without moving the cursor.
    QVariant rowValue(int row, int column) const;
    QString rowText(int row, int column) const;
    bool isNull(int column) const { return value(column).isNull(); }
    QString asText(int column) const;
    long long asInteger(int column) const;
    long double asFloat(int column) const;
    void setText(int column, const QString& text);
    void setInteger(int column, long long value);
    void setFloat(int column, long double value);
    void clear(int column);
    void setValue(int column, const QVariant& value);

    QVariant value(const QString& column) const { return value(columnIndex(column)); }
    bool isNull(const QString& column) const { return isNull(columnIndex(column)); }
    QString asText(const QString& column) const { return asText(columnIndex(column)); }
    long long asInteger(const QString& column) const { return asInteger(columnIndex(column)); }
    long double asFloat(const QString& column) const { return asFloat(columnIndex(column)); }
    void setText(const QString& column, const QString& text) { setText(columnIndex(column), text); }
    void setInteger(const QString& column, long long value) { setInteger(columnIndex(column), value); }
    void setFloat(const QString& column, long double value) { setFloat(columnIndex(column), value); }
    void clear(const QString& column) { clear(columnIndex(column)); }

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

    bool isReadOnly() const { return table_ == nullptr; }

signals:
    // Emitted after every change of state (for enabling controls); never throws into callers.
    void stateChangedSignal();
    // The cursor shows another row (moved, opened, closed, re-read, a row removed or started).
    void rowChangedSignal();

private:
    struct Row {
        qint64 rowid = 0;
        QList<QVariant> values;
    };
    class MasterLink;

    void requireOpen() const;
    void requireRow() const;
    void requireWritable() const;
    void readRows();
    void startNewRow(qsizetype at);
    QVariant masterValue() const;
    QVariant converted(int column, const QVariant& value) const;
    QString textOf(int column, const QVariant& value) const;
    void writeColumn(int column, const QVariant& value);
    void notifyRecord(int column, bool rowChanged = false);
    void notifyActive();
    void notifyDetailsFinish();
    void notifyState();
    void afterMasterChange(bool force);
    QSqlQuery& prepared(const QString& key, const QString& sql);
    [[noreturn]] void databaseError(const QSqlQuery& query) const;

    Connection& connection_;
    const TableDef* table_ = nullptr;
    QString statement_;
    QList<ColumnDef> columns_;
    QHash<QString, int> columnByName_;

    Cursor* master_ = nullptr;
    QString masterColumnName_;
    QString detailColumnName_;
    std::unique_ptr<MasterLink> masterLink_;
    QVariant filterValue_;

    QList<Row> rows_;
    qsizetype current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    State state_ = State::Inactive;

    Row buffer_;
    QList<bool> changed_;
    qsizetype insertAt_ = -1;
    bool modified_ = false;

    QList<DataLink*> links_;
    QHash<QString, QSqlQuery> queries_;
};

} // namespace korva::store
