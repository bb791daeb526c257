#include "DbGrid.h"

#include "Controls.h"
#include "Handler.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>

namespace korva {

// ---- CursorModel

CursorModel::~CursorModel() {
    if (cursor())
        cursor()->removeLink(this);
}

void CursorModel::bind(store::DataSource* source, QList<GridColumn> columns) {
    if (cursor())
        cursor()->removeLink(this);
    beginResetModel();
    source_ = source;
    columns_ = std::move(columns);
    endResetModel();
    if (cursor())
        cursor()->addLink(this);
    emit reloaded();
}

int CursorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !cursor() || !cursor()->isOpen() ? 0 : cursor()->rowCount();
}

int CursorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CursorModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignLeft | Qt::AlignTop); // as the cells are drawn again by windows
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int col = cursor()->findColumn(columns_[index.column()].field);
    return col < 0 ? QVariant() : QVariant(cursor()->rowText(index.row(), col));
}

QVariant CursorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < columns_.size())
        return columns_[section].title;
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return Qt::AlignCenter;
    return {};
}

void CursorModel::recordChanged(int column) {
    if (column >= 0) {
        const int row = cursor()->recNo() - 1;
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
    beginResetModel();
    endResetModel();
    emit reloaded();
}

void CursorModel::activeChanged() {
    recordChanged(-1);
}

// ---- DBGrid

namespace {

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(DBGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (grid_->drawColumnCell())
            grid_->drawColumnCell()(painter, option.rect, grid_->cursorModel()->columns()[index.column()],
                                    index.row() + 1, option.state & QStyle::State_Selected);
    }

private:
    DBGrid* grid_;
};

} // namespace

DBGrid::DBGrid(QWidget* parent) : QTableView(parent), model_(new CursorModel(this)) {
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    connect(model_, &CursorModel::reloaded, this, &DBGrid::followCursor);
}

void DBGrid::bind(store::DataSource* source, QList<GridColumn> columns) {
    model_->bind(source, std::move(columns));
    for (int i = 0; i < model_->columns().size(); ++i)
        setColumnWidth(i, model_->columns()[i].width);
}

// The current cell follows the cursor's current row.
void DBGrid::followCursor() {
    store::Cursor* c = model_->cursor();
    if (!c)
        return;
    following_ = true;
    const int row = c->recNo() - 1;
    const int column = std::max(0, currentIndex().column());
    if (row >= 0)
        setCurrentIndex(model_->index(row, column));
    else
        setCurrentIndex(QModelIndex());
    following_ = false;
}

// Making another row current moves the cursor there.
void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    store::Cursor* c = model_->cursor();
    if (following_ || !c || !current.isValid() || current.row() + 1 == c->recNo())
        return;
    runHandler([&] { c->setRecNo(current.row() + 1); });
}

// ---- DBNavigator

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    first_ = new SpeedButton(this, QStringLiteral("nbFirst"), QString(), QStringLiteral("primeiro"));
    prior_ = new SpeedButton(this, QStringLiteral("nbPrior"), QString(), QStringLiteral("anterior"));
    next_ = new SpeedButton(this, QStringLiteral("nbNext"), QString(), QStringLiteral("proximo"));
    last_ = new SpeedButton(this, QStringLiteral("nbLast"), QString(), QStringLiteral("ultimo"));
    const std::pair<SpeedButton*, void (store::Cursor::*)()> moves[] = {{first_, &store::Cursor::first},
                                                                        {prior_, &store::Cursor::prior},
                                                                        {next_, &store::Cursor::next},
                                                                        {last_, &store::Cursor::last}};
    for (const auto& [button, move] : moves) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        connect(button, &QAbstractButton::clicked, this, [this, move = move] {
            runHandler([&] {
                if (source_)
                    (source_->cursor()->*move)();
            });
            updateButtons();
        });
    }
    first_->setToolTip(QStringLiteral("Primeiro registro"));
    prior_->setToolTip(QStringLiteral("Registro anterior"));
    next_->setToolTip(QStringLiteral("Próximo registro"));
    last_->setToolTip(QStringLiteral("Último registro"));
}

DBNavigator::~DBNavigator() {
    if (source_)
        source_->cursor()->removeLink(this);
}

void DBNavigator::bind(store::DataSource* source) {
    if (source_)
        source_->cursor()->removeLink(this);
    source_ = source;
    source_->cursor()->addLink(this);
    updateButtons();
}

void DBNavigator::updateButtons() {
    store::Cursor* c = source_ ? source_->cursor() : nullptr;
    const bool rows = c && c->isOpen() && !c->isEmpty();
    first_->setEnabled(rows && !c->bof());
    prior_->setEnabled(rows && !c->bof());
    next_->setEnabled(rows && !c->eof());
    last_->setEnabled(rows && !c->eof());
}

} // namespace korva
