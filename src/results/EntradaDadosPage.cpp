#include "EntradaDadosPage.h"

#include "shell/TFormDadosGerais.h"

namespace korva {

EntradaDadosPage::EntradaDadosPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    (void)frame_.TabSheet1;
}

} // namespace korva
