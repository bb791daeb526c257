#include "QtDialogs.h"

#include "ScriptedDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace korva {

namespace {
QWidget* parentWindow() {
    return QApplication::activeWindow();
}
} // namespace

void QtDialogs::information(const QString& text) {
    QMessageBox::information(parentWindow(), ScriptedDialogs::informationCaption(), text);
}

bool QtDialogs::yesNo(const QString& caption, const QString& text, bool defaultYes) {
    return QMessageBox::question(parentWindow(), caption, text, QMessageBox::Yes | QMessageBox::No,
                                 defaultYes ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::confirm(const QString& text) {
    return QMessageBox::question(parentWindow(), ScriptedDialogs::confirmationCaption(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtDialogs::input(const QString& caption, const QString& prompt, const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parentWindow(), caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

QString QtDialogs::saveFile(const QString& caption, const QString& filter, const QString& initialPath) {
    return QFileDialog::getSaveFileName(parentWindow(), caption, initialPath, filter);
}

void QtDialogs::error(const QString& text) {
    QMessageBox::critical(parentWindow(), ScriptedDialogs::errorCaption(), text);
}

} // namespace korva
