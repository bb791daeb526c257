#pragma once

#include <QDialog>

class QPushButton;

namespace korva {

// Product, version and the people and bodies that contributed. Shown modally.
class TCreditos : public QDialog {
    Q_OBJECT
public:
    TCreditos();
    QPushButton* OKButton;
};

} // namespace korva
