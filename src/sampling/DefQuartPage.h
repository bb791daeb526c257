#pragma once

#include <QObject>

namespace korva {

class TFormDadosGerais;

// The sub-tab "Definição de quarteirões": blocks to work per neighbourhood.
class DefQuartPage : public QObject {
    Q_OBJECT
public:
    explicit DefQuartPage(TFormDadosGerais& frame);

private:
    TFormDadosGerais& frame_;
};

} // namespace korva
