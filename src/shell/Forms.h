#pragma once

// The windows and the data module, created once each at start-up and alive until the end.
// Handlers reach the other windows through here.

namespace korva {

namespace store {
class TDataModule1;
}
class TFormPrincipal;
class TFormCadastro;
class TFormDadosGerais;
class TFormCalcNecessidades;
class TFormVisualizarBairros;
class TCreditos;
class TFormEstatistica;
class TFormGraficos;
class TFormORV;
class TFormAjuda;

struct Forms {
    TFormPrincipal* FormPrincipal = nullptr;
    store::TDataModule1* DataModule1 = nullptr;
    TFormCadastro* FormCadastro = nullptr;
    TFormDadosGerais* FormDadosGerais = nullptr;
    TFormCalcNecessidades* FormCalcNecessidades = nullptr;
    TFormVisualizarBairros* FormVisualizarBairros = nullptr;
    TCreditos* Creditos = nullptr;
    TFormEstatistica* FormEstatistica = nullptr;
    TFormGraficos* FormGraficos = nullptr;
    TFormORV* FormORV = nullptr;
    TFormAjuda* FormAjuda = nullptr;
};

Forms& forms();
store::TDataModule1& dm();

} // namespace korva
