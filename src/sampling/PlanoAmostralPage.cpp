#include "PlanoAmostralPage.h"

#include "shell/TFormDadosGerais.h"

namespace korva {

PlanoAmostralPage::PlanoAmostralPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    (void)frame_.TabSheetPlanoAmostral;
}

} // namespace korva
