#include "ScriptedDialogs.h"

#include <stdexcept>

namespace korva {

QString ScriptedDialogs::errorCaption() {
    return QStringLiteral("Erro");
}
QString ScriptedDialogs::informationCaption() {
    return QStringLiteral("Korva");
}
QString ScriptedDialogs::confirmationCaption() {
    return QStringLiteral("Confirmação");
}

QString ScriptedDialogs::take(const Shown& shown, const QStringList& allowed) {
    shown_.append(shown);
    if (observer)
        observer(shown);
    QString problem;
    if (answers_.isEmpty()) {
        problem = QStringLiteral("diálogo sem resposta: %1 \"%2\"").arg(shown.kind, shown.text);
    } else {
        const QString answer = answers_.takeFirst();
        const QString word = answer.section(QLatin1Char(' '), 0, 0);
        if (allowed.contains(word))
            return answer;
        problem = QStringLiteral("resposta '%1' não serve ao diálogo %2 \"%3\"")
                      .arg(answer, shown.kind, shown.text);
    }
    if (failure)
        failure(problem);
    throw std::runtime_error(problem.toStdString());
}

void ScriptedDialogs::information(const QString& text) {
    take({QStringLiteral("information"), informationCaption(), text}, {QStringLiteral("ok")});
}

bool ScriptedDialogs::yesNo(const QString& caption, const QString& text, bool /*defaultYes*/) {
    return take({QStringLiteral("question"), caption, text}, {QStringLiteral("yes"), QStringLiteral("no")}) ==
           QLatin1String("yes");
}

bool ScriptedDialogs::confirm(const QString& text) {
    return take({QStringLiteral("confirmation"), confirmationCaption(), text},
                {QStringLiteral("yes"), QStringLiteral("no")}) == QLatin1String("yes");
}

QString ScriptedDialogs::input(const QString& caption, const QString& prompt, const QString& defaultText) {
    const QString answer =
        take({QStringLiteral("input"), caption, prompt}, {QStringLiteral("text"), QStringLiteral("cancel")});
    if (answer == QLatin1String("cancel"))
        return defaultText;
    return answer.mid(5); // after "text "
}

QString ScriptedDialogs::saveFile(const QString& caption, const QString& filter, const QString& initialPath) {
    Q_UNUSED(filter);
    Q_UNUSED(initialPath);
    const QString answer = take({QStringLiteral("save"), caption, initialPath},
                                {QStringLiteral("file"), QStringLiteral("cancel")});
    if (answer == QLatin1String("cancel"))
        return {};
    return answer.mid(5);
}

void ScriptedDialogs::error(const QString& text) {
    take({QStringLiteral("error"), errorCaption(), text}, {QStringLiteral("ok")});
}

} // namespace korva
