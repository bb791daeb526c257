#include "DefQuartPage.h"

#include "BlockSelection.h"
#include "OdtWordProcessor.h"
#include "PlanoAmostralPage.h"
#include "TFormVisualizarBairros.h"
#include "common/BrowseButtons.h"
#include "common/Controls.h"
#include "common/DbControls.h"
#include "common/Handler.h"
#include "common/NumberText.h"
#include "shell/Forms.h"
#include "shell/TFormDadosGerais.h"
#include "store/DataModule.h"

#include <QCheckBox>
#include <QStandardPaths>

namespace korva {

using num::parseInt;
using store::Cursor;

namespace {

DBEdit* boundEdit(QWidget* parent, const QString& name, const QString& column, const QRect& place) {
    auto* e = new DBEdit(parent);
    e->setObjectName(name);
    e->setGeometry(place);
    e->bind(dm().DataSourceDefQuart, column);
    return e;
}

const QString CR = QStringLiteral("\r");

} // namespace

DefQuartPage::DefQuartPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    buildLayout();

    auto onClick = [this](QAbstractButton* b, void (DefQuartPage::*handler)()) {
        connect(b, &QAbstractButton::clicked, this,
                [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(SpBtnCalculoQuart, &DefQuartPage::SpBtnCalculoQuartClick);
    onClick(SpBtnDefQuartNovo, &DefQuartPage::SpBtnDefQuartNovoClick);
    onClick(SpBtnDefQuartGravar, &DefQuartPage::SpBtnDefQuartGravarClick);
    onClick(SpBtnDefQuartExcluir, &DefQuartPage::SpBtnDefQuartExcluirClick);
    onClick(SpBtnDefQuartPR, &DefQuartPage::SpBtnDefQuartPRClick);
    onClick(SpBtnDefQuartRA, &DefQuartPage::SpBtnDefQuartRAClick);
    onClick(SpBtnDefQuartProxR, &DefQuartPage::SpBtnDefQuartProxRClick);
    onClick(SpBtnDefQuartUR, &DefQuartPage::SpBtnDefQuartURClick);
    onClick(SpeedButton2, &DefQuartPage::SpeedButton2Click);
    onClick(CheckBox1, &DefQuartPage::CheckBox1Click);
    onClick(CheckBox2, &DefQuartPage::CheckBox2Click);
    onClick(SpBtnImprimirDefQuart, &DefQuartPage::SpBtnImprimirDefQuartClick);
    connect(DBEditQuart, &DBEdit::keyPressed, this,
            [this] { runHandler([this] { DBEditQuartKeyPress(); }); });
    connect(&frame_, &TFormDadosGerais::sheetShown, this, [this](QWidget* sheet) {
        if (sheet == frame_.TabSheetDefQuart)
            runHandler([this] { TabSheetDefQuartShow(); });
    });
}

DefQuartPage::~DefQuartPage() = default;

void DefQuartPage::buildLayout() {
    QWidget* sheet = frame_.TabSheetDefQuart;
    const QFont bold = look::tahoma(8, true);

    look::label(sheet, QStringLiteral("Estrato :"), 16, 18, bold);
    DBEditEstratoDQ =
        boundEdit(sheet, QStringLiteral("DBEditEstratoDQ"), QStringLiteral("Estrato"), {110, 14, 60, 21});
    look::makeComputed(DBEditEstratoDQ);
    look::label(sheet, QStringLiteral("Item :"), 16, 50);
    DBEditItem = boundEdit(sheet, QStringLiteral("DBEditItem"), QStringLiteral("Item"), {110, 46, 60, 21});
    look::label(sheet, QStringLiteral("Bairro :"), 16, 82);
    DBEditBairro =
        boundEdit(sheet, QStringLiteral("DBEditBairro"), QStringLiteral("Bairro"), {110, 78, 270, 21});
    look::label(sheet, QStringLiteral("Quarteirões :"), 16, 114);
    DBEditQuart =
        boundEdit(sheet, QStringLiteral("DBEditQuart"), QStringLiteral("Quarteirao"), {110, 110, 60, 21});
    SpBtnCalculoQuart = new SpeedButton(sheet, QStringLiteral("SpBtnCalculoQuart"), QStringLiteral("Cálculo"),
                                        QStringLiteral("calculo"));
    SpBtnCalculoQuart->setGeometry(190, 102, 110, 36);

    DBTextObs = new DBText(sheet);
    DBTextObs->setObjectName(QStringLiteral("DBTextObs"));
    DBTextObs->setGeometry(16, 146, 364, 18);
    DBTextObs->setFont(look::tahoma(10, true));
    look::setTextColour(DBTextObs, QColor(128, 0, 0));
    DBTextObs->bind(dm().DataSourceDefQuart, QStringLiteral("Observação"));

    look::label(sheet, QStringLiteral("Quarteirões a serem trabalhados :"), 16, 172);
    DBMemoQuartATrab = new DBMemo(sheet);
    DBMemoQuartATrab->setObjectName(QStringLiteral("DBMemoQuartATrab"));
    DBMemoQuartATrab->setGeometry(16, 190, 364, 112);
    DBMemoQuartATrab->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBMemoQuartATrab->bind(dm().DataSourceDefQuart, QStringLiteral("QuarteiroesATrabalhar"));

    look::label(sheet, QStringLiteral("Total de quarteirões a inspecionar do Bairro :"), 404, 18);
    DBEditTotalQuartBairro = boundEdit(sheet, QStringLiteral("DBEditTotalQuartBairro"),
                                       QStringLiteral("TotalQuartBairro"), {680, 14, 90, 21});
    look::label(sheet, QStringLiteral("Total de quarteirões a inspecionar no estrato :"), 404, 50);
    EditTotQuartEstrato = new QLineEdit(QStringLiteral("0"), sheet);
    EditTotQuartEstrato->setObjectName(QStringLiteral("EditTotQuartEstrato"));
    EditTotQuartEstrato->setGeometry(680, 46, 90, 21);
    look::makeComputed(EditTotQuartEstrato);
    look::label(sheet, QStringLiteral("Total de quarteirões que comporão a amostra :"), 404, 82);
    DBText1 = new DBText(sheet);
    DBText1->setObjectName(QStringLiteral("DBText1"));
    DBText1->setGeometry(680, 78, 90, 21);
    DBText1->setFont(bold);
    DBText1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    look::setTextColour(DBText1, look::teal());
    DBText1->bind(dm().DataSourcePlanoAmostral, QStringLiteral("QuartQueComporaoAmostra"));

    CheckBox1 = new QCheckBox(QStringLiteral("Imprimir todos os bairros do estrato atual"), sheet);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(404, 130, 300, 20);
    CheckBox2 = new QCheckBox(QStringLiteral("Imprimir o bairro atual"), sheet);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(404, 154, 300, 20);
    SpBtnImprimirDefQuart = new SpeedButton(sheet, QStringLiteral("SpBtnImprimirDefQuart"),
                                            QStringLiteral("Imprimir"), QStringLiteral("imprimir"));
    SpBtnImprimirDefQuart->setGeometry(404, 180, 110, 36);
    SpBtnImprimirDefQuart->setEnabled(false);

    SpeedButton2 =
        new SpeedButton(sheet, QStringLiteral("SpeedButton2"), QStringLiteral("Visualizar total de bairros"),
                        QStringLiteral("visualizar"));
    SpeedButton2->setGeometry(404, 240, 200, 36);

    const int y = 318;
    SpBtnDefQuartNovo = new SpeedButton(sheet, QStringLiteral("SpBtnDefQuartNovo"),
                                        QStringLiteral("Novo item"), QStringLiteral("novo"));
    SpBtnDefQuartNovo->setGeometry(16, y, 110, 38);
    SpBtnDefQuartGravar = new SpeedButton(sheet, QStringLiteral("SpBtnDefQuartGravar"),
                                          QStringLiteral("Gravar "), QStringLiteral("gravar"));
    SpBtnDefQuartGravar->setGeometry(132, y, 100, 38);
    SpBtnDefQuartExcluir =
        new SpeedButton(sheet, QStringLiteral("SpBtnDefQuartExcluir"), QString(), QStringLiteral("excluir"));
    SpBtnDefQuartExcluir->setToolTip(QStringLiteral("Excluir registro"));
    SpBtnDefQuartExcluir->setGeometry(238, y, 44, 38);
    browse_ = std::make_unique<BrowseButtons>(
        sheet, QStringLiteral("SpBtnDefQuart"),
        QStringList{QStringLiteral("Primeiro registro"), QStringLiteral("Registro anterior"),
                    QStringLiteral("Próximo registro"), QStringLiteral("Último registro")},
        300, y);
    SpBtnDefQuartPR = browse_->firstButton();
    SpBtnDefQuartRA = browse_->priorButton();
    SpBtnDefQuartProxR = browse_->nextButton();
    SpBtnDefQuartUR = browse_->lastButton();
    sheet->setTabOrder(DBEditItem, DBEditBairro);
    sheet->setTabOrder(DBEditBairro, DBEditQuart);
}

// ---- Block selection

void DefQuartPage::SpBtnCalculoQuartClick() {
    Cursor* def = dm().ADOTableDefQuart;
    if (def->isEmpty() || !def->isEditing())
        return;
    PlanoAmostralPage& plan = *frame_.planoAmostral;
    sampling::PickResult r;
    auto show = [&] {
        if (r.list)
            DBMemoQuartATrab->setText(*r.list);
        if (r.observation)
            def->setText(QStringLiteral("Observação"), *r.observation);
        if (r.carry)
            frame_.EditAux2->setText(*r.carry);
    };
    computeThenShow(
        [&] {
            sampling::pickBlocks({plan.DBEditQuartInicial->text(), frame_.EditAux2->text(),
                                  DBEditQuart->text(), plan.DBEditIntervaloQuart->text(),
                                  DBMemoQuartATrab->text()},
                                 r);
        },
        show);
    DBEditTotalQuartBairro->setText(QString::number(*r.count));

    // The stratum total, walking the stratum's rows (the move stores the calculated row).
    const QString blocksTyped = DBEditQuart->text();
    def->first();
    long long total = 0;
    const int rows = def->rowCount();
    for (int i = 0; i < rows; ++i) {
        total += def->asInteger("TotalQuartBairro");
        def->next();
    }
    EditTotQuartEstrato->setText(QString::number(total));

    // Count the neighbourhoods announced for the stratum and, once all are in, check their
    // blocks against the plan.
    if (parseInt(frame_.Edit5->text()) < parseInt(frame_.Edit4->text()))
        frame_.Edit5->setText(QString::number(parseInt(frame_.Edit5->text()) + 1));
    frame_.Edit3->setText(
        QString::number(static_cast<long long>(parseInt(frame_.Edit3->text())) + parseInt(blocksTyped)));
    if (parseInt(frame_.Edit5->text()) >= parseInt(frame_.Edit4->text()) &&
        parseInt(frame_.Edit3->text()) != parseInt(plan.DBEditNumQuartEstrato->text())) {
        if (parseInt(EditTotQuartEstrato->text()) > parseInt(plan.DBEditQuartQueComporaoAmostra->text())) {
            dialogs().information(QStringLiteral(
                "Total de quarteirões a inspecionar no estrato é diferente do n° de quarteirões que "
                "comporão a amostra. Redigite os bairros com os respectivos números corretos de "
                "quarteirões"));
            def->edit();
        }
        frame_.Edit5->setText(QStringLiteral("0"));
    }
}

void DefQuartPage::DBEditQuartKeyPress() {
    Cursor* def = dm().ADOTableDefQuart;
    def->edit();
    def->clear("QuarteiroesATrabalhar");
}

// ---- Records

void DefQuartPage::SpBtnDefQuartNovoClick() {
    Cursor* def = dm().ADOTableDefQuart;
    if (def->state() == Cursor::State::Edit &&
        dialogs().yesNo(QStringLiteral("Atenção!"), QStringLiteral("Deseja gravar o registro ?")))
        def->post();
    def->append(); // finishes a pending row first: No still stores a changed row
}

void DefQuartPage::SpBtnDefQuartGravarClick() {
    Cursor* def = dm().ADOTableDefQuart;
    if (!def->isEmpty() && def->isEditing())
        def->post();
}

void DefQuartPage::SpBtnDefQuartExcluirClick() {
    Cursor* def = dm().ADOTableDefQuart;
    if (!def->isEmpty() && dialogs().confirm(QStringLiteral("Deletar este registro?")))
        def->remove();
}

void DefQuartPage::SpBtnDefQuartPRClick() {
    browse_->first(*dm().ADOTableDefQuart);
}
void DefQuartPage::SpBtnDefQuartRAClick() {
    browse_->prior(*dm().ADOTableDefQuart);
}
void DefQuartPage::SpBtnDefQuartProxRClick() {
    browse_->next(*dm().ADOTableDefQuart);
}
void DefQuartPage::SpBtnDefQuartURClick() {
    browse_->last(*dm().ADOTableDefQuart);
}

void DefQuartPage::TabSheetDefQuartShow() {
    Cursor* def = dm().ADOTableDefQuart;
    if (def->isEditing())
        return;
    EditTotQuartEstrato->setText(QStringLiteral("0"));
    def->first();
    const int rows = def->rowCount();
    for (int i = 0; i < rows; ++i) {
        EditTotQuartEstrato->setText(
            QString::number(def->asInteger("TotalQuartBairro") + parseInt(EditTotQuartEstrato->text())));
        def->next();
    }
    def->first();
}

void DefQuartPage::SpeedButton2Click() {
    look::showWindow(forms().FormVisualizarBairros);
}

// ---- Printout

void DefQuartPage::CheckBox1Click() {
    SpBtnImprimirDefQuart->setEnabled(true);
    CheckBox2->setChecked(false);
}

void DefQuartPage::CheckBox2Click() {
    SpBtnImprimirDefQuart->setEnabled(true);
    CheckBox1->setChecked(false);
}

void DefQuartPage::SpBtnImprimirDefQuartClick() {
    const QString municipality = frame_.DBTextMunicipio->text();
    const QString state = frame_.DBTextUF->text();
    auto newDocument = [&] {
        auto& factory = sampling::wordProcessorFactory();
        if (factory)
            return factory();
        const QString stratum = DBEditEstratoDQ->text();
        return std::unique_ptr<sampling::WordProcessor>(std::make_unique<sampling::OdtWordProcessor>(
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStringLiteral("Quarteirões %1-%2 estrato %3").arg(municipality, state, stratum), true));
    };
    // Header down to the stratum line; the two documents differ only in the rules' lengths.
    auto header = [&](sampling::WordProcessor& w, int rule1, int rule2) {
        w.AppShow();
        w.FileNew();
        w.FontSize(12);
        w.Bold();
        w.Insert(QStringLiteral("ORV - Tessaly"));
        w.FontSize(6);
        w.Insert(CR + QString(rule1, QLatin1Char('_')));
        w.FontSize(18);
        w.Insert(CR + CR + QString(45, QLatin1Char(' ')) + QStringLiteral("Korva  "));
        w.Insert(CR + CR);
        w.Bold();
        w.FontSize(14);
        w.Insert(municipality + QStringLiteral(" (") + state + QStringLiteral(")"));
        w.FontSize(6);
        w.Insert(CR + QString(rule2, QLatin1Char('_')));
        w.Insert(CR + CR + CR + CR);
        w.Bold();
        w.FontSize(13);
        w.Insert(QString(63, QLatin1Char(' ')) + QStringLiteral("Estrato ") + DBEditEstratoDQ->text());
    };
    auto neighbourhood = [&](sampling::WordProcessor& w) {
        w.Insert(CR + CR);
        w.Insert(QStringLiteral("Bairro :   ") + DBEditBairro->text() + QString(12, QLatin1Char(' ')) +
                 QStringLiteral("N° de quarteirões : ") + DBEditQuart->text());
        w.Insert(CR + CR);
        w.Insert(QStringLiteral("Quarteirões a trabalhar : ") + DBEditTotalQuartBairro->text());
        w.Insert(CR + CR);
        w.Insert(DBMemoQuartATrab->text());
    };

    if (CheckBox2->isChecked()) {
        auto w = newDocument();
        header(*w, 96, 72);
        neighbourhood(*w);
        w->Release();
    }
    if (CheckBox1->isChecked()) {
        auto w = newDocument();
        header(*w, 101, 79);
        Cursor* def = dm().ADOTableDefQuart;
        def->first();
        const int rows = def->rowCount();
        for (int i = 0; i < rows; ++i) {
            neighbourhood(*w);
            w->Insert(CR + CR + CR);
            def->next();
        }
        w->Release();
    }
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    SpBtnImprimirDefQuart->setEnabled(false);
}

} // namespace korva
