#include "TFormPrincipal.h"

#include "Forms.h"
#include "TCreditos.h"
#include "TFormCadastro.h"
#include "TFormDadosGerais.h"
#include "common/Controls.h"
#include "common/Handler.h"
#include "store/DataModule.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStatusBar>

namespace korva {

TFormPrincipal::TFormPrincipal() {
    setObjectName(QStringLiteral("TFormPrincipal"));
    setWindowTitle(QStringLiteral("Korva - Vexdalin"));
    resize(735, 414);
    look::setBackground(this, look::moneyGreen());
    setFont(look::tahoma(8));

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setPixmap(look::picture(QStringLiteral("banner")));
    banner->setScaledContents(true);
    banner->setGeometry(8, 0, 731, 50);
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setPixmap(look::picture(QStringLiteral("logo")));
    logo->setGeometry(9, 1, 134, 45);

    QFont titleFont(QStringLiteral("Lucida Sans"), 18);
    titleFont.setBold(true);
    QLabel* title = look::label(this, QStringLiteral("Korva - 2012"), 286, 12, titleFont);
    title->setObjectName(QStringLiteral("Label1"));
    look::setTextColour(title, QColor(0, 128, 0));

    Label5 = look::label(this, QString(), 126, 64, look::tahoma(14, true));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->resize(420, 26);

    Label4 = new LinkLabel(this, QStringLiteral("Label4"), QStringLiteral("Créditos"));
    Label4->setFont(look::tahoma(10, true));
    look::setTextColour(Label4, QColor(0, 0, 128));
    Label4->adjustSize();
    Label4->move(656, 56);

    auto* larva = new QLabel(this);
    larva->setObjectName(QStringLiteral("Image3"));
    larva->setPixmap(look::picture(QStringLiteral("larva")));
    larva->setScaledContents(true);
    larva->setGeometry(126, 104, 425, 238);

    SpBtnEntrar = new SpeedButton(this, QStringLiteral("SpBtnEntrar"), QStringLiteral("Entrar"),
                                  QStringLiteral("entrar"));
    SpBtnEntrar->setGeometry(568, 128, 105, 57);
    SpeedButton1 = new SpeedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Limpar BD"),
                                   QStringLiteral("limpar-bd"));
    SpeedButton1->setGeometry(568, 191, 105, 57);
    SpBtnEncerrar = new SpeedButton(this, QStringLiteral("SpBtnEncerrar"), QStringLiteral("Encerrar"),
                                    QStringLiteral("encerrar"));
    SpBtnEncerrar->setGeometry(568, 256, 105, 56);
    for (SpeedButton* b : {SpBtnEntrar, SpeedButton1, SpBtnEncerrar}) {
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }

    QLabel* orv = look::label(this, QStringLiteral("ORV - "), 352, 348, look::tahoma(8, true));
    orv->setObjectName(QStringLiteral("Label2"));
    look::label(this, QStringLiteral("Tessaly"), 390, 348)->setObjectName(QStringLiteral("Label3"));

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    status->setGeometry(0, 414 - 22, 735, 22);
    auto* panel = new QLabel(QStringLiteral("Korva 2012 - Versão 1.00"), status);
    panel->setObjectName(QStringLiteral("StatusBarPanel1"));
    panel->setFixedWidth(300);
    status->addWidget(panel);

    connect(SpBtnEntrar, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpBtnEntrarClick(); }); });
    connect(SpeedButton1, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpeedButton1Click(); }); });
    connect(SpBtnEncerrar, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpBtnEncerrarClick(); }); });
    connect(Label4, &LinkLabel::clicked, this, [this] { runHandler([this] { Label4Click(); }); });
}

void TFormPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
}

void TFormPrincipal::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void TFormPrincipal::FormShow() {
    store::Cursor* cadastro = dm().ADOTableCadastro;
    Label5->setText(cadastro->asText("Municipio") + QStringLiteral(" - ") + cadastro->asText("UF"));
}

void TFormPrincipal::SpBtnEntrarClick() {
    if (dm().ADOTableCadastro->isEmpty())
        look::showWindow(forms().FormCadastro);
    else
        look::showWindow(forms().FormDadosGerais);
}

void TFormPrincipal::SpeedButton1Click() {
    // Everything typed for the survey goes: ask first.
    if (!dialogs().yesNo(QStringLiteral("Atenção!"),
                         QStringLiteral("Todos os dados do levantamento serão apagados. Deseja continuar?"),
                         false))
        return;
    store::TDataModule1& d = dm();
    // Details before their masters. Each table is emptied whole, including rows its cursor
    // does not show (other strata's blocks, index rows outside a risk filter).
    const std::pair<store::Cursor*, const char*> tables[] = {
        {d.ADOTableDefQuart, "DefinicaoQuart"},
        {d.ADOTablePlanoAmostral, "PlanoAmostral"},
        {d.ADOTableCadastro, "Cadastro"},
        {d.ADOTableNecessidades, "Necessidades"},
        {d.ADOTableConsolidado, "Consolidado"},
        {d.ADOTableTotalConsolidado, "TotaisDoConsolidado"},
        {d.ADOQueryIndices, "Indices"},
        {d.ADOQueryPercCriadouros, "PercentuaisCriadouros"},
        {d.ADOQueryORV, "ORV"}};
    for (const auto& [cursor, table] : tables) {
        cursor->close();
        try {
            d.ADOConnection1->exec(
                QStringLiteral("DELETE FROM %1").arg(store::quoted(QString::fromUtf8(table))));
        } catch (...) {
            cursor->open();
            throw;
        }
        cursor->open();
    }
    Label5->setText(QString());
}

void TFormPrincipal::SpBtnEncerrarClick() {
    QCoreApplication::quit();
}

void TFormPrincipal::Label4Click() {
    forms().Creditos->exec();
}

} // namespace korva
