#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace korva {

class SpeedButton;
class DBText;
class PlanoAmostralPage;
class DefQuartPage;
class NecessidadesPage;
class EntradaDadosPage;
class IndicesPage;

// The work window: header of the registered municipality, toolbar and the nested tabs. Each
// sub-tab's controls and handlers live in a page object of its subsystem.
class TFormDadosGerais : public QWidget {
    Q_OBJECT
public:
    TFormDadosGerais();
    ~TFormDadosGerais() override;

    QWidget* ToolBar1;
    SpeedButton* SpBtnEditarCadastro;
    SpeedButton* SpeedButton29;
    SpeedButton* SpeedButton31;
    SpeedButton* SpeedButton3;
    QLabel* Panel1;
    DBText* DBTextMunicipio;
    DBText* DBTextUF;
    DBText* DBTextPeriodo;

    QTabWidget* PageControl1;
    QWidget* TabSheetPlanAmostral;
    QTabWidget* PageControl2;
    QWidget* TabSheetPlanoAmostral;
    QWidget* TabSheetDefQuart;
    QWidget* TabSheetNecessidades;
    QWidget* TabSheetConsolidado;
    QTabWidget* PageControl3;
    QWidget* TabSheet1;
    QWidget* TabSheet2;

    // Working values of the block selection, kept as text in hidden boxes for the window's life.
    QLineEdit* EditAux1;
    QLineEdit* Edit7;
    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QLineEdit* Edit12;
    QLineEdit* EditAux2;
    QLineEdit* Edit4;
    QLineEdit* Edit3;
    QLineEdit* Edit5;

    PlanoAmostralPage* planoAmostral = nullptr;
    DefQuartPage* defQuart = nullptr;
    NecessidadesPage* necessidades = nullptr;
    EntradaDadosPage* entradaDados = nullptr;
    IndicesPage* indices = nullptr;

    // The stratum save writes the number of strata and the sum of the sample sizes into the
    // needs tab's boxes (the needs record is stored by the needs tab).
    void setNeedsPlanFigures(const QString& strata, const QString& sum);

    void SpBtnEditarCadastroClick();
    void SpeedButton29Click();
    void SpeedButton31Click();
    void SpeedButton3Click();

signals:
    // A tab sheet became visible (tab chosen, or the window shown on it).
    void sheetShown(QWidget* sheet);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korva
