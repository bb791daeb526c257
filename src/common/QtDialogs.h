#pragma once

#include "Dialogs.h"

namespace korva {

// The dialogs of the running application, drawn by Qt (button captions translated by Qt).
class QtDialogs : public Dialogs {
public:
    void information(const QString& text) override;
    bool yesNo(const QString& caption, const QString& text, bool defaultYes = true) override;
    bool confirm(const QString& text) override;
    QString input(const QString& caption, const QString& prompt, const QString& defaultText) override;
    QString saveFile(const QString& caption, const QString& filter, const QString& initialPath) override;
    void error(const QString& text) override;
};

} // namespace korva
