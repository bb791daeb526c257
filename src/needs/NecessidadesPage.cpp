#include "NecessidadesPage.h"

#include "shell/TFormDadosGerais.h"

namespace korva {

NecessidadesPage::NecessidadesPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    (void)frame_.TabSheetNecessidades;
}

} // namespace korva
