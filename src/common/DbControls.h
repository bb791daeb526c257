#pragma once

// Data-aware controls. Each shows a column of its data source's current row and follows every
// move of the cursor. Typing into one starts an edit (a new row on an empty cursor). Setting its
// text from code marks it changed: the text reaches the row when the control is left, or when
// the row is stored while being edited or inserted; a control changed while the cursor browses
// shows the stored value again at the next edit.

#include "store/Cursor.h"
#include "store/DataSource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

namespace korva {

// The link of one control to one column: shows the field's text in the control, tells a text
// typed or set from code (changed) from a text loaded from the row, and writes a changed text
// into a pending row.
class FieldLink : public store::DataLink {
public:
    // `shown` reads the control's text, `show` replaces it.
    FieldLink(std::function<QString()> shown, std::function<void(const QString&)> show)
        : shown_(std::move(shown)), show_(std::move(show)) {}
    ~FieldLink() override;
    void bind(store::DataSource* source, const QString& column);
    store::DataSource* dataSource() const { return source_; }
    store::Cursor* cursor() const { return source_ ? source_->cursor() : nullptr; }
    const QString& columnName() const { return column_; }
    // -1 when the cursor is closed or does not have the column.
    int column() const;
    QString fieldText() const;
    bool canModify() const;
    // Starts an edit of the row (a new row on an empty cursor) unless one is pending.
    void edit();
    // Writes the text into the pending row; nothing when the cursor browses.
    void write(const QString& text);
    bool editing() const;
    // Shows the field's text (not a change of the control).
    void reload();
    // Writes the control's text into the pending row if it changed.
    void push();
    // The control's text changed; a change while reloading is no change.
    void changed() {
        if (!reloading_)
            modified = true;
    }

    bool modified = false;

    void recordChanged(int column) override;
    void updateData() override { push(); }
    void activeChanged() override { reload(); }

private:
    std::function<QString()> shown_;
    std::function<void(const QString&)> show_;
    store::DataSource* source_ = nullptr;
    QString column_;
    bool reloading_ = false;
};

// Single-line box bound to a column.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);
    void bind(store::DataSource* source, const QString& column) { link_.bind(source, column); }
    FieldLink& link() { return link_; }
    bool isModified() const { return link_.modified; }

signals:
    // Focus moved to another control of the same window, after the text reached the row.
    void exited();
    // A character key (Backspace included) pressed while the box has the focus, before the key
    // changes the text.
    void keyPressed(QChar key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void doExit();
    FieldLink link_;
};

// Display-only text bound to a column.
class DBText : public QLabel {
    Q_OBJECT
public:
    explicit DBText(QWidget* parent = nullptr);
    void bind(store::DataSource* source, const QString& column) { link_.bind(source, column); }

private:
    FieldLink link_;
};

// Multi-line box bound to a (memo) column.
class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);
    void bind(store::DataSource* source, const QString& column) { link_.bind(source, column); }
    FieldLink& link() { return link_; }
    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }

signals:
    void exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FieldLink link_;
};

// Drop-down list of fixed items that also accepts typed text, bound to a column.
class DBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget* parent = nullptr);
    void bind(store::DataSource* source, const QString& column) { link_.bind(source, column); }
    FieldLink& link() { return link_; }
    // Chooses an item as the user does.
    void choose(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FieldLink link_;
};

// Drop-down list fed by a list cursor (key and display column alike). Choosing an entry writes
// its key into the data column (starting an edit) and moves the list cursor to that row; showing
// a row moves the list cursor to the row's key.
class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);
    ~DBLookupComboBox() override;
    void bind(store::DataSource* source, const QString& column) { link_.bind(source, column); }
    void setListSource(store::DataSource* list, const QString& keyColumn);
    // Shows the entry of this key, or no choice when none matches; the data column is not written.
    void setKeyValue(const QString& key);
    QString keyValue() const { return currentIndex() < 0 ? QString() : currentText(); }
    void choose(int index);

signals:
    // An entry was chosen (after the key was written and the list cursor moved).
    void chosen();

private:
    class ListLink;
    void rebuildList();
    void showKey(const QString& key);
    FieldLink link_;
    std::unique_ptr<ListLink> listLink_;
    store::DataSource* list_ = nullptr;
    QString keyColumn_;
    bool reloading_ = false;
};

} // namespace korva
