#include "TFormORV.h"

#include "common/Controls.h"

namespace korva {

TFormORV::TFormORV() {
    look::setupWindow(this, QStringLiteral("TFormORV"), QStringLiteral("Geração de dados para Vael-ORV"), 700,
                      480, look::moneyGreen());
}

} // namespace korva
