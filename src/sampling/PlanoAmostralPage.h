#pragma once

#include <QObject>
#include <memory>

class QGroupBox;

namespace korva {

class TFormDadosGerais;
class DBEdit;
class SpeedButton;
class BrowseButtons;

// The sub-tab "Plano amostral": one stratum of the sample plan at a time, its computation when
// the counts are left, and the buttons that create, save, delete and browse strata.
class PlanoAmostralPage : public QObject {
    Q_OBJECT
public:
    explicit PlanoAmostralPage(TFormDadosGerais& frame);
    ~PlanoAmostralPage() override;

    DBEdit* DBEditEstratoPA;
    DBEdit* DBEditNumImvEstrato;
    DBEdit* DBEditTamanhoAmostra;
    DBEdit* DBEditNumQuartEstrato;
    DBEdit* DBEditEstimativaImvQuart;
    DBEdit* DBEditQuartQueComporaoAmostra;
    DBEdit* DBEditPercQuartAmostrados;
    DBEdit* DBEditIntervaloQuart;
    DBEdit* DBEditQuartInicial;
    DBEdit* DBEditCodMun;

    SpeedButton* SpBtnPlanAmostralNovo;
    SpeedButton* SpBtnPlanAmostralGravar;
    SpeedButton* SpBtnPlanAmostralExcluir;
    SpeedButton* SpBtnPlanAmostralPR;
    SpeedButton* SpBtnPlanAmostralRA;
    SpeedButton* SpBtnPlanAmostralProxR;
    SpeedButton* SpBtnPlanAmostralUR;
    SpeedButton* SpBtnPlanAmostralRelatorioPA;

    // Computation of the stratum.
    void DBEditNumImvEstratoExit();
    void DBEditNumQuartEstratoExit();
    void DBEditQuartInicialChange();
    void TabSheetPlanoAmostralShow();
    // Stratum records.
    void SpBtnPlanAmostralNovoClick();
    void SpBtnPlanAmostralGravarClick();
    void SpBtnPlanAmostralExcluirClick();
    void SpBtnPlanAmostralPRClick();
    void SpBtnPlanAmostralRAClick();
    void SpBtnPlanAmostralProxRClick();
    void SpBtnPlanAmostralURClick();

private:
    void buildLayout();
    // Stores the stratum's programmed buildings in the results tables.
    void feedResults(long long stratum, long long programmed);

    TFormDadosGerais& frame_;
    std::unique_ptr<BrowseButtons> browse_;
};

} // namespace korva
