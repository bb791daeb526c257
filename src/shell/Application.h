#pragma once

#include "Forms.h"

#include <QList>

class QWidget;
class QApplication;

namespace korva {

// Start-up: creates the main window, the data module and the other nine windows, in that order,
// all hidden. Throws KorvaError (the database layer's message) when the database cannot be opened.
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Every window in creation order.
    QList<QWidget*> windows() const;

    // Qt's Portuguese translations, the font stand-ins and the application's identity.
    static void prepare(QApplication& app);

private:
    void destroy();
};

} // namespace korva
