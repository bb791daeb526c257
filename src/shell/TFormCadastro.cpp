#include "TFormCadastro.h"

#include "Forms.h"
#include "TFormDadosGerais.h"
#include "TFormPrincipal.h"
#include "common/Controls.h"
#include "common/DbControls.h"
#include "common/Handler.h"
#include "store/DataModule.h"

#include <QShowEvent>

namespace korva {

TFormCadastro::TFormCadastro() {
    setObjectName(QStringLiteral("TFormCadastro"));
    setWindowTitle(QStringLiteral("Cadastro de Municípios"));
    resize(427, 309);
    look::setBackground(this, look::moneyGreen());
    setFont(look::tahoma(8));
    store::TDataModule1& d = dm();

    SpBtnGravarCad = new SpeedButton(this, QStringLiteral("SpBtnGravarCad"), QStringLiteral("Gravar"),
                                     QStringLiteral("gravar"));
    SpBtnGravarCad->setGeometry(2, 1, 81, 41);
    SpBtnLimpar = new SpeedButton(this, QStringLiteral("SpBtnLimpar"), QStringLiteral("Limpar"),
                                  QStringLiteral("limpar"));
    SpBtnLimpar->setGeometry(89, 1, 82, 41);
    SpBtnSairCad = new SpeedButton(this, QStringLiteral("SpBtnSairCad"), QStringLiteral("Fechar"),
                                   QStringLiteral("fechar"));
    SpBtnSairCad->setGeometry(177, 1, 80, 41);

    QLabel* title = look::label(this, QStringLiteral("Cadastro"), 152, 48, look::tahoma(18, true));
    look::setTextColour(title, QColor(128, 0, 0));

    look::label(this, QStringLiteral("Ano :"), 32, 88);
    DBComboBox1 = new DBComboBox(this);
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->addItems({QStringLiteral("2010"), QStringLiteral("2011"), QStringLiteral("2012"),
                           QStringLiteral("2013"), QStringLiteral("2014"), QStringLiteral("2015"),
                           QStringLiteral("2016")});
    DBComboBox1->setGeometry(192, 83, 81, 21);
    DBComboBox1->bind(d.DataSourceCadastro, QStringLiteral("Ano"));

    look::label(this, QStringLiteral("UF :"), 33, 125);
    DBLookupComboBoxUF = new DBLookupComboBox(this);
    DBLookupComboBoxUF->setObjectName(QStringLiteral("DBLookupComboBoxUF"));
    DBLookupComboBoxUF->setGeometry(192, 117, 138, 21);
    DBLookupComboBoxUF->setListSource(d.DataSourceEstados, QStringLiteral("Estado"));
    DBLookupComboBoxUF->bind(d.DataSourceCadastro, QStringLiteral("UF"));

    look::label(this, QStringLiteral("Município :"), 33, 159);
    DBLookupComboBoxMun = new DBLookupComboBox(this);
    DBLookupComboBoxMun->setObjectName(QStringLiteral("DBLookupComboBoxMun"));
    DBLookupComboBoxMun->setGeometry(192, 151, 201, 21);
    DBLookupComboBoxMun->setListSource(d.DataSourceMunicipios, QStringLiteral("Municipio"));
    DBLookupComboBoxMun->bind(d.DataSourceCadastro, QStringLiteral("Municipio"));
    // The read-only name box lies over the list: only the list's drop-down button shows.
    DBEditMun = new DBEdit(this);
    DBEditMun->setObjectName(QStringLiteral("DBEditMun"));
    DBEditMun->setGeometry(192, 151, 181, 21);
    DBEditMun->setReadOnly(true);
    DBEditMun->bind(d.DataSourceCadastro, QStringLiteral("Municipio"));
    DBEditMun->raise();

    look::label(this, QStringLiteral("Código do Município :"), 32, 194);
    DBEditCodMun = new DBEdit(this);
    DBEditCodMun->setObjectName(QStringLiteral("DBEditCodMun"));
    DBEditCodMun->setGeometry(191, 191, 121, 21);
    DBEditCodMun->setReadOnly(true);
    DBEditCodMun->setFocusPolicy(Qt::ClickFocus);
    DBEditCodMun->bind(d.DataSourceCadastro, QStringLiteral("CodigoMunicipio"));

    look::label(this, QStringLiteral("Total de imóveis no Município :"), 32, 229);
    DBEditTotalImvMun = new DBEdit(this);
    DBEditTotalImvMun->setObjectName(QStringLiteral("DBEditTotalImvMun"));
    DBEditTotalImvMun->setGeometry(192, 229, 121, 21);
    DBEditTotalImvMun->bind(d.DataSourceCadastro, QStringLiteral("TotalDeImoveisNoMunicipio"));

    look::label(this, QStringLiteral("Período de execução :"), 32, 269);
    DBEditPeriodoExec = new DBEdit(this);
    DBEditPeriodoExec->setObjectName(QStringLiteral("DBEditPeriodoExec"));
    DBEditPeriodoExec->setGeometry(192, 269, 201, 21);
    DBEditPeriodoExec->bind(d.DataSourceCadastro, QStringLiteral("PeriodoDeExecucao"));

    DBEditMun->setFocusPolicy(Qt::ClickFocus);
    setTabOrder(DBLookupComboBoxUF, DBLookupComboBoxMun);
    setTabOrder(DBLookupComboBoxMun, DBEditTotalImvMun);
    setTabOrder(DBEditTotalImvMun, DBEditPeriodoExec);
    setTabOrder(DBEditPeriodoExec, DBComboBox1);

    connect(DBLookupComboBoxUF, &DBLookupComboBox::chosen, this,
            [this] { runHandler([this] { DBLookupComboBoxUFClick(); }); });
    connect(DBLookupComboBoxMun, &DBLookupComboBox::chosen, this,
            [this] { runHandler([this] { DBLookupComboBoxMunClick(); }); });
    connect(SpBtnGravarCad, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpBtnGravarCadClick(); }); });
    connect(SpBtnSairCad, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpBtnSairCadClick(); }); });
    connect(SpBtnLimpar, &QAbstractButton::clicked, this,
            [this] { runHandler([this] { SpBtnLimparClick(); }); });
}

void TFormCadastro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
}

void TFormCadastro::FormShow() {
    DBLookupComboBoxMun->setEnabled(!DBLookupComboBoxUF->currentText().isEmpty());
}

void TFormCadastro::DBLookupComboBoxUFClick() {
    DBLookupComboBoxMun->setEnabled(!DBLookupComboBoxUF->currentText().isEmpty());
}

void TFormCadastro::DBLookupComboBoxMunClick() {
    if (!DBLookupComboBoxMun->currentText().isEmpty())
        DBEditCodMun->setText(dm().ADOTableMunicipios->asText("CodigoMunicipio"));
}

void TFormCadastro::SpBtnGravarCadClick() {
    store::Cursor* cadastro = dm().ADOTableCadastro;
    if (cadastro->isEmpty() || !cadastro->isEditing())
        return;
    cadastro->post();
    cadastro->close();
    cadastro->open();
    forms().FormPrincipal->Label5->setText(DBEditMun->text() + QStringLiteral(" - ") +
                                           DBLookupComboBoxUF->currentText());
}

void TFormCadastro::SpBtnSairCadClick() {
    store::Cursor* cadastro = dm().ADOTableCadastro;
    if (cadastro->isEmpty() || !cadastro->isEditing()) {
        close();
        return;
    }
    cadastro->post();
    close();
    look::showWindow(forms().FormDadosGerais);
}

void TFormCadastro::SpBtnLimparClick() {
    DBLookupComboBoxUF->setKeyValue(QString());
    DBLookupComboBoxMun->setKeyValue(QString());
    DBLookupComboBoxMun->setEnabled(false);
    DBEditMun->setText(QString());
    DBEditCodMun->setText(QString());
    DBEditTotalImvMun->setText(QString());
    DBEditPeriodoExec->setText(QString());
    DBLookupComboBoxUF->setFocus(Qt::OtherFocusReason);
}

} // namespace korva
