// Start-up probes for korva-bench: each starts, shows its first window, and exits as soon as the
// window is on screen. Built the same way, so the pair compares Korva's start with Qt's floor.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#ifdef KORVA_PROBE
#include "common/QtDialogs.h"
#include "shell/Application.h"
#include "shell/TFormPrincipal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    korva::Application::prepare(app);
    korva::QtDialogs dialogs;
    korva::setDialogs(&dialogs);
    korva::Application korva;
    korva::forms().FormPrincipal->show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
#else
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(735, 414);
    window.setWindowTitle(QStringLiteral("Qt"));
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
#endif
