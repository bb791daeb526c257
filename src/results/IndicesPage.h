#pragma once

#include <QObject>

namespace korva {

class TFormDadosGerais;

// The sub-tab "Índices": index table and risk filters.
class IndicesPage : public QObject {
    Q_OBJECT
public:
    explicit IndicesPage(TFormDadosGerais& frame);

private:
    TFormDadosGerais& frame_;
};

} // namespace korva
