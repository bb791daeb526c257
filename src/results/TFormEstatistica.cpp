#include "TFormEstatistica.h"

#include "common/Controls.h"

namespace korva {

TFormEstatistica::TFormEstatistica() {
    look::setupWindow(this, QStringLiteral("TFormEstatistica"), QStringLiteral("Dados estatísticos"), 700,
                      480, look::moneyGreen());
}

} // namespace korva
