#pragma once

#include <QObject>

namespace korva {

class TFormDadosGerais;

// The sub-tab "Plano amostral": strata of the sample plan.
class PlanoAmostralPage : public QObject {
    Q_OBJECT
public:
    explicit PlanoAmostralPage(TFormDadosGerais& frame);

private:
    TFormDadosGerais& frame_;
};

} // namespace korva
