#pragma once

#include <QWidget>

namespace korva {

class SpeedButton;
class DBComboBox;
class DBLookupComboBox;
class DBEdit;

// Registration of the municipality the survey is for: the single Cadastro row.
class TFormCadastro : public QWidget {
    Q_OBJECT
public:
    TFormCadastro();

    SpeedButton* SpBtnGravarCad;
    SpeedButton* SpBtnLimpar;
    SpeedButton* SpBtnSairCad;
    DBComboBox* DBComboBox1;
    DBLookupComboBox* DBLookupComboBoxUF;
    DBLookupComboBox* DBLookupComboBoxMun;
    DBEdit* DBEditMun;
    DBEdit* DBEditCodMun;
    DBEdit* DBEditTotalImvMun;
    DBEdit* DBEditPeriodoExec;

    void FormShow();
    void DBLookupComboBoxUFClick();
    void DBLookupComboBoxMunClick();
    void SpBtnGravarCadClick();
    void SpBtnSairCadClick();
    void SpBtnLimparClick();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace korva
