#pragma once

#include <QWidget>

class QLabel;

namespace korva {

class SpeedButton;
class LinkLabel;

// The main window: names the product, shows the registered municipality and offers "Entrar",
// "Limpar BD", "Encerrar" and "Créditos". Closing it ends the program.
class TFormPrincipal : public QWidget {
    Q_OBJECT
public:
    TFormPrincipal();

    QLabel* Label5;
    LinkLabel* Label4;
    SpeedButton* SpBtnEntrar;
    SpeedButton* SpeedButton1;
    SpeedButton* SpBtnEncerrar;

    void FormShow();
    void SpBtnEntrarClick();
    void SpeedButton1Click();
    void SpBtnEncerrarClick();
    void Label4Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace korva
