#include "TFormVisualizarBairros.h"

#include "common/Controls.h"

namespace korva {

TFormVisualizarBairros::TFormVisualizarBairros() {
    look::setupWindow(this, QStringLiteral("TFormVisualizarBairros"),
                      QStringLiteral("Visualização do total de bairros que compõe os estratos"), 657, 414,
                      QColor());
}

} // namespace korva
