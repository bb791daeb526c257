// korva-replay [--dir FOLDER] SCRIPT
//
// Runs the application offscreen from a script, one action a line, and prints what happened as
// JSON lines: every dialog shown, dumps of the tables and controls, inspected controls and
// refused actions. The language:
//   seed N                     seed the start-block generator
//   click W.C                  click a button, check box, radio button, link label or tab sheet
//   type W.C [TEXT]            focus the control, select all and type TEXT key by key (no text: clear)
//   set W.C TEXT               set the control's text from code
//   leave W.C                  move the focus out of the control (its exit handler runs)
//   choose W.C ITEM            choose ITEM of a combo box or lookup list
//   select W.C ROW COLUMN      make a grid cell current
//   answer yes|no|ok|cancel|text TEXT|file PATH   queue the answer to the next dialog
//   close W                    close a window by its frame
//   dump                       print every table's rows and every named control's text
//   inspect W.C                print one control's text and state (enabled, visible, checked, focus)
//   windows                    print the visible windows and the modal one, if any
// A control inside a composite one is named W.C.SUB (a navigator's nbFirst, nbPrior, nbNext, nbLast).
// Documents composed for the word processor are saved under FOLDER/documentos and reported as
// {"document": PATH} instead of being opened.
// An unanswered dialog, an unknown control or a malformed line stops the script with a clear
// message and a non-zero exit.

#include "Json.h"
#include "common/KorvaError.h"
#include "common/ScriptedDialogs.h"
#include "sampling/OdtWordProcessor.h"
#include "sampling/StartBlock.h"
#include "shell/Application.h"
#include "shell/TFormPrincipal.h"
#include "store/DataModule.h"
#include "store/Schema.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "common/Controls.h"
#include "common/DbControls.h"

using namespace korva;
using namespace korva::replay;

namespace {

void emitLine(const QString& json) {
    const QByteArray bytes = json.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void stop(const QString& message, int code = 2) {
    emitLine(JsonObject().addText(QStringLiteral("error"), message).str());
    std::fflush(stdout);
    std::_Exit(code);
}

QString dialogJson(const ScriptedDialogs::Shown& shown) {
    return JsonObject()
        .add(QStringLiteral("dialog"), JsonObject()
                                           .addText(QStringLiteral("kind"), shown.kind)
                                           .addText(QStringLiteral("caption"), shown.caption)
                                           .addText(QStringLiteral("text"), shown.text)
                                           .str())
        .str();
}

// The text a control shows.
QString controlText(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        return m->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* t = qobject_cast<QTabWidget*>(w))
        return t->tabText(t->currentIndex());
    if (auto* v = qobject_cast<QAbstractItemView*>(w))
        return v->currentIndex().isValid() ? v->currentIndex().data().toString() : QString();
    if (w->isWindow())
        return w->windowTitle();
    return {};
}

bool isInternal(const QWidget* w) {
    return w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"));
}

class Replay : public QObject {
public:
    Replay(Application& application, ScriptedDialogs& dialogs, QStringList lines)
        : app_(application), dialogs_(dialogs), lines_(std::move(lines)) {}

    void start() { scheduleStep(); }
    bool finished() const { return finished_; }

private:
    void step() {
        stepScheduled_ = false;
        flush();
        while (next_ < lines_.size()) {
            const QString line = lines_[next_++].trimmed();
            lineNumber_ = next_;
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            run(line);
            flush();
            // One action per turn of the event loop.
            scheduleStep();
            return;
        }
        if (finished_)
            return;
        finished_ = true;
        if (dialogs_.hasAnswers())
            stop(QStringLiteral("o roteiro terminou com respostas não usadas"), 4);
        QCoreApplication::exit(0);
    }

    void scheduleStep() {
        if (stepScheduled_)
            return;
        stepScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            // Not inside the event processing of another step (after a modal window closed).
            if (flushing_ > 0) {
                stepScheduled_ = false;
                scheduleStep();
                return;
            }
            step();
        });
    }

    // An action that opens a modal window returns only when the window closes: the script goes
    // on inside the window's own loop.
    void run(const QString& line) {
        const quint64 action = ++actions_;
        running_.append(action);
        watchForModal(action, QApplication::activeModalWidget());
        perform(line);
        running_.removeAll(action);
    }

    void watchForModal(quint64 action, QWidget* modalBefore) {
        QTimer::singleShot(0, this, [this, action, modalBefore] {
            if (running_.isEmpty() || running_.last() != action)
                return; // the action ended, or a later one runs inside a modal window
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != modalBefore)
                scheduleStep();
            else
                watchForModal(action, modalBefore);
        });
    }

    void flush() {
        ++flushing_;
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        --flushing_;
    }

    [[noreturn]] void fail(const QString& message) {
        stop(QStringLiteral("linha %1: %2").arg(lineNumber_).arg(message));
    }

    QWidget* window(const QString& name) {
        for (QWidget* w : app_.windows())
            if (w->objectName() == name)
                return w;
        fail(QStringLiteral("janela desconhecida: %1").arg(name));
    }

    // W.C, or W.C.SUB for a part of a composite control (a navigator's buttons).
    QWidget* control(const QString& path) {
        const QStringList parts = path.split(QLatin1Char('.'));
        QWidget* c = window(parts[0]);
        for (qsizetype i = 1; i < parts.size(); ++i) {
            c = c->findChild<QWidget*>(parts[i]);
            if (!c)
                fail(QStringLiteral("controle desconhecido: %1").arg(path));
        }
        return c;
    }

    // A user can reach only visible, enabled controls of a window not blocked by a modal one.
    bool reachable(const QString& path, QWidget* c) {
        QString reason;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && c->window() != modal)
            reason = QStringLiteral("janela modal aberta: %1").arg(modal->objectName());
        else if (!c->window()->isVisible())
            reason = QStringLiteral("janela oculta");
        else if (!c->isVisible())
            reason = QStringLiteral("controle oculto");
        else if (!c->isEnabled())
            reason = QStringLiteral("controle desabilitado");
        if (reason.isEmpty())
            return true;
        emitLine(JsonObject()
                     .addText(QStringLiteral("refused"), path)
                     .addText(QStringLiteral("reason"), reason)
                     .str());
        return false;
    }

    void focus(QWidget* c) {
        QWidget* w = c->window();
        if (QApplication::activeWindow() != w) {
            w->activateWindow();
            flush();
        }
        if (!c->hasFocus()) {
            c->setFocus(Qt::MouseFocusReason);
            flush();
        }
    }

    void perform(const QString& line) {
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        const QString target = rest.section(QLatin1Char(' '), 0, 0);
        const QString argument = line.section(QLatin1Char(' '), 2);
        if (verb == QLatin1String("seed")) {
            bool ok = false;
            const uint seed = rest.toUInt(&ok);
            if (!ok)
                fail(QStringLiteral("semente inválida: %1").arg(rest));
            sampling::StartBlockGenerator::instance().seed(seed);
        } else if (verb == QLatin1String("answer")) {
            static const QStringList simple{QStringLiteral("yes"), QStringLiteral("no"), QStringLiteral("ok"),
                                            QStringLiteral("cancel")};
            if (!simple.contains(rest) && !rest.startsWith(QLatin1String("text")) &&
                !rest.startsWith(QLatin1String("file ")))
                fail(QStringLiteral("resposta inválida: %1").arg(rest));
            if (rest.startsWith(QLatin1String("text")) && rest != QLatin1String("text") &&
                !rest.startsWith(QLatin1String("text ")))
                fail(QStringLiteral("resposta inválida: %1").arg(rest));
            dialogs_.queue(rest);
        } else if (verb == QLatin1String("click")) {
            click(target);
        } else if (verb == QLatin1String("type")) {
            type(target, argument);
        } else if (verb == QLatin1String("set")) {
            setText(target, argument);
        } else if (verb == QLatin1String("leave")) {
            leave(target);
        } else if (verb == QLatin1String("choose")) {
            choose(target, argument);
        } else if (verb == QLatin1String("select")) {
            select(target, argument);
        } else if (verb == QLatin1String("close")) {
            window(target)->close();
        } else if (verb == QLatin1String("dump")) {
            dump();
        } else if (verb == QLatin1String("inspect")) {
            inspect(target);
        } else if (verb == QLatin1String("windows")) {
            listWindows();
        } else {
            fail(QStringLiteral("ação desconhecida: %1").arg(verb));
        }
    }

    void click(const QString& path) {
        QWidget* c = control(path);
        // A tab sheet: choose its tab.
        if (auto* stack = qobject_cast<QStackedWidget*>(c->parentWidget())) {
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
                if (!reachable(path, tabs))
                    return;
                tabs->setCurrentWidget(c);
                return;
            }
        }
        if (!reachable(path, c))
            return;
        if (auto* b = qobject_cast<QAbstractButton*>(c)) {
            if (b->focusPolicy() != Qt::NoFocus)
                focus(b);
            b->click();
        } else if (auto* l = qobject_cast<LinkLabel*>(c)) {
            l->click();
        } else {
            fail(QStringLiteral("não se clica em %1").arg(path));
        }
    }

    void type(const QString& path, const QString& text) {
        QWidget* c = control(path);
        if (!reachable(path, c))
            return;
        focus(c);
        if (auto* e = qobject_cast<QLineEdit*>(c))
            e->selectAll();
        else if (auto* m = qobject_cast<QPlainTextEdit*>(c))
            m->selectAll();
        else if (auto* b = qobject_cast<QComboBox*>(c); b && b->lineEdit())
            b->lineEdit()->selectAll();
        else
            fail(QStringLiteral("não se digita em %1").arg(path));
        if (text.isEmpty())
            QTest::keyClick(c, Qt::Key_Backspace);
        else
            QTest::keyClicks(c, text);
    }

    void setText(const QString& path, const QString& text) {
        QWidget* c = control(path);
        if (auto* e = qobject_cast<QLineEdit*>(c))
            e->setText(text);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(c))
            m->setPlainText(text);
        else if (auto* b = qobject_cast<QComboBox*>(c); b && b->isEditable())
            b->setEditText(text);
        else if (auto* l = qobject_cast<QLabel*>(c))
            l->setText(text);
        else
            fail(QStringLiteral("não se define o texto de %1").arg(path));
    }

    void leave(const QString& path) {
        QWidget* c = control(path);
        if (!reachable(path, c))
            return;
        focus(c);
        c->clearFocus();
    }

    void choose(const QString& path, const QString& item) {
        QWidget* c = control(path);
        auto* box = qobject_cast<QComboBox*>(c);
        if (!box)
            fail(QStringLiteral("%1 não é uma lista").arg(path));
        if (!reachable(path, c))
            return;
        const int index = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            fail(QStringLiteral("%1 não oferece '%2'").arg(path, item));
        focus(c);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    void select(const QString& path, const QString& argument) {
        QWidget* c = control(path);
        auto* view = qobject_cast<QAbstractItemView*>(c);
        if (!view || !view->model())
            fail(QStringLiteral("%1 não é uma grade").arg(path));
        bool okRow = false;
        bool okColumn = false;
        const int row = argument.section(QLatin1Char(' '), 0, 0).toInt(&okRow);
        const int column = argument.section(QLatin1Char(' '), 1, 1).toInt(&okColumn);
        if (!okRow || !okColumn)
            fail(QStringLiteral("linha e coluna inválidas: %1").arg(argument));
        if (!reachable(path, c))
            return;
        focus(view);
        const QModelIndex index = view->model()->index(row, column);
        if (!index.isValid())
            fail(QStringLiteral("célula inexistente: %1 %2").arg(row).arg(column));
        view->setCurrentIndex(index);
    }

    void dump() {
        JsonObject tables;
        QSqlDatabase db = forms().DataModule1->ADOConnection1->database();
        for (const auto& t : store::tables()) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(store::quoted(t.name))))
                fail(QStringLiteral("não foi possível ler %1").arg(t.name));
            const bool reference =
                t.name == QLatin1String("EstadosDoBrasil") || t.name == QStringLiteral("MunicípiosDoBrasil");
            if (reference) {
                int n = 0;
                while (q.next())
                    ++n;
                tables.add(t.name, JsonObject().add(QStringLiteral("rows"), QString::number(n)).str());
                continue;
            }
            QStringList rows;
            const QSqlRecord rec = q.record();
            while (q.next()) {
                JsonObject row;
                for (int i = 0; i < rec.count(); ++i)
                    row.add(rec.fieldName(i), jsonValue(q.value(i)));
                rows << row.str();
            }
            tables.add(t.name, jsonArray(rows));
        }
        JsonObject controls;
        JsonObject windows;
        for (QWidget* w : app_.windows()) {
            windows.add(w->objectName(), JsonObject()
                                             .addText(QStringLiteral("caption"), w->windowTitle())
                                             .add(QStringLiteral("visible"), jsonValue(w->isVisible()))
                                             .str());
            for (QWidget* c : w->findChildren<QWidget*>()) {
                if (!isInternal(c))
                    controls.addText(w->objectName() + QLatin1Char('.') + c->objectName(), controlText(c));
            }
        }
        emitLine(JsonObject()
                     .add(QStringLiteral("dump"), JsonObject()
                                                      .add(QStringLiteral("tables"), tables.str())
                                                      .add(QStringLiteral("controls"), controls.str())
                                                      .add(QStringLiteral("windows"), windows.str())
                                                      .str())
                     .str());
    }

    void inspect(const QString& path) {
        QWidget* c = control(path);
        JsonObject o;
        o.addText(QStringLiteral("control"), path)
            .addText(QStringLiteral("text"), controlText(c))
            .add(QStringLiteral("enabled"), jsonValue(c->isEnabled()))
            .add(QStringLiteral("visible"), jsonValue(c->isVisible()))
            .add(QStringLiteral("focus"), jsonValue(c->hasFocus()));
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && b->isCheckable())
            o.add(QStringLiteral("checked"), jsonValue(b->isChecked()));
        if (auto* e = qobject_cast<QLineEdit*>(c))
            o.add(QStringLiteral("readOnly"), jsonValue(e->isReadOnly()));
        if (auto* box = qobject_cast<QComboBox*>(c)) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << jsonString(box->itemText(i));
            o.add(QStringLiteral("items"), jsonArray(items));
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(c); view && view->model()) {
            QStringList rows;
            for (int r = 0; r < view->model()->rowCount(); ++r) {
                QStringList cells;
                for (int col = 0; col < view->model()->columnCount(); ++col)
                    cells << jsonString(view->model()->index(r, col).data().toString());
                rows << jsonArray(cells);
            }
            o.add(QStringLiteral("rows"), jsonArray(rows));
        }
        emitLine(o.str());
    }

    void listWindows() {
        QStringList visible;
        for (QWidget* w : app_.windows())
            if (w->isVisible())
                visible << jsonString(w->objectName());
        QWidget* modal = QApplication::activeModalWidget();
        emitLine(JsonObject()
                     .add(QStringLiteral("windows"), jsonArray(visible))
                     .add(QStringLiteral("modal"),
                          modal ? jsonString(modal->objectName()) : QStringLiteral("null"))
                     .str());
    }

    Application& app_;
    ScriptedDialogs& dialogs_;
    QStringList lines_;
    qsizetype next_ = 0;
    qsizetype lineNumber_ = 0;
    bool finished_ = false;
    bool stepScheduled_ = false;
    int flushing_ = 0;
    quint64 actions_ = 0;
    QList<quint64> running_; // actions under way, the innermost last
};

QStringList readScript(const QString& path) {
    QByteArray bytes;
    if (path == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            stop(QStringLiteral("não foi possível ler a entrada padrão"));
        bytes = in.readAll();
    } else {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            stop(QStringLiteral("não foi possível ler o roteiro %1").arg(path));
        bytes = in.readAll();
    }
    return QString::fromUtf8(bytes).split(QLatin1Char('\n'));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QStringList args = qapp.arguments().mid(1);
    QString folder;
    if (args.size() >= 2 && args[0] == QLatin1String("--dir")) {
        folder = args[1];
        args = args.mid(2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "uso: korva-replay [--dir PASTA] ROTEIRO\n");
        return 2;
    }
    const QStringList lines = readScript(args[0]);
    if (!folder.isEmpty() && !QDir::setCurrent(folder))
        stop(QStringLiteral("pasta inexistente: %1").arg(folder));

    Application::prepare(qapp);
    ScriptedDialogs dialogs;
    dialogs.observer = [](const ScriptedDialogs::Shown& shown) { emitLine(dialogJson(shown)); };
    dialogs.failure = [](const QString& problem) { stop(problem, 3); };
    setDialogs(&dialogs);
    // Documents for the word processor are saved in the folder's "documentos" and reported, not opened.
    const QString documents = QDir::current().filePath(QStringLiteral("documentos"));
    sampling::wordProcessorFactory() = [documents] {
        return std::make_unique<sampling::OdtWordProcessor>(documents, QStringLiteral("quarteiroes"), false);
    };
    sampling::OdtWordProcessor::savedObserver() = [](const QString& path) {
        emitLine(JsonObject().addText(QStringLiteral("document"), path).str());
    };

    try {
        Application application;
        forms().FormPrincipal->show();
        Replay replay(application, dialogs, lines);
        replay.start();
        const int code = qapp.exec();
        if (!replay.finished())
            emitLine(JsonObject()
                         .addText(QStringLiteral("ended"), QStringLiteral("o programa foi encerrado"))
                         .str());
        return code;
    } catch (const KorvaError& e) {
        // The program does not start without its database: the error box, then a non-zero end.
        emitLine(dialogJson({QStringLiteral("error"), ScriptedDialogs::errorCaption(), e.message()}));
        return 1;
    }
}
