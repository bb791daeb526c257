#include "TFormGraficos.h"

#include "common/Controls.h"

namespace korva {

TFormGraficos::TFormGraficos() {
    look::setupWindow(this, QStringLiteral("TFormGraficos"), QStringLiteral("Gráficos do Korva"), 800, 560,
                      look::moneyGreen());
}

} // namespace korva
