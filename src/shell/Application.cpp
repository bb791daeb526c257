#include "Application.h"

#include "TCreditos.h"
#include "TFormAjuda.h"
#include "TFormCadastro.h"
#include "TFormDadosGerais.h"
#include "TFormPrincipal.h"
#include "needs/TFormCalcNecessidades.h"
#include "output/TFormORV.h"
#include "results/TFormEstatistica.h"
#include "results/TFormGraficos.h"
#include "sampling/TFormVisualizarBairros.h"
#include "store/DataModule.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

static void initPictures() {
    Q_INIT_RESOURCE(images);
}

namespace korva {

namespace {
Forms theForms;

void centre(QWidget* w) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
}
} // namespace

Forms& forms() {
    return theForms;
}
store::TDataModule1& dm() {
    return *theForms.DataModule1;
}

void Application::prepare(QApplication& app) {
    initPictures();
    app.setApplicationName(QStringLiteral("Korva"));
    app.setQuitOnLastWindowClosed(false);
    // The screens speak Portuguese, the platform's dialogs too ("Sim", "Não", "Cancelar").
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // Metric-compatible stand-ins for the Windows fonts the layouts were drawn with.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Lucida Sans"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    app.setWindowIcon(QIcon(QStringLiteral(":/images/korva.png")));
}

Application::Application() {
    Forms& f = theForms;
    f = Forms();
    try {
        f.FormPrincipal = new TFormPrincipal();
        f.DataModule1 = new store::TDataModule1();
        f.FormCadastro = new TFormCadastro();
        f.FormDadosGerais = new TFormDadosGerais();
        f.FormCalcNecessidades = new TFormCalcNecessidades();
        f.FormVisualizarBairros = new TFormVisualizarBairros();
        f.Creditos = new TCreditos();
        f.FormEstatistica = new TFormEstatistica();
        f.FormGraficos = new TFormGraficos();
        f.FormORV = new TFormORV();
        f.FormAjuda = new TFormAjuda();
    } catch (...) {
        destroy();
        throw;
    }
    for (QWidget* w : windows())
        centre(w);
}

Application::~Application() {
    destroy();
}

QList<QWidget*> Application::windows() const {
    const Forms& f = theForms;
    QList<QWidget*> list{f.FormPrincipal,
                         f.FormCadastro,
                         f.FormDadosGerais,
                         f.FormCalcNecessidades,
                         f.FormVisualizarBairros,
                         f.Creditos,
                         f.FormEstatistica,
                         f.FormGraficos,
                         f.FormORV,
                         f.FormAjuda};
    list.removeAll(nullptr);
    return list;
}

void Application::destroy() {
    // Windows hold links to the cursors: they go before the data module.
    Forms& f = theForms;
    delete f.FormAjuda;
    delete f.FormORV;
    delete f.FormGraficos;
    delete f.FormEstatistica;
    delete f.Creditos;
    delete f.FormVisualizarBairros;
    delete f.FormCalcNecessidades;
    delete f.FormDadosGerais;
    delete f.FormCadastro;
    delete f.DataModule1;
    delete f.FormPrincipal;
    f = Forms();
}

} // namespace korva
