#include "DefQuartPage.h"

#include "shell/TFormDadosGerais.h"

namespace korva {

DefQuartPage::DefQuartPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    (void)frame_.TabSheetDefQuart;
}

} // namespace korva
