#pragma once

#include <QObject>
#include <memory>

class QCheckBox;
class QLineEdit;

namespace korva {

class TFormDadosGerais;
class DBEdit;
class DBMemo;
class DBText;
class SpeedButton;
class BrowseButtons;

// The sub-tab "Definição de quarteirões": per neighbourhood of the current stratum, the blocks
// to work chosen systematically with the stratum's interval, carried from one neighbourhood to
// the next; the stratum total and its check against the plan; the printout of the lists.
class DefQuartPage : public QObject {
    Q_OBJECT
public:
    explicit DefQuartPage(TFormDadosGerais& frame);
    ~DefQuartPage() override;

    DBEdit* DBEditEstratoDQ;
    DBEdit* DBEditItem;
    DBEdit* DBEditBairro;
    DBEdit* DBEditQuart;
    DBMemo* DBMemoQuartATrab;
    DBText* DBTextObs;
    DBEdit* DBEditTotalQuartBairro;
    QLineEdit* EditTotQuartEstrato;
    DBText* DBText1;

    SpeedButton* SpBtnCalculoQuart;
    SpeedButton* SpBtnDefQuartNovo;
    SpeedButton* SpBtnDefQuartGravar;
    SpeedButton* SpBtnDefQuartExcluir;
    SpeedButton* SpBtnDefQuartPR;
    SpeedButton* SpBtnDefQuartRA;
    SpeedButton* SpBtnDefQuartProxR;
    SpeedButton* SpBtnDefQuartUR;
    SpeedButton* SpeedButton2;

    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    SpeedButton* SpBtnImprimirDefQuart;

    void SpBtnCalculoQuartClick();
    void DBEditQuartKeyPress();
    void SpBtnDefQuartNovoClick();
    void SpBtnDefQuartGravarClick();
    void SpBtnDefQuartExcluirClick();
    void SpBtnDefQuartPRClick();
    void SpBtnDefQuartRAClick();
    void SpBtnDefQuartProxRClick();
    void SpBtnDefQuartURClick();
    void TabSheetDefQuartShow();
    void SpeedButton2Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void SpBtnImprimirDefQuartClick();

private:
    void buildLayout();

    TFormDadosGerais& frame_;
    std::unique_ptr<BrowseButtons> browse_;
};

} // namespace korva
