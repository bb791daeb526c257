#include "Cursor.h"

#include "Connection.h"
#include "common/KorvaError.h"
#include "common/NumberText.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <QStringList>
#include <cmath>

namespace korva::store {

// Follows the master cursor for a detail cursor.
class Cursor::MasterLink : public DataLink {
public:
    explicit MasterLink(Cursor& detail) : detail_(detail) {}
    void recordChanged(int column) override {
        if (column < 0 || column == detail_.master_->findColumn(detail_.masterColumnName_))
            detail_.afterMasterChange(false);
    }
    void activeChanged() override { detail_.afterMasterChange(true); }
    void checkBrowseMode() override { detail_.finish(); }

private:
    Cursor& detail_;
};

namespace {

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a.toString() == b.toString();
}

const QRegularExpression& selectStarPattern() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+("[^"]+"|\[[^\]]+\]|[^\s;]+)(.*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re;
}

} // namespace

Cursor::Cursor(Connection& connection, const QString& objectName, QObject* parent)
    : QObject(parent), connection_(connection) {
    setObjectName(objectName);
}

Cursor::~Cursor() {
    if (master_ && masterLink_)
        master_->removeLink(masterLink_.get());
}

void Cursor::setTableName(const QString& table) {
    if (isOpen())
        close();
    table_ = findTable(table);
    if (!table_)
        throw KorvaError(QStringLiteral("Tabela desconhecida: %1").arg(table));
    statement_.clear();
    columns_ = table_->columns;
    columnByName_.clear();
    for (int i = 0; i < columns_.size(); ++i)
        columnByName_.insert(columns_[i].name.toLower(), i);
}

void Cursor::setStatement(const QString& sql) {
    if (isOpen())
        close();
    statement_ = sql;
    table_ = nullptr;
    columns_.clear();
    columnByName_.clear();
    const auto match = selectStarPattern().match(sql);
    if (match.hasMatch()) {
        QString name = match.captured(1);
        if (name.startsWith(QLatin1Char('"')) || name.startsWith(QLatin1Char('[')))
            name = name.mid(1, name.size() - 2);
        table_ = findTable(name);
    }
    if (table_) {
        columns_ = table_->columns;
        for (int i = 0; i < columns_.size(); ++i)
            columnByName_.insert(columns_[i].name.toLower(), i);
    }
}

void Cursor::setMaster(Cursor* master, const QString& masterColumn, const QString& detailColumn) {
    if (master_ && masterLink_)
        master_->removeLink(masterLink_.get());
    master_ = master;
    masterColumnName_ = masterColumn;
    detailColumnName_ = detailColumn;
    if (!masterLink_)
        masterLink_ = std::make_unique<MasterLink>(*this);
    if (master_)
        master_->addLink(masterLink_.get());
    if (isOpen())
        afterMasterChange(true);
}

void Cursor::setMasterColumns(const QString& columns) {
    masterColumnName_ = columns;
    detailColumnName_ = columns;
    if (isOpen())
        afterMasterChange(true);
}

void Cursor::requireOpen() const {
    if (!isOpen())
        throw KorvaError(
            QStringLiteral("Operação não permitida: o cursor %1 está fechado.").arg(objectName()));
}

void Cursor::requireRow() const {
    if (isEmpty())
        throw KorvaError(
            QStringLiteral("Operação não permitida: o cursor %1 não tem registros.").arg(objectName()));
}

void Cursor::requireWritable() const {
    if (!table_)
        throw KorvaError(QStringLiteral("O cursor %1 é somente leitura.").arg(objectName()));
}

void Cursor::databaseError(const QSqlQuery& query) const {
    const QSqlError e = query.lastError();
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.text();
    throw KorvaError(text);
}

QSqlQuery& Cursor::prepared(const QString& key, const QString& sql) {
    auto it = queries_.find(key);
    if (it == queries_.end()) {
        QSqlQuery q(connection_.database());
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            databaseError(q);
        it = queries_.insert(key, q);
    }
    return it.value();
}

QVariant Cursor::masterValue() const {
    if (!master_ || !master_->isOpen() || master_->isEmpty())
        return {};
    const int col = master_->findColumn(masterColumnName_);
    return col < 0 ? QVariant() : master_->value(col);
}

void Cursor::readRows() {
    rows_.clear();
    const bool linked = master_ && !detailColumnName_.isEmpty();
    if (linked) {
        filterValue_ = masterValue();
        if (filterValue_.isNull())
            return; // no master row: nothing matches
    }
    QStringList names;
    for (const auto& c : columns_)
        names << quoted(c.name);
    QString sql;
    if (table_ && statement_.isEmpty()) {
        sql = QStringLiteral("SELECT rowid, %1 FROM %2")
                  .arg(names.join(QLatin1String(", ")), quoted(table_->name));
        if (linked)
            sql += QStringLiteral(" WHERE %1 = ?").arg(quoted(detailColumnName_));
        sql += QStringLiteral(" ORDER BY rowid");
    } else if (table_) {
        const auto match = selectStarPattern().match(statement_);
        sql = QStringLiteral("SELECT rowid, %1 FROM %2 %3")
                  .arg(names.join(QLatin1String(", ")), quoted(table_->name), match.captured(2));
    } else {
        sql = statement_;
    }
    QSqlQuery& q = prepared(QStringLiteral("select:") + sql, sql);
    if (linked)
        q.bindValue(0, filterValue_);
    if (!q.exec())
        databaseError(q);
    if (!table_) {
        // A free statement: its columns come from the result.
        const QSqlRecord rec = q.record();
        columns_.clear();
        columnByName_.clear();
        for (int i = 0; i < rec.count(); ++i) {
            const auto type = rec.field(i).metaType().id();
            ColumnType ct = type == QMetaType::Double                                 ? ColumnType::Floating
                            : (type == QMetaType::LongLong || type == QMetaType::Int) ? ColumnType::Integer
                                                                                      : ColumnType::Memo;
            columns_.append({rec.fieldName(i), ct});
            columnByName_.insert(rec.fieldName(i).toLower(), i);
        }
    }
    const int first = table_ ? 1 : 0;
    const int n = static_cast<int>(columns_.size());
    while (q.next()) {
        Row row;
        row.rowid = table_ ? q.value(0).toLongLong() : 0;
        row.values.reserve(n);
        for (int i = 0; i < n; ++i)
            row.values.append(converted(i, q.value(first + i)));
        rows_.append(std::move(row));
    }
    q.finish();
}

void Cursor::open() {
    if (isOpen())
        return;
    if (!table_ && statement_.isEmpty())
        throw KorvaError(QStringLiteral("O cursor %1 não tem tabela nem comando.").arg(objectName()));
    readRows();
    state_ = State::Browse;
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    modified_ = false;
    notifyActive();
    notifyState();
}

void Cursor::close() {
    if (!isOpen())
        return;
    state_ = State::Inactive;
    rows_.clear();
    buffer_ = Row();
    changed_.clear();
    current_ = -1;
    bof_ = eof_ = true;
    modified_ = false;
    filterValue_ = QVariant();
    notifyActive();
    notifyState();
}

int Cursor::recNo() const {
    if (!isOpen() || state_ == State::Insert || current_ < 0)
        return 0;
    return static_cast<int>(current_) + 1;
}

void Cursor::first() {
    requireOpen();
    finish();
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    notifyRecord(-1, true);
}

void Cursor::last() {
    requireOpen();
    finish();
    current_ = rows_.size() - 1;
    eof_ = true;
    bof_ = rows_.isEmpty();
    notifyRecord(-1, true);
}

void Cursor::next() {
    requireOpen();
    finish();
    if (current_ + 1 < rows_.size()) {
        ++current_;
        bof_ = eof_ = false;
        notifyRecord(-1, true);
    } else {
        eof_ = true;
        if (rows_.isEmpty())
            bof_ = true;
    }
}

void Cursor::prior() {
    requireOpen();
    finish();
    if (current_ > 0) {
        --current_;
        bof_ = eof_ = false;
        notifyRecord(-1, true);
    } else {
        bof_ = true;
        if (rows_.isEmpty())
            eof_ = true;
    }
}

void Cursor::setRecNo(int recNo) {
    requireOpen();
    finish();
    if (recNo < 1 || recNo > rows_.size())
        return;
    current_ = recNo - 1;
    bof_ = eof_ = false;
    notifyRecord(-1, true);
}

void Cursor::startNewRow(qsizetype at) {
    requireWritable();
    buffer_ = Row();
    buffer_.values.resize(columns_.size());
    changed_ = QList<bool>(columns_.size(), false);
    if (master_ && !detailColumnName_.isEmpty()) {
        const int col = findColumn(detailColumnName_);
        if (col >= 0)
            buffer_.values[col] = converted(col, masterValue());
    }
    insertAt_ = at;
    state_ = State::Insert;
    modified_ = false;
    bof_ = eof_ = false;
    notifyRecord(-1, true);
    notifyState();
}

void Cursor::insert() {
    requireOpen();
    finish();
    requireWritable();
    startNewRow(current_ < 0 ? 0 : current_);
}

void Cursor::append() {
    requireOpen();
    finish();
    requireWritable();
    startNewRow(rows_.size());
}

void Cursor::edit() {
    requireOpen();
    if (isEditing())
        return;
    requireWritable();
    if (rows_.isEmpty()) {
        startNewRow(0);
        return;
    }
    buffer_ = rows_[current_];
    changed_ = QList<bool>(columns_.size(), false);
    state_ = State::Edit;
    modified_ = false;
    notifyRecord(-1);
    notifyState();
}

void Cursor::updateRecord() {
    if (!isEditing())
        return;
    const auto links = links_;
    for (DataLink* link : links)
        if (links_.contains(link))
            link->updateData();
}

void Cursor::post() {
    requireOpen();
    if (!isEditing())
        throw KorvaError(
            QStringLiteral("Operação não permitida: o cursor %1 não está em edição nem em inclusão.")
                .arg(objectName()));
    notifyDetailsFinish();
    updateRecord();
    if (state_ == State::Insert) {
        QStringList names;
        QStringList marks;
        for (const auto& c : columns_) {
            names << quoted(c.name);
            marks << QStringLiteral("?");
        }
        QSqlQuery& q =
            prepared(QStringLiteral("insert"), QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                   .arg(quoted(table_->name), names.join(QLatin1String(", ")),
                                                        marks.join(QLatin1String(", "))));
        for (int i = 0; i < buffer_.values.size(); ++i)
            q.bindValue(i, buffer_.values[i]);
        if (!q.exec())
            databaseError(q);
        buffer_.rowid = q.lastInsertId().toLongLong();
        q.finish();
        const qsizetype at = std::min(insertAt_, rows_.size());
        rows_.insert(at, buffer_);
        current_ = at;
    } else {
        QStringList sets;
        QString key = QStringLiteral("update:");
        for (int i = 0; i < columns_.size(); ++i) {
            key += changed_[i] ? QLatin1Char('1') : QLatin1Char('0');
            if (changed_[i])
                sets << quoted(columns_[i].name) + QStringLiteral(" = ?");
        }
        if (!sets.isEmpty()) {
            QSqlQuery& q = prepared(key, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                             .arg(quoted(table_->name), sets.join(QLatin1String(", "))));
            int p = 0;
            for (int i = 0; i < columns_.size(); ++i)
                if (changed_[i])
                    q.bindValue(p++, buffer_.values[i]);
            q.bindValue(p, buffer_.rowid);
            if (!q.exec())
                databaseError(q);
            const int affected = q.numRowsAffected();
            q.finish();
            if (affected == 0)
                throw KorvaError(
                    QStringLiteral("O registro não existe mais na tabela %1.").arg(table_->name));
        }
        rows_[current_] = buffer_;
    }
    state_ = State::Browse;
    modified_ = false;
    changed_.clear();
    bof_ = eof_ = false;
    notifyRecord(-1);
    notifyState();
}

void Cursor::cancel() {
    if (!isEditing())
        return;
    const bool wasInsert = state_ == State::Insert;
    state_ = State::Browse;
    modified_ = false;
    changed_.clear();
    buffer_ = Row();
    if (wasInsert)
        current_ = rows_.isEmpty() ? -1 : std::min(insertAt_, rows_.size() - 1);
    bof_ = eof_ = rows_.isEmpty();
    notifyRecord(-1, wasInsert);
    notifyState();
}

void Cursor::finish() {
    if (!isOpen())
        return;
    notifyDetailsFinish();
    if (!isEditing())
        return;
    updateRecord();
    if (modified_)
        post();
    else
        cancel();
}

void Cursor::remove() {
    requireOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    requireRow();
    requireWritable();
    notifyDetailsFinish();
    QSqlQuery& q = prepared(QStringLiteral("delete"),
                            QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_->name)));
    q.bindValue(0, rows_[current_].rowid);
    if (!q.exec())
        databaseError(q);
    q.finish();
    rows_.removeAt(current_);
    if (state_ == State::Edit) {
        state_ = State::Browse;
        changed_.clear();
        modified_ = false;
    }
    current_ = rows_.isEmpty() ? -1 : std::min(current_, rows_.size() - 1);
    bof_ = eof_ = rows_.isEmpty();
    notifyRecord(-1, true);
    notifyState();
}

void Cursor::refresh() {
    requireOpen();
    finish();
    const qint64 rowid = current_ >= 0 ? rows_[current_].rowid : -1;
    const qsizetype oldIndex = current_;
    readRows();
    current_ = -1;
    for (qsizetype i = 0; i < rows_.size(); ++i)
        if (rows_[i].rowid == rowid) {
            current_ = i;
            break;
        }
    if (current_ < 0 && !rows_.isEmpty())
        current_ = std::clamp<qsizetype>(oldIndex, 0, rows_.size() - 1);
    bof_ = eof_ = rows_.isEmpty();
    notifyActive();
}

void Cursor::afterMasterChange(bool force) {
    if (!isOpen())
        return;
    if (!force && sameValue(masterValue(), filterValue_))
        return;
    finish();
    readRows();
    current_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    notifyActive();
}

int Cursor::findColumn(const QString& name) const {
    return columnByName_.value(name.toLower(), -1);
}

int Cursor::columnIndex(const QString& name) const {
    const int i = findColumn(name);
    if (i < 0)
        throw KorvaError(QStringLiteral("%1: campo '%2' não encontrado").arg(objectName(), name));
    return i;
}

const ColumnDef& Cursor::column(int index) const {
    if (index < 0 || index >= columns_.size())
        throw KorvaError(
            QStringLiteral("%1: índice de campo fora do intervalo: %2").arg(objectName()).arg(index));
    return columns_[index];
}

QVariant Cursor::value(int col) const {
    column(col);
    if (isEditing())
        return buffer_.values[col];
    if (!isOpen() || current_ < 0)
        return {};
    return rows_[current_].values[col];
}

QVariant Cursor::rowValue(int row, int col) const {
    column(col);
    if (row < 0 || row >= rows_.size())
        return {};
    if (row == current_ && state_ == State::Edit)
        return buffer_.values[col];
    return rows_[row].values[col];
}

QString Cursor::rowText(int row, int col) const {
    return textOf(col, rowValue(row, col));
}

QString Cursor::asText(int col) const {
    return textOf(col, value(col));
}

QString Cursor::textOf(int col, const QVariant& v) const {
    if (v.isNull())
        return {};
    switch (columns_[col].type) {
    case ColumnType::Integer:
        return QString::number(v.toLongLong());
    case ColumnType::Floating:
        return num::general(v.toDouble());
    default:
        return v.toString();
    }
}

long long Cursor::asInteger(int col) const {
    const QVariant v = value(col);
    if (v.isNull())
        return 0;
    switch (columns_[col].type) {
    case ColumnType::Integer:
        return v.toLongLong();
    case ColumnType::Floating:
        return num::roundHalfEven(v.toDouble());
    default:
        return num::parseInt(v.toString());
    }
}

long double Cursor::asFloat(int col) const {
    const QVariant v = value(col);
    if (v.isNull())
        return 0;
    switch (columns_[col].type) {
    case ColumnType::Integer:
        return static_cast<long double>(v.toLongLong());
    case ColumnType::Floating:
        return v.toDouble();
    default:
        return num::parseFloat(v.toString());
    }
}

// The value as stored for the column's type: qlonglong, double or QString.
QVariant Cursor::converted(int col, const QVariant& v) const {
    if (v.isNull())
        return {};
    switch (columns_[col].type) {
    case ColumnType::Integer:
        return QVariant(v.toLongLong());
    case ColumnType::Floating:
        return QVariant(v.toDouble());
    default:
        return QVariant(v.toString());
    }
}

void Cursor::writeColumn(int col, const QVariant& v) {
    requireOpen();
    if (!isEditing())
        throw KorvaError(
            QStringLiteral("Operação não permitida: o cursor %1 não está em edição nem em inclusão.")
                .arg(objectName()));
    buffer_.values[col] = v;
    changed_[col] = true;
    modified_ = true;
    notifyRecord(col);
}

namespace {

[[noreturn]] void outOfRange(const ColumnDef& c, long long v) {
    throw KorvaError(
        QStringLiteral("O valor %1 está fora do intervalo do campo '%2' (inteiro de -2147483648 a "
                       "2147483647); nada foi gravado.")
            .arg(v)
            .arg(c.name));
}

long double parseFieldFloat(const QString& text, const QString& column) {
    try {
        return num::parseFloat(text);
    } catch (const KorvaError&) {
        throw KorvaError(
            QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(text, column));
    }
}

void checkLength(const ColumnDef& c, const QString& text) {
    if (c.type == ColumnType::Text && text.size() > c.size)
        throw KorvaError(
            QStringLiteral("O texto '%1' tem %2 caracteres, mais do que os %3 aceitos pelo campo '%4'; "
                           "nada foi gravado.")
                .arg(text)
                .arg(text.size())
                .arg(c.size)
                .arg(c.name));
}

} // namespace

void Cursor::setText(int col, const QString& text) {
    const ColumnDef& c = column(col);
    switch (c.type) {
    case ColumnType::Integer:
        if (text.trimmed().isEmpty())
            writeColumn(col, QVariant());
        else
            writeColumn(col, QVariant(static_cast<qlonglong>(num::parseInt(text))));
        break;
    case ColumnType::Floating:
        if (text.trimmed().isEmpty())
            writeColumn(col, QVariant());
        else
            writeColumn(col, QVariant(static_cast<double>(parseFieldFloat(text, c.name))));
        break;
    case ColumnType::Text:
    case ColumnType::Memo:
        checkLength(c, text);
        writeColumn(col, QVariant(text));
        break;
    }
}

void Cursor::setInteger(int col, long long v) {
    const ColumnDef& c = column(col);
    switch (c.type) {
    case ColumnType::Integer:
        if (v < INT32_MIN || v > INT32_MAX)
            outOfRange(c, v);
        writeColumn(col, QVariant(static_cast<qlonglong>(v)));
        break;
    case ColumnType::Floating:
        writeColumn(col, QVariant(static_cast<double>(v)));
        break;
    default:
        setText(col, QString::number(v));
    }
}

void Cursor::setFloat(int col, long double v) {
    const ColumnDef& c = column(col);
    switch (c.type) {
    case ColumnType::Integer: {
        if (!std::isfinite(v))
            throw KorvaError(QStringLiteral("Invalid floating point operation"));
        const long double r = std::nearbyint(v);
        if (r < INT32_MIN || r > INT32_MAX)
            outOfRange(c, static_cast<long long>(std::clamp<long double>(r, -9e18L, 9e18L)));
        writeColumn(col, QVariant(static_cast<qlonglong>(r)));
        break;
    }
    case ColumnType::Floating:
        writeColumn(col, QVariant(static_cast<double>(v)));
        break;
    default:
        setText(col, num::general(v));
    }
}

void Cursor::clear(int col) {
    column(col);
    writeColumn(col, QVariant());
}

void Cursor::setValue(int col, const QVariant& v) {
    if (v.isNull()) {
        clear(col);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        setInteger(col, v.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        setFloat(col, v.toDouble());
        break;
    default:
        setText(col, v.toString());
    }
}

void Cursor::addLink(DataLink* link) {
    if (!links_.contains(link))
        links_.append(link);
}

void Cursor::removeLink(DataLink* link) {
    links_.removeAll(link);
}

void Cursor::notifyRecord(int column, bool rowChanged) {
    const auto links = links_;
    for (DataLink* link : links)
        if (links_.contains(link))
            link->recordChanged(column);
    if (rowChanged)
        emit rowChangedSignal();
}

void Cursor::notifyActive() {
    const auto links = links_;
    for (DataLink* link : links)
        if (links_.contains(link))
            link->activeChanged();
    emit rowChangedSignal();
}

void Cursor::notifyDetailsFinish() {
    const auto links = links_;
    for (DataLink* link : links)
        if (links_.contains(link))
            link->checkBrowseMode();
}

void Cursor::notifyState() {
    const auto links = links_;
    for (DataLink* link : links)
        if (links_.contains(link))
            link->stateChanged();
    emit stateChangedSignal();
}

} // namespace korva::store
