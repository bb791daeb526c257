#include "IndicesPage.h"

#include "shell/TFormDadosGerais.h"

namespace korva {

IndicesPage::IndicesPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    (void)frame_.TabSheet2;
}

} // namespace korva
