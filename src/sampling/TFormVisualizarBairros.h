#pragma once

#include <QWidget>

namespace korva {

// The neighbourhoods of each stratum with their blocks to work.
class TFormVisualizarBairros : public QWidget {
    Q_OBJECT
public:
    TFormVisualizarBairros();
};

} // namespace korva
