#pragma once

#include "Dialogs.h"

#include <QStringList>
#include <functional>

namespace korva {

// Answers dialogs from a queue, for tests and the scripted driver. Every dialog shown is
// reported to the observer; a dialog without a fitting answer calls the failure hook, which by
// default throws.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString kind; // information, question, confirmation, error, input, save
        QString caption;
        QString text;
    };
    // Answers: "yes", "no", "ok", "cancel", "text <TEXT>", "file <PATH>".
    void queue(const QString& answer) { answers_.append(answer); }
    bool hasAnswers() const { return !answers_.isEmpty(); }
    const QList<Shown>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

    std::function<void(const Shown&)> observer;
    std::function<void(const QString& problem)> failure;

    void information(const QString& text) override;
    bool yesNo(const QString& caption, const QString& text, bool defaultYes = true) override;
    bool confirm(const QString& text) override;
    QString input(const QString& caption, const QString& prompt, const QString& defaultText) override;
    QString saveFile(const QString& caption, const QString& filter, const QString& initialPath) override;
    void error(const QString& text) override;

    static QString errorCaption();
    static QString informationCaption();
    static QString confirmationCaption();

private:
    QString take(const Shown& shown, const QStringList& allowed);
    QStringList answers_;
    QList<Shown> shown_;
};

} // namespace korva
