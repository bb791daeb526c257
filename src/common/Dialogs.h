#pragma once

#include <QString>

namespace korva {

// The dialogs handlers use. The application shows Qt's dialogs (Portuguese captions from the
// platform); tests and the scripted driver answer from a queue.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information box with OK.
    virtual void information(const QString& text) = 0;
    // Message box with a caption and the buttons Yes and No; true for Yes. `defaultYes` false makes
    // No the button Enter presses (for questions that destroy data).
    virtual bool yesNo(const QString& caption, const QString& text, bool defaultYes = true) = 0;
    // Confirmation with a question icon and Yes/No; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // Input box: the typed text on OK, the default text on Cancel.
    virtual QString input(const QString& caption, const QString& prompt, const QString& defaultText) = 0;
    // Save-file dialog: the chosen path, or empty when cancelled.
    virtual QString saveFile(const QString& caption, const QString& filter, const QString& initialPath) = 0;
    // The standard error box.
    virtual void error(const QString& text) = 0;
};

Dialogs& dialogs();
void setDialogs(Dialogs* dialogs);

} // namespace korva
