#pragma once

// A grid of a cursor's rows and a record navigator, both following the cursor.

#include "store/Cursor.h"
#include "store/DataSource.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>
#include <functional>

namespace korva {

class SpeedButton;

struct GridColumn {
    QString field;
    QString title;
    int width = 100;
};

class CursorModel : public QAbstractTableModel, public store::DataLink {
    Q_OBJECT
public:
    explicit CursorModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    ~CursorModel() override;
    void bind(store::DataSource* source, QList<GridColumn> columns);
    store::Cursor* cursor() const { return source_ ? source_->cursor() : nullptr; }
    const QList<GridColumn>& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void recordChanged(int column) override;
    void activeChanged() override;

signals:
    void reloaded();

private:
    store::DataSource* source_ = nullptr;
    QList<GridColumn> columns_;
};

// The cell painter a window may add after the default drawing of each cell.
using DrawColumnCell = std::function<void(QPainter* painter, const QRect& rect, const GridColumn& column,
                                          int recNo, bool selected)>;

class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);
    void bind(store::DataSource* source, QList<GridColumn> columns);
    void setDrawColumnCell(DrawColumnCell painter) { draw_ = std::move(painter); }
    CursorModel* cursorModel() const { return model_; }
    const DrawColumnCell& drawColumnCell() const { return draw_; }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void followCursor();
    CursorModel* model_;
    DrawColumnCell draw_;
    bool following_ = false;
};

// First, prior, next and last buttons over a cursor (named nbFirst, nbPrior, nbNext, nbLast).
class DBNavigator : public QWidget, public store::DataLink {
    Q_OBJECT
public:
    explicit DBNavigator(QWidget* parent = nullptr);
    ~DBNavigator() override;
    void bind(store::DataSource* source);

    void recordChanged(int) override { updateButtons(); }
    void stateChanged() override { updateButtons(); }

private:
    void updateButtons();
    store::DataSource* source_ = nullptr;
    SpeedButton* first_;
    SpeedButton* prior_;
    SpeedButton* next_;
    SpeedButton* last_;
};

} // namespace korva
