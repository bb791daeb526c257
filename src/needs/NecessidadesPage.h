#pragma once

#include <QObject>

namespace korva {

class TFormDadosGerais;

// The tab "Planejamento de necessidades".
class NecessidadesPage : public QObject {
    Q_OBJECT
public:
    explicit NecessidadesPage(TFormDadosGerais& frame);

private:
    TFormDadosGerais& frame_;
};

} // namespace korva
