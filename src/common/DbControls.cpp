#include "DbControls.h"

#include "Handler.h"
#include "NumberText.h"

#include <QApplication>
#include <QKeyEvent>

namespace korva {

using store::ColumnType;

// ---- FieldLink

FieldLink::~FieldLink() {
    if (cursor())
        cursor()->removeLink(this);
}

void FieldLink::bind(store::DataSource* source, const QString& column) {
    if (cursor())
        cursor()->removeLink(this);
    source_ = source;
    column_ = column;
    if (cursor())
        cursor()->addLink(this);
    reload();
}

int FieldLink::column() const {
    store::Cursor* c = cursor();
    return c && c->isOpen() ? c->findColumn(column_) : -1;
}

QString FieldLink::fieldText() const {
    const int col = column();
    return col < 0 ? QString() : cursor()->asText(col);
}

bool FieldLink::canModify() const {
    return column() >= 0 && !cursor()->isReadOnly();
}

bool FieldLink::editing() const {
    return cursor() && cursor()->isEditing();
}

void FieldLink::edit() {
    if (canModify() && !cursor()->isEditing())
        cursor()->edit();
}

void FieldLink::write(const QString& text) {
    if (!editing() || column() < 0)
        return;
    cursor()->setText(column(), text);
    modified = false;
}

void FieldLink::reload() {
    reloading_ = true;
    try {
        show_(fieldText());
    } catch (...) {
        reloading_ = false;
        throw;
    }
    modified = false;
    reloading_ = false;
}

void FieldLink::push() {
    if (modified)
        write(shown_());
}

void FieldLink::recordChanged(int col) {
    if (col < 0 || col == column())
        reload();
}

namespace {

// Keys a column accepts while typing: digits and signs for whole numbers, and the decimal
// separator and exponent for floating numbers.
bool acceptsChar(const FieldLink& link, QChar ch) {
    const int col = link.column();
    if (col < 0)
        return true;
    const ColumnType type = link.cursor()->column(col).type;
    const bool digitOrSign = (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('+') ||
                             ch == QLatin1Char('-');
    if (type == ColumnType::Integer)
        return digitOrSign;
    if (type == ColumnType::Floating)
        return digitOrSign || ch == num::decimalSeparator() || ch == QLatin1Char('e') ||
               ch == QLatin1Char('E');
    return true;
}

// The character a key press types, Backspace included as '\b'; a null character otherwise.
QChar typedChar(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Backspace)
        return QLatin1Char('\b');
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString t = e->text();
    return !t.isEmpty() && t[0].isPrint() ? t[0] : QChar();
}

bool startsEditing(const QKeyEvent* e) {
    return e->key() == Qt::Key_Delete || e->matches(QKeySequence::Paste) || e->matches(QKeySequence::Cut);
}

bool isExitReason(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

} // namespace

// ---- DBEdit

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent), link_([this] { return text(); },
                               [this](const QString& t) {
                                   if (text() != t)
                                       setText(t);
                               }) {
    connect(this, &QLineEdit::textChanged, this, [this] { link_.changed(); });
}

void DBEdit::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->key() == Qt::Key_Escape && link_.modified) {
        link_.reload();
        return;
    }
    const QChar ch = typedChar(e);
    if (!ch.isNull()) {
        if (ch != QLatin1Char('\b') && !acceptsChar(link_, ch)) {
            QApplication::beep();
            return;
        }
        emit keyPressed(ch);
        if (!runHandler([this] { link_.edit(); }))
            return;
    } else if (startsEditing(e) && !runHandler([this] { link_.edit(); })) {
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void DBEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (isExitReason(e->reason()))
        QMetaObject::invokeMethod(this, &DBEdit::doExit, Qt::QueuedConnection);
}

void DBEdit::doExit() {
    if (!runHandler([this] { link_.push(); })) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
        return;
    }
    emit exited();
}

// ---- DBText

DBText::DBText(QWidget* parent)
    : QLabel(parent), link_([this] { return text(); }, [this](const QString& t) { setText(t); }) {}

// ---- DBMemo

DBMemo::DBMemo(QWidget* parent)
    : QPlainTextEdit(parent), link_([this] { return toPlainText(); },
                                    [this](const QString& t) {
                                        if (toPlainText() != t)
                                            setPlainText(t);
                                    }) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] { link_.changed(); });
}

void DBMemo::keyPressEvent(QKeyEvent* e) {
    if (!isReadOnly() && (!typedChar(e).isNull() || startsEditing(e) || e->key() == Qt::Key_Return ||
                          e->key() == Qt::Key_Enter)) {
        if (!runHandler([this] { link_.edit(); }))
            return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void DBMemo::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    if (isExitReason(e->reason()))
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (runHandler([this] { link_.push(); }))
                    emit exited();
            },
            Qt::QueuedConnection);
}

// ---- DBComboBox

DBComboBox::DBComboBox(QWidget* parent)
    : QComboBox(parent), link_([this] { return currentText(); },
                               [this](const QString& t) {
                                   const int index = findText(t);
                                   if (index >= 0 && index != currentIndex())
                                       setCurrentIndex(index);
                                   if (currentText() != t)
                                       setEditText(t);
                               }) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::editTextChanged, this, [this] { link_.changed(); });
    connect(this, &QComboBox::activated, this, [this](int index) { runHandler([&] { choose(index); }); });
}

void DBComboBox::choose(int index) {
    const QString chosen = itemText(index);
    link_.edit();
    setCurrentIndex(index);
    setEditText(chosen);
    link_.modified = true;
    link_.write(chosen);
}

void DBComboBox::keyPressEvent(QKeyEvent* e) {
    if (!typedChar(e).isNull() || startsEditing(e)) {
        if (!runHandler([this] { link_.edit(); }))
            return;
    }
    QComboBox::keyPressEvent(e);
}

void DBComboBox::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    if (isExitReason(e->reason()))
        QMetaObject::invokeMethod(
            this, [this] { runHandler([this] { link_.push(); }); }, Qt::QueuedConnection);
}

// ---- DBLookupComboBox

class DBLookupComboBox::ListLink : public store::DataLink {
public:
    explicit ListLink(DBLookupComboBox& box) : box_(box) {}
    void activeChanged() override { box_.rebuildList(); }

private:
    DBLookupComboBox& box_;
};

DBLookupComboBox::DBLookupComboBox(QWidget* parent)
    : QComboBox(parent), link_([this] { return keyValue(); }, [this](const QString& key) { showKey(key); }),
      listLink_(std::make_unique<ListLink>(*this)) {
    connect(this, &QComboBox::activated, this, [this](int index) { runHandler([&] { choose(index); }); });
}

DBLookupComboBox::~DBLookupComboBox() {
    if (list_)
        list_->cursor()->removeLink(listLink_.get());
}

void DBLookupComboBox::setListSource(store::DataSource* list, const QString& keyColumn) {
    if (list_)
        list_->cursor()->removeLink(listLink_.get());
    list_ = list;
    keyColumn_ = keyColumn;
    list_->cursor()->addLink(listLink_.get());
    rebuildList();
}

void DBLookupComboBox::rebuildList() {
    reloading_ = true;
    const QSignalBlocker block(this);
    clear();
    store::Cursor* c = list_ ? list_->cursor() : nullptr;
    const int col = c && c->isOpen() ? c->findColumn(keyColumn_) : -1;
    if (col >= 0) {
        QStringList items;
        items.reserve(c->rowCount());
        for (int row = 0; row < c->rowCount(); ++row)
            items << c->rowText(row, col);
        addItems(items);
    }
    setCurrentIndex(-1);
    reloading_ = false;
    showKey(link_.fieldText());
}

void DBLookupComboBox::showKey(const QString& key) {
    if (reloading_)
        return;
    reloading_ = true;
    const int index = key.isEmpty() ? -1 : findText(key, Qt::MatchExactly | Qt::MatchCaseSensitive);
    {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
    }
    store::Cursor* c = list_ ? list_->cursor() : nullptr;
    if (index >= 0 && c && c->isOpen() && !c->isEditing() && c->recNo() != index + 1) {
        try {
            c->setRecNo(index + 1);
        } catch (...) {
            reloading_ = false;
            throw;
        }
    }
    reloading_ = false;
}

void DBLookupComboBox::setKeyValue(const QString& key) {
    const QSignalBlocker block(this);
    setCurrentIndex(key.isEmpty() ? -1 : findText(key, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void DBLookupComboBox::choose(int index) {
    if (index < 0 || index >= count())
        return;
    const QString key = itemText(index);
    link_.edit();
    if (link_.column() >= 0)
        link_.cursor()->setText(link_.column(), key);
    showKey(key);
    emit chosen();
}

} // namespace korva
