#include "TFormVisualizarBairros.h"

#include "common/Controls.h"
#include "common/DbControls.h"
#include "common/DbGrid.h"
#include "common/Handler.h"
#include "shell/Forms.h"
#include "store/DataModule.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QPainter>

namespace korva {

namespace {

// The list of stratum numbers, refreshed from the results table whenever it drops down.
class StrataList : public QComboBox {
public:
    StrataList(QWidget* parent, std::function<void()> fill) : QComboBox(parent), fill_(std::move(fill)) {}
    void showPopup() override {
        fill_();
        QComboBox::showPopup();
    }

private:
    std::function<void()> fill_;
};

const QColor skyBlue(166, 202, 240);

} // namespace

TFormVisualizarBairros::TFormVisualizarBairros() {
    look::setupWindow(this, QStringLiteral("TFormVisualizarBairros"),
                      QStringLiteral("Visualização do total de bairros que compõe os estratos"), 657, 414,
                      QColor());
    store::TDataModule1& d = dm();

    Label1 = look::label(this, QStringLiteral("Estrato :"), 16, 14, look::tahoma(10, true));
    Label1->setObjectName(QStringLiteral("Label1"));
    DBText1 = new DBText(this);
    DBText1->setObjectName(QStringLiteral("DBText1"));
    DBText1->setGeometry(90, 12, 60, 20);
    DBText1->setFont(look::tahoma(10, true));
    look::setTextColour(DBText1, look::teal());
    DBText1->bind(d.DataSourcePlanoAmostral, QStringLiteral("Estrato"));

    Label2 = look::label(this, QStringLiteral("Selecionar um estrato :"), 330, 14);
    Label2->setObjectName(QStringLiteral("Label2"));
    DBLookupComboBox1 = new StrataList(this, [this] { fillStrata(); });
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setGeometry(460, 10, 90, 21);
    QPalette yellow = DBLookupComboBox1->palette();
    yellow.setColor(QPalette::Base, Qt::yellow);
    yellow.setColor(QPalette::Button, Qt::yellow);
    DBLookupComboBox1->setPalette(yellow);

    DBGridVisualizarBairros = new DBGrid(this);
    DBGridVisualizarBairros->setObjectName(QStringLiteral("DBGridVisualizarBairros"));
    DBGridVisualizarBairros->setGeometry(8, 40, 641, 322);
    DBGridVisualizarBairros->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(0,128,128); color: white; }"
                       "QTableView { background-color: white; }"));
    DBGridVisualizarBairros->verticalHeader()->setDefaultSectionSize(48);
    DBGridVisualizarBairros->bind(
        d.DataSourceDefQuart,
        {{QStringLiteral("Bairro"), QStringLiteral("Bairro"), 219},
         {QStringLiteral("QuarteiroesATrabalhar"), QStringLiteral("Quarteiroes a trabalhar"), 433}});
    DBGridVisualizarBairros->setDrawColumnCell(
        [this](QPainter* painter, const QRect& rect, const GridColumn& column, int recNo, bool selected) {
            DBGridVisualizarBairrosDrawColumnCell(painter, rect, column, recNo, selected);
        });

    DBNavigator1 = new DBNavigator(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setGeometry(8, 370, 176, 36);
    DBNavigator1->bind(d.DataSourcePlanoAmostral);

    SpeedButton1 = new SpeedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Fechar"),
                                   QStringLiteral("fechar"));
    SpeedButton1->setGeometry(540, 370, 109, 36);

    connect(SpeedButton1, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpeedButton1Click(); }); });
    connect(DBLookupComboBox1, &QComboBox::activated, this,
            [this](int index) { runHandler([this, index] { DBLookupComboBox1Click(index); }); });
}

void TFormVisualizarBairros::DBGridVisualizarBairrosDrawColumnCell(QPainter* painter, const QRect& rect,
                                                                   const GridColumn& column, int recNo,
                                                                   bool selected) {
    store::Cursor* def = dm().ADOTableDefQuart;
    const int row = recNo - 1;
    const int field = def->findColumn(column.field);
    const QString value = field < 0 ? QString() : def->rowText(row, field);
    QColor fill = Qt::white;
    if (recNo % 2 == 0 && !selected) {
        fill = skyBlue;
        painter->fillRect(rect, fill);
        painter->drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, value);
    }
    if (column.field == QLatin1String("QuarteiroesATrabalhar")) {
        // A selected cell keeps the selection colours: its single line is replaced by the wrapped text.
        const QPalette& palette = DBGridVisualizarBairros->palette();
        painter->fillRect(rect, selected ? palette.color(QPalette::Highlight) : fill);
        painter->save();
        painter->setPen(selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
        painter->drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                          value);
        painter->restore();
    }
}

void TFormVisualizarBairros::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fillStrata();
}

void TFormVisualizarBairros::fillStrata() {
    store::Cursor* consolidado = dm().ADOTableConsolidado;
    const int column = consolidado->findColumn(QStringLiteral("Estrato"));
    QStringList items;
    for (int row = 0; row < consolidado->rowCount(); ++row)
        items << consolidado->rowText(row, column);
    const QSignalBlocker block(DBLookupComboBox1);
    DBLookupComboBox1->clear();
    DBLookupComboBox1->addItems(items);
    DBLookupComboBox1->setCurrentIndex(
        DBLookupComboBox1->findText(dm().ADOTablePlanoAmostral->asText("Estrato")));
}

// Shows the chosen stratum by moving the plan cursor to it; no stored stratum is renumbered.
void TFormVisualizarBairros::DBLookupComboBox1Click(int index) {
    const QString chosen = DBLookupComboBox1->itemText(index);
    store::Cursor* plan = dm().ADOTablePlanoAmostral;
    const int column = plan->findColumn(QStringLiteral("Estrato"));
    for (int row = 0; row < plan->rowCount(); ++row) {
        if (plan->rowText(row, column) == chosen) {
            plan->setRecNo(row + 1);
            return;
        }
    }
}

void TFormVisualizarBairros::SpeedButton1Click() {
    close();
}

void TFormVisualizarBairros::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    runHandler([this] { FormClose(); });
}

// The block definitions follow the plan's current stratum again.
void TFormVisualizarBairros::FormClose() {
    dm().ADOTableDefQuart->setMasterColumns(QStringLiteral("Estrato"));
}

} // namespace korva
