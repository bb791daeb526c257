#pragma once

#include <QObject>

class QGroupBox;

namespace korva {

class TFormDadosGerais;
class DBEdit;

// The tab "Planejamento de necessidades": the single needs record.
class NecessidadesPage : public QObject {
    Q_OBJECT
public:
    explicit NecessidadesPage(TFormDadosGerais& frame);

    QGroupBox* GroupBoxRecursos;
    DBEdit* DBEdit1; // QuantEstratosALevantar, filled by the stratum save
    DBEdit* DBEdit2; // SomaDosImoveisATrabalhar, filled by the stratum save

private:
    TFormDadosGerais& frame_;
};

} // namespace korva
