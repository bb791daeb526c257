#include "PlanoAmostralPage.h"

#include "SamplePlan.h"
#include "StartBlock.h"
#include "common/BrowseButtons.h"
#include "common/Controls.h"
#include "common/DbControls.h"
#include "common/Handler.h"
#include "shell/Forms.h"
#include "shell/TFormDadosGerais.h"
#include "store/DataModule.h"

#include <QGroupBox>
#include <QLineEdit>

namespace korva {

using store::Cursor;

namespace {

DBEdit* boundEdit(QWidget* parent, const QString& name, const QString& column, int left, int top,
                  bool computed, int width = 100) {
    auto* e = new DBEdit(parent);
    e->setObjectName(name);
    e->setGeometry(left, top, width, 21);
    e->bind(dm().DataSourcePlanoAmostral, column);
    if (computed)
        look::makeComputed(e);
    return e;
}

QGroupBox* group(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                 int height) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    g->setGeometry(left, top, width, height);
    return g;
}

} // namespace

PlanoAmostralPage::PlanoAmostralPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    buildLayout();

    auto onClick = [this](SpeedButton* b, void (PlanoAmostralPage::*handler)()) {
        connect(b, &QAbstractButton::clicked, this,
                [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    };
    onClick(SpBtnPlanAmostralNovo, &PlanoAmostralPage::SpBtnPlanAmostralNovoClick);
    onClick(SpBtnPlanAmostralGravar, &PlanoAmostralPage::SpBtnPlanAmostralGravarClick);
    onClick(SpBtnPlanAmostralExcluir, &PlanoAmostralPage::SpBtnPlanAmostralExcluirClick);
    onClick(SpBtnPlanAmostralPR, &PlanoAmostralPage::SpBtnPlanAmostralPRClick);
    onClick(SpBtnPlanAmostralRA, &PlanoAmostralPage::SpBtnPlanAmostralRAClick);
    onClick(SpBtnPlanAmostralProxR, &PlanoAmostralPage::SpBtnPlanAmostralProxRClick);
    onClick(SpBtnPlanAmostralUR, &PlanoAmostralPage::SpBtnPlanAmostralURClick);

    connect(DBEditNumImvEstrato, &DBEdit::exited, this,
            [this] { runHandler([this] { DBEditNumImvEstratoExit(); }); });
    connect(DBEditNumQuartEstrato, &DBEdit::exited, this,
            [this] { runHandler([this] { DBEditNumQuartEstratoExit(); }); });
    // The start block shown changes when computed or when the plan cursor shows another row.
    connect(DBEditQuartInicial, &QLineEdit::textChanged, this, [this] { DBEditQuartInicialChange(); });
    connect(dm().ADOTablePlanoAmostral, &Cursor::rowChangedSignal, this,
            [this] { DBEditQuartInicialChange(); });
    connect(&frame_, &TFormDadosGerais::sheetShown, this, [this](QWidget* sheet) {
        if (sheet == frame_.TabSheetPlanoAmostral)
            runHandler([this] { TabSheetPlanoAmostralShow(); });
    });
}

PlanoAmostralPage::~PlanoAmostralPage() = default;

void PlanoAmostralPage::buildLayout() {
    QWidget* sheet = frame_.TabSheetPlanoAmostral;

    look::label(sheet, QStringLiteral("Estrato :"), 24, 20, look::tahoma(10, true));
    DBEditEstratoPA =
        boundEdit(sheet, QStringLiteral("DBEditEstratoPA"), QStringLiteral("Estrato"), 96, 17, true, 60);

    QGroupBox* size =
        group(sheet, QStringLiteral("GroupBox1"), QStringLiteral("Tamanho da amostra"), 16, 52, 380, 92);
    look::label(size, QStringLiteral("Número de imóveis no estrato :"), 12, 28);
    DBEditNumImvEstrato = boundEdit(size, QStringLiteral("DBEditNumImvEstrato"),
                                    QStringLiteral("NumeroDeImoveisNoEstrato"), 250, 24, false);
    look::label(size, QStringLiteral("Tamanho da amostra :"), 12, 60);
    DBEditTamanhoAmostra = boundEdit(size, QStringLiteral("DBEditTamanhoAmostra"),
                                     QStringLiteral("TamanhoDaAmostra"), 250, 56, true);

    QGroupBox* estimate = group(sheet, QStringLiteral("GroupBox2"),
                                QStringLiteral("Estimativa de imóveis por quarteirão"), 16, 156, 380, 92);
    look::label(estimate, QStringLiteral("Número de quarteirões no estrato :"), 12, 28);
    DBEditNumQuartEstrato = boundEdit(estimate, QStringLiteral("DBEditNumQuartEstrato"),
                                      QStringLiteral("NumeroDeQuarteiroesNoEstrato"), 250, 24, false);
    look::label(estimate, QStringLiteral("Estimativa de imóveis por quarteirão :"), 12, 60);
    DBEditEstimativaImvQuart = boundEdit(estimate, QStringLiteral("DBEditEstimativaImvQuart"),
                                         QStringLiteral("EstimativaDeImoveisPorQuart"), 250, 56, true);

    QGroupBox* blocks = group(sheet, QStringLiteral("GroupBox3"),
                              QStringLiteral("Quarteirões a serem amostrados"), 412, 52, 380, 92);
    look::label(blocks, QStringLiteral("Quart. que comporão a amostra :"), 12, 28);
    DBEditQuartQueComporaoAmostra = boundEdit(blocks, QStringLiteral("DBEditQuartQueComporaoAmostra"),
                                              QStringLiteral("QuartQueComporaoAmostra"), 250, 24, true);
    look::label(blocks, QStringLiteral("% de quarteirões amostrados :"), 12, 60);
    DBEditPercQuartAmostrados = boundEdit(blocks, QStringLiteral("DBEditPercQuartAmostrados"),
                                          QStringLiteral("PercentualDeQuartAmostrado"), 250, 56, true);

    QGroupBox* interval =
        group(sheet, QStringLiteral("GroupBox4"), QStringLiteral("Intervalo amostral"), 412, 156, 380, 60);
    look::label(interval, QStringLiteral("Intervalo de quarteirões :"), 12, 28);
    DBEditIntervaloQuart = boundEdit(interval, QStringLiteral("DBEditIntervaloQuart"),
                                     QStringLiteral("IntervaloDeQuart"), 250, 24, true);

    QGroupBox* random =
        group(sheet, QStringLiteral("GroupBox5"), QStringLiteral("Número aleatório"), 412, 228, 380, 60);
    look::label(random, QStringLiteral("Quarteirão inicial :"), 12, 28);
    DBEditQuartInicial = boundEdit(random, QStringLiteral("DBEditQuartInicial"),
                                   QStringLiteral("QuartInicial"), 250, 24, true);

    DBEditCodMun =
        boundEdit(sheet, QStringLiteral("DBEditCodMun"), QStringLiteral("CodigoMunicipio"), 0, 0, true);
    DBEditCodMun->hide();

    const int y = 330;
    SpBtnPlanAmostralNovo = new SpeedButton(sheet, QStringLiteral("SpBtnPlanAmostralNovo"),
                                            QStringLiteral("Novo Estrato"), QStringLiteral("novo"));
    SpBtnPlanAmostralNovo->setGeometry(16, y, 120, 38);
    SpBtnPlanAmostralGravar = new SpeedButton(sheet, QStringLiteral("SpBtnPlanAmostralGravar"),
                                              QStringLiteral("Gravar"), QStringLiteral("gravar"));
    SpBtnPlanAmostralGravar->setGeometry(142, y, 100, 38);
    SpBtnPlanAmostralExcluir = new SpeedButton(sheet, QStringLiteral("SpBtnPlanAmostralExcluir"),
                                               QStringLiteral("Excluir"), QStringLiteral("excluir"));
    SpBtnPlanAmostralExcluir->setGeometry(248, y, 100, 38);
    browse_ = std::make_unique<BrowseButtons>(
        sheet, QStringLiteral("SpBtnPlanAmostral"),
        QStringList{QStringLiteral("Primeiro estrato"), QStringLiteral("Estrato anterior"),
                    QStringLiteral("Próximo estrato"), QStringLiteral("Último estrato")},
        380, y);
    SpBtnPlanAmostralPR = browse_->firstButton();
    SpBtnPlanAmostralRA = browse_->priorButton();
    SpBtnPlanAmostralProxR = browse_->nextButton();
    SpBtnPlanAmostralUR = browse_->lastButton();
    SpBtnPlanAmostralRelatorioPA = new SpeedButton(sheet, QStringLiteral("SpBtnPlanAmostralRelatorioPA"),
                                                   QStringLiteral("Relatório"), QStringLiteral("relatorio"));
    SpBtnPlanAmostralRelatorioPA->setGeometry(690, y, 100, 38);

    sheet->setTabOrder(DBEditEstratoPA, DBEditNumImvEstrato);
    sheet->setTabOrder(DBEditNumImvEstrato, DBEditNumQuartEstrato);
}

// ---- Computation of the stratum

void PlanoAmostralPage::DBEditNumImvEstratoExit() {
    if (DBEditNumImvEstrato->text().isEmpty()) {
        DBEditNumImvEstrato->setText(QString());
    } else {
        sampling::SampleSize r;
        auto show = [&] {
            if (r.baseValue)
                frame_.EditAux1->setText(*r.baseValue);
            if (r.sampleSize)
                DBEditTamanhoAmostra->setText(*r.sampleSize);
        };
        computeThenShow([&] { sampling::computeSampleSize(DBEditNumImvEstrato->text(), r); }, show);
    }
    DBEditNumQuartEstrato->setFocus(Qt::OtherFocusReason);
}

void PlanoAmostralPage::DBEditNumQuartEstratoExit() {
    // A new block-definition row of the current stratum, on every exit.
    dm().ADOTableDefQuart->insert();
    if (DBEditNumQuartEstrato->text().isEmpty()) {
        DBEditNumQuartEstrato->setText(QString());
    } else {
        sampling::BlockParameters r;
        auto show = [&] {
            const std::pair<const std::optional<QString>&, QLineEdit*> texts[] = {
                {r.divisor, frame_.Edit7},
                {r.ratio2, frame_.Edit10},
                {r.ratio0, frame_.Edit11},
                {r.difference, frame_.Edit12},
                {r.estimate, DBEditEstimativaImvQuart},
                {r.blocksToSample, DBEditQuartQueComporaoAmostra},
                {r.percentSampled, DBEditPercQuartAmostrados},
                {r.interval, DBEditIntervaloQuart}};
            for (const auto& [text, box] : texts)
                if (text)
                    box->setText(*text);
        };
        computeThenShow(
            [&] {
                sampling::computeBlockParameters(DBEditNumImvEstrato->text(), DBEditNumQuartEstrato->text(),
                                                 DBEditTamanhoAmostra->text(), r);
            },
            show);
        auto& generator = sampling::StartBlockGenerator::instance();
        generator.reseedFromClock();
        DBEditQuartInicial->setText(
            sampling::drawStartBlock(*r.startBlockRange, [&](int upper) { return generator.below(upper); }));
        DBEditEstratoPA->setFocus(Qt::OtherFocusReason);
    }
    frame_.Edit4->setText(dialogs().input(
        QStringLiteral("Obrigatório"),
        QStringLiteral("Informe o número de bairros a serem computados neste estrato"), QString()));
    frame_.Edit3->setText(QStringLiteral("0"));
    frame_.Edit5->setText(QStringLiteral("0"));
}

void PlanoAmostralPage::DBEditQuartInicialChange() {
    frame_.EditAux2->setText(DBEditQuartInicial->text());
}

void PlanoAmostralPage::TabSheetPlanoAmostralShow() {
    DBEditEstratoPA->setFocus(Qt::OtherFocusReason);
}

// ---- Stratum records

void PlanoAmostralPage::SpBtnPlanAmostralNovoClick() {
    Cursor* plan = dm().ADOTablePlanoAmostral;
    // The running sum of the neighbourhoods' blocks starts again, whatever happens below.
    struct ClearRunningSum {
        QLineEdit* box;
        ~ClearRunningSum() { box->setText(QString()); }
    } clear{frame_.Edit3};
    if (plan->state() == Cursor::State::Edit &&
        dialogs().yesNo(QStringLiteral("Atenção!"), QStringLiteral("Deseja gravar o registro ?")))
        plan->post();
    plan->last(); // also stores a new stratum still pending
    const long long n = plan->isEmpty() ? 0 : plan->asInteger("Estrato");
    plan->append();
    plan->setInteger("Estrato", n + 1);
    DBEditNumImvEstrato->setFocus(Qt::OtherFocusReason);
}

void PlanoAmostralPage::SpBtnPlanAmostralGravarClick() {
    Cursor* plan = dm().ADOTablePlanoAmostral;
    if (plan->isEmpty() || !plan->isEditing())
        return;
    plan->post();
    const long long stratum = plan->asInteger("Estrato");
    const long long programmed = plan->asInteger("TamanhoDaAmostra");

    dm().ADOTableNecessidades->edit();
    const int strata = plan->rowCount();
    long long sum = 0;
    plan->first();
    for (int i = 0; i < strata; ++i) {
        sum += plan->asInteger("TamanhoDaAmostra");
        plan->next();
    }
    frame_.setNeedsPlanFigures(QString::number(strata), QString::number(sum));
    feedResults(stratum, programmed);
}

// A stratum saved again updates its programmed buildings in place: a second pair of rows would
// count its buildings twice and add a phantom stratum to every statistic.
void PlanoAmostralPage::feedResults(long long stratum, long long programmed) {
    store::TDataModule1& d = dm();
    Cursor* consolidado = d.ADOTableConsolidado;
    const int estratoColumn = consolidado->columnIndex(QStringLiteral("Estrato"));
    int position = -1;
    for (int row = 0; row < consolidado->rowCount() && position < 0; ++row)
        if (!consolidado->rowValue(row, estratoColumn).isNull() &&
            consolidado->rowValue(row, estratoColumn).toLongLong() == stratum)
            position = row;

    if (position < 0) {
        consolidado->append();
        consolidado->setInteger("Estrato", stratum);
        consolidado->setInteger("ImoveisProgramados", programmed);
        consolidado->post();
        consolidado->close();
        consolidado->open();
        Cursor* indices = d.ADOQueryIndices;
        indices->append();
        indices->setInteger("Estrato", stratum);
        indices->setInteger("ImoveisProgramados", programmed);
        indices->post();
        indices->close();
        indices->open();
        return;
    }

    consolidado->setRecNo(position + 1);
    consolidado->edit();
    consolidado->setInteger("ImoveisProgramados", programmed);
    consolidado->post();
    consolidado->close();
    consolidado->open();
    // The paired index row is the one at the same position in stored order, whatever filter the
    // shared index query carries at the moment.
    Cursor paired(*d.ADOConnection1, QStringLiteral("IndicesPareados"));
    paired.setTableName(QStringLiteral("Indices"));
    paired.open();
    if (position < paired.rowCount()) {
        paired.setRecNo(position + 1);
        paired.edit();
    } else {
        paired.append();
        paired.setInteger("Estrato", stratum);
    }
    paired.setInteger("ImoveisProgramados", programmed);
    paired.post();
    d.ADOQueryIndices->close();
    d.ADOQueryIndices->open();
}

void PlanoAmostralPage::SpBtnPlanAmostralExcluirClick() {
    Cursor* plan = dm().ADOTablePlanoAmostral;
    if (plan->isEmpty())
        return;
    if (dialogs().confirm(QStringLiteral("Deletar este registro?"))) {
        plan->remove();
        plan->refresh();
    }
}

void PlanoAmostralPage::SpBtnPlanAmostralPRClick() {
    browse_->first(*dm().ADOTablePlanoAmostral);
}
void PlanoAmostralPage::SpBtnPlanAmostralRAClick() {
    browse_->prior(*dm().ADOTablePlanoAmostral);
}
void PlanoAmostralPage::SpBtnPlanAmostralProxRClick() {
    browse_->next(*dm().ADOTablePlanoAmostral);
}
void PlanoAmostralPage::SpBtnPlanAmostralURClick() {
    browse_->last(*dm().ADOTablePlanoAmostral);
}

} // namespace korva
