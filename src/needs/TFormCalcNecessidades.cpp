#include "TFormCalcNecessidades.h"

#include "common/Controls.h"

namespace korva {

TFormCalcNecessidades::TFormCalcNecessidades() {
    look::setupWindow(this, QStringLiteral("TFormCalcNecessidades"), QStringLiteral("Cálculos necessários"),
                      600, 420, look::moneyGreen());
}

} // namespace korva
