#include "TFormDadosGerais.h"

#include "Forms.h"
#include "TFormAjuda.h"
#include "TFormCadastro.h"
#include "common/Controls.h"
#include "common/DbControls.h"
#include "common/Handler.h"
#include "needs/NecessidadesPage.h"
#include "results/EntradaDadosPage.h"
#include "results/IndicesPage.h"
#include "sampling/DefQuartPage.h"
#include "sampling/PlanoAmostralPage.h"
#include "store/DataModule.h"

#include <QEvent>
#include <QLineEdit>
#include <QTabWidget>

namespace korva {

namespace {

QWidget* sheet(QTabWidget* tabs, const QString& name, const QString& caption) {
    auto* page = new QWidget();
    page->setObjectName(name);
    look::setBackground(page, look::moneyGreen());
    tabs->addTab(page, caption);
    return page;
}

QLineEdit* workingValue(QWidget* parent, const QString& name, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->hide();
    return box;
}

} // namespace

TFormDadosGerais::TFormDadosGerais() {
    look::setupWindow(this, QStringLiteral("TFormDadosGerais"), QStringLiteral("Dados gerais"), 879, 564,
                      look::moneyGreen());
    store::TDataModule1& d = dm();

    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, 879, 41);
    SpBtnEditarCadastro = new SpeedButton(ToolBar1, QStringLiteral("SpBtnEditarCadastro"),
                                          QStringLiteral("Editar Cadastro"), QStringLiteral("editar"));
    SpBtnEditarCadastro->setGeometry(0, 0, 128, 38);
    SpeedButton29 = new SpeedButton(ToolBar1, QStringLiteral("SpeedButton29"),
                                    QStringLiteral("Gerar dados para ORV"), QStringLiteral("orv"));
    SpeedButton29->setGeometry(128, 0, 160, 38);
    SpeedButton31 = new SpeedButton(ToolBar1, QStringLiteral("SpeedButton31"), QStringLiteral("Ajuda"),
                                    QStringLiteral("ajuda"));
    SpeedButton31->setGeometry(288, 0, 112, 38);
    SpeedButton3 = new SpeedButton(ToolBar1, QStringLiteral("SpeedButton3"), QStringLiteral("Fechar"),
                                   QStringLiteral("fechar"));
    SpeedButton3->setGeometry(400, 0, 112, 38);
    Panel1 = new QLabel(QStringLiteral("Korva - 2012"), ToolBar1);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(512, 0, 364, 38);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFont(look::tahoma(14, true));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    look::setBackground(Panel1, look::teal());
    look::setTextColour(Panel1, Qt::white);

    const QFont headerFont = look::tahoma(12, true);
    DBTextMunicipio = new DBText(this);
    DBTextMunicipio->setObjectName(QStringLiteral("DBTextMunicipio"));
    DBTextMunicipio->setGeometry(20, 39, 365, 19);
    DBTextUF = new DBText(this);
    DBTextUF->setObjectName(QStringLiteral("DBTextUF"));
    DBTextUF->setGeometry(20, 64, 65, 17);
    look::label(this, QStringLiteral("Período :"), 491, 44, headerFont);
    DBTextPeriodo = new DBText(this);
    DBTextPeriodo->setObjectName(QStringLiteral("DBTextPeriodo"));
    DBTextPeriodo->setGeometry(571, 44, 281, 25);
    DBTextPeriodo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (DBText* t : {DBTextMunicipio, DBTextUF, DBTextPeriodo}) {
        t->setFont(headerFont);
        look::setTextColour(t, Qt::black);
    }
    DBTextMunicipio->bind(d.DataSourceCadastro, QStringLiteral("Municipio"));
    DBTextUF->bind(d.DataSourceCadastro, QStringLiteral("UF"));
    DBTextPeriodo->bind(d.DataSourceCadastro, QStringLiteral("PeriodoDeExecucao"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(22, 88, 849, 468);
    TabSheetPlanAmostral =
        sheet(PageControl1, QStringLiteral("TabSheetPlanAmostral"), QStringLiteral("Cálculo de parâmetros"));
    TabSheetNecessidades = sheet(PageControl1, QStringLiteral("TabSheetNecessidades"),
                                 QStringLiteral("Planejamento de necessidades"));
    TabSheetConsolidado =
        sheet(PageControl1, QStringLiteral("TabSheetConsolidado"), QStringLiteral("Consolidado"));

    PageControl2 = new QTabWidget(TabSheetPlanAmostral);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(16, 16, 809, 421);
    PageControl2->setDocumentMode(true); // tabs drawn as buttons
    TabSheetPlanoAmostral =
        sheet(PageControl2, QStringLiteral("TabSheetPlanoAmostral"), QStringLiteral("Plano amostral"));
    TabSheetDefQuart =
        sheet(PageControl2, QStringLiteral("TabSheetDefQuart"), QStringLiteral("Definição de quarteirões"));

    PageControl3 = new QTabWidget(TabSheetConsolidado);
    PageControl3->setObjectName(QStringLiteral("PageControl3"));
    PageControl3->setGeometry(8, 8, 829, 428);
    TabSheet1 = sheet(PageControl3, QStringLiteral("TabSheet1"), QStringLiteral("Entrada de dados"));
    TabSheet2 = sheet(PageControl3, QStringLiteral("TabSheet2"), QStringLiteral("Índices"));

    EditAux1 = workingValue(this, QStringLiteral("EditAux1"), QString());
    Edit7 = workingValue(this, QStringLiteral("Edit7"), QString());
    Edit10 = workingValue(this, QStringLiteral("Edit10"), QString());
    Edit11 = workingValue(this, QStringLiteral("Edit11"), QString());
    Edit12 = workingValue(this, QStringLiteral("Edit12"), QString());
    EditAux2 = workingValue(this, QStringLiteral("EditAux2"), QStringLiteral("EditAux2"));
    Edit4 = workingValue(this, QStringLiteral("Edit4"), QString());
    Edit3 = workingValue(this, QStringLiteral("Edit3"), QString());
    Edit5 = workingValue(this, QStringLiteral("Edit5"), QStringLiteral("0"));

    for (QWidget* s : {TabSheetPlanoAmostral, TabSheetDefQuart, TabSheetNecessidades, TabSheet1, TabSheet2})
        s->installEventFilter(this);

    necessidades = new NecessidadesPage(*this);
    planoAmostral = new PlanoAmostralPage(*this);
    defQuart = new DefQuartPage(*this);
    entradaDados = new EntradaDadosPage(*this);
    indices = new IndicesPage(*this);

    connect(SpBtnEditarCadastro, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpBtnEditarCadastroClick(); }); });
    connect(SpeedButton29, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpeedButton29Click(); }); });
    connect(SpeedButton31, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpeedButton31Click(); }); });
    connect(SpeedButton3, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpeedButton3Click(); }); });
}

TFormDadosGerais::~TFormDadosGerais() = default;

bool TFormDadosGerais::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !event->spontaneous())
        emit sheetShown(static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

void TFormDadosGerais::setNeedsPlanFigures(const QString& strata, const QString& sum) {
    necessidades->DBEdit1->setText(strata);
    necessidades->DBEdit2->setText(sum);
}

void TFormDadosGerais::SpBtnEditarCadastroClick() {
    look::showWindow(forms().FormCadastro);
    dm().ADOTableCadastro->edit();
}

void TFormDadosGerais::SpeedButton29Click() {
    dialogs().information(
        QStringLiteral("A geração de dados para a ORV ainda não está disponível nesta versão do Korva."));
}

void TFormDadosGerais::SpeedButton31Click() {
    look::showWindow(forms().FormAjuda);
}

void TFormDadosGerais::SpeedButton3Click() {
    close();
}

} // namespace korva
