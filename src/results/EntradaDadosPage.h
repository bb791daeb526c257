#pragma once

#include <QObject>

namespace korva {

class TFormDadosGerais;

// The sub-tab "Entrada de dados": field results per stratum.
class EntradaDadosPage : public QObject {
    Q_OBJECT
public:
    explicit EntradaDadosPage(TFormDadosGerais& frame);

private:
    TFormDadosGerais& frame_;
};

} // namespace korva
