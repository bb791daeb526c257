#include "Application.h"
#include "TFormPrincipal.h"
#include "common/KorvaError.h"
#include "common/QtDialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    korva::Application::prepare(app);
    korva::QtDialogs dialogs;
    korva::setDialogs(&dialogs);
    try {
        korva::Application korva;
        korva::forms().FormPrincipal->show();
        return app.exec();
    } catch (const korva::KorvaError& e) {
        // No database: the program does not start.
        dialogs.error(e.message());
        return 1;
    }
}
