// The printout of the blocks to work: the word-processor calls composed for the current
// neighbourhood and for the whole stratum, recorded in process over a survey stored beforehand;
// the print boxes and button; and one real OpenDocument file saved by the scripted driver.

#include "common/ScriptedDialogs.h"
#include "fixture/Fixture.h"
#include "fixture/Replay.h"
#include "sampling/DefQuartPage.h"
#include "sampling/WordProcessor.h"
#include "shell/Application.h"
#include "shell/TFormDadosGerais.h"
#include "store/DataModule.h"

#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "common/Controls.h"

using namespace korva;

namespace {

const QString kCampinas = QStringLiteral(
    "INSERT INTO Cadastro VALUES (3509502, 'Campinas', 'SP', 350000, 'Janeiro de 2012', '2012')");
const QString kCentroList = QStringLiteral("3  -  7  -  12  -  16");

// Records the calls, a paragraph break shown as <CR>.
class Recorder : public sampling::WordProcessor {
public:
    explicit Recorder(QStringList& log) : log_(log) {}
    void AppShow() override { log_ << QStringLiteral("AppShow"); }
    void FileNew() override { log_ << QStringLiteral("FileNew"); }
    void FontSize(int points) override { log_ << QStringLiteral("FontSize %1").arg(points); }
    void Bold() override { log_ << QStringLiteral("Bold"); }
    void Insert(const QString& text) override {
        log_ << QStringLiteral("Insert ") + QString(text).replace(QLatin1Char('\r'), QStringLiteral("<CR>"));
    }
    void Release() override { log_ << QStringLiteral("Release"); }

private:
    QStringList& log_;
};

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}
QString rule(int n) {
    return QString(n, QLatin1Char('_'));
}

QStringList header(int rule1, int rule2, const QString& stratum) {
    return {QStringLiteral("AppShow"),
            QStringLiteral("FileNew"),
            QStringLiteral("FontSize 12"),
            QStringLiteral("Bold"),
            QStringLiteral("Insert ORV - Tessaly"),
            QStringLiteral("FontSize 6"),
            QStringLiteral("Insert <CR>") + rule(rule1),
            QStringLiteral("FontSize 18"),
            QStringLiteral("Insert <CR><CR>") + blanks(45) + QStringLiteral("Korva  "),
            QStringLiteral("Insert <CR><CR>"),
            QStringLiteral("Bold"),
            QStringLiteral("FontSize 14"),
            QStringLiteral("Insert Campinas (SP)"),
            QStringLiteral("FontSize 6"),
            QStringLiteral("Insert <CR>") + rule(rule2),
            QStringLiteral("Insert <CR><CR><CR><CR>"),
            QStringLiteral("Bold"),
            QStringLiteral("FontSize 13"),
            QStringLiteral("Insert ") + blanks(63) + QStringLiteral("Estrato ") + stratum};
}

QStringList neighbourhood(const QString& name, const QString& blocks, const QString& count,
                          const QString& list) {
    return {QStringLiteral("Insert <CR><CR>"),
            QStringLiteral("Insert Bairro :   ") + name + blanks(12) +
                QStringLiteral("N° de quarteirões : ") + blocks,
            QStringLiteral("Insert <CR><CR>"),
            QStringLiteral("Insert Quarteirões a trabalhar : ") + count,
            QStringLiteral("Insert <CR><CR>"),
            QStringLiteral("Insert ") + list};
}

// The paragraphs of an OpenDocument content.xml, each "text|size[ bold]" of its first span, white
// space read the way office suites read it.
QStringList paragraphs(const QByteArray& xml) {
    QXmlStreamReader x(xml);
    QHash<QString, QString> styles;
    QString style;
    QStringList out;
    QString text;
    QString span;
    bool inParagraph = false;
    static const QRegularExpression space(QStringLiteral("[ \t\r\n]+"));
    while (!x.atEnd()) {
        x.readNext();
        const auto name = x.qualifiedName();
        if (x.isStartElement()) {
            const QXmlStreamAttributes a = x.attributes();
            if (name == QLatin1String("style:style")) {
                style = a.value(QStringLiteral("style:name")).toString();
            } else if (name == QLatin1String("style:text-properties")) {
                QString s = a.value(QStringLiteral("fo:font-size")).toString();
                if (a.value(QStringLiteral("fo:font-weight")) == QLatin1String("bold"))
                    s += QStringLiteral(" bold");
                styles[style] = s;
            } else if (name == QLatin1String("text:p")) {
                inParagraph = true;
                text.clear();
                span.clear();
            } else if (name == QLatin1String("text:span") && span.isEmpty()) {
                span = a.value(QStringLiteral("text:style-name")).toString();
            } else if (name == QLatin1String("text:s")) {
                const auto c = a.value(QStringLiteral("text:c"));
                text += blanks(c.isEmpty() ? 1 : c.toInt());
            }
        } else if (x.isCharacters() && inParagraph) {
            QString t = x.text().toString().replace(space, QStringLiteral(" "));
            if (text.isEmpty() && t.startsWith(QLatin1Char(' ')))
                t.remove(0, 1);
            text += t;
        } else if (x.isEndElement() && name == QLatin1String("text:p")) {
            out << (span.isEmpty() ? text : text + QLatin1Char('|') + styles.value(span));
            inParagraph = false;
        }
    }
    return out;
}

} // namespace

class TestPrintout : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDatabase> db_;
    std::unique_ptr<Application> app_;
    ScriptedDialogs dialogs_;
    QStringList log_;
    int documents_ = 0;

    DefQuartPage& page() { return *forms().FormDadosGerais->defQuart; }

private slots:
    // Stratum 1 with two neighbourhoods picked, stratum 2 without any.
    void initTestCase() {
        db_ = std::make_unique<test::TempDatabase>();
        test::sqlExec(kCampinas);
        test::sqlExec(QStringLiteral(
            "INSERT INTO PlanoAmostral VALUES (3509502, 1, 10000, 431, 400, 25, 86, 21.5, 4.65116, 3), "
            "(3509502, 2, 8100, 426, 300, 27, 79, 26.3, 3.79747, 2)"));
        test::sqlExec(QStringLiteral("INSERT INTO DefinicaoQuart VALUES "
                                     "(1, 1, 'Centro', '20', 'Quarteirões a trabalhar', 4, '%1'), "
                                     "(1, 2, 'Vila', '3', 'Quarteirões a trabalhar', 1, '2')")
                          .arg(kCentroList));
        Application::prepare(*qApp);
        setDialogs(&dialogs_);
        app_ = std::make_unique<Application>();
        sampling::wordProcessorFactory() = [this] {
            ++documents_;
            return std::make_unique<Recorder>(log_);
        };
    }
    void cleanupTestCase() {
        sampling::wordProcessorFactory() = nullptr;
        app_.reset();
        setDialogs(nullptr);
        db_.reset();
    }
    void init() {
        log_.clear();
        documents_ = 0;
        dm().ADOTablePlanoAmostral->first();
        dm().ADOTableDefQuart->first();
    }
    void cleanup() { QVERIFY(!dialogs_.hasAnswers()); }

    void currentNeighbourhood() {
        QVERIFY(!page().SpBtnImprimirDefQuart->isEnabled());
        page().CheckBox2->click();
        QVERIFY(page().SpBtnImprimirDefQuart->isEnabled());
        page().SpBtnImprimirDefQuart->click();
        QCOMPARE(documents_, 1);
        QCOMPARE(log_, header(96, 72, QStringLiteral("1")) +
                           neighbourhood(QStringLiteral("Centro"), QStringLiteral("20"), QStringLiteral("4"),
                                         kCentroList) +
                           QStringList{QStringLiteral("Release")});
        QVERIFY(!page().CheckBox1->isChecked());
        QVERIFY(!page().CheckBox2->isChecked());
        QVERIFY(!page().SpBtnImprimirDefQuart->isEnabled());
    }

    void wholeStratum() {
        dm().ADOTableDefQuart->last(); // printing starts from the first row whatever is shown
        page().CheckBox1->click();
        page().SpBtnImprimirDefQuart->click();
        const QStringList gap{QStringLiteral("Insert <CR><CR><CR>")};
        QCOMPARE(documents_, 1);
        QCOMPARE(log_, header(101, 79, QStringLiteral("1")) +
                           neighbourhood(QStringLiteral("Centro"), QStringLiteral("20"), QStringLiteral("4"),
                                         kCentroList) +
                           gap +
                           neighbourhood(QStringLiteral("Vila"), QStringLiteral("3"), QStringLiteral("1"),
                                         QStringLiteral("2")) +
                           gap + QStringList{QStringLiteral("Release")});
        QVERIFY(!page().CheckBox1->isChecked());
        QVERIFY(!page().SpBtnImprimirDefQuart->isEnabled());
    }

    // A stratum without neighbourhoods prints the header only, with no stratum number to show.
    void stratumWithoutNeighbourhoods() {
        dm().ADOTablePlanoAmostral->last();
        QCOMPARE(dm().ADOTableDefQuart->rowCount(), 0);
        page().CheckBox1->click();
        page().SpBtnImprimirDefQuart->click();
        QCOMPARE(log_, header(101, 79, QString()) + QStringList{QStringLiteral("Release")});
    }

    // The boxes exclude each other; with neither checked nothing is composed.
    void oneBoxAtATime() {
        page().CheckBox1->click();
        page().CheckBox2->click();
        QVERIFY(!page().CheckBox1->isChecked());
        QVERIFY(page().CheckBox2->isChecked());
        page().CheckBox1->click();
        QVERIFY(page().CheckBox1->isChecked());
        QVERIFY(!page().CheckBox2->isChecked());
        page().SpBtnImprimirDefQuart->click();
        QCOMPARE(documents_, 1);
        QCOMPARE(log_.value(6), QStringLiteral("Insert <CR>") + rule(101));

        log_.clear();
        page().SpBtnImprimirDefQuartClick();
        QCOMPARE(documents_, 1);
        QVERIFY(log_.isEmpty());
        QVERIFY(!page().SpBtnImprimirDefQuart->isEnabled());
    }

    // The document the driver saves for the current neighbourhood: its paragraphs, sizes and bold.
    void savedDocument() {
        const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
        if (unzip.isEmpty())
            QSKIP("no unzip to open the document with");
        test::TempDatabase db;
        test::sqlExec(kCampinas);
        const auto r = test::replay(QStringLiteral("seed 7\n"
                                                   "click TFormPrincipal.SpBtnEntrar\n"
                                                   "click TFormDadosGerais.SpBtnPlanAmostralNovo\n"
                                                   "type TFormDadosGerais.DBEditNumImvEstrato 10000\n"
                                                   "leave TFormDadosGerais.DBEditNumImvEstrato\n"
                                                   "type TFormDadosGerais.DBEditNumQuartEstrato 400\n"
                                                   "answer text 1\n"
                                                   "leave TFormDadosGerais.DBEditNumQuartEstrato\n"
                                                   "click TFormDadosGerais.SpBtnPlanAmostralGravar\n"
                                                   "set TFormDadosGerais.DBEditQuartInicial 3\n"
                                                   "click TFormDadosGerais.TabSheetDefQuart\n"
                                                   "click TFormDadosGerais.SpBtnDefQuartNovo\n"
                                                   "type TFormDadosGerais.DBEditBairro Centro\n"
                                                   "type TFormDadosGerais.DBEditQuart 20\n"
                                                   "click TFormDadosGerais.SpBtnCalculoQuart\n"
                                                   "click TFormDadosGerais.CheckBox2\n"
                                                   "click TFormDadosGerais.SpBtnImprimirDefQuart\n"));
        QVERIFY2(r.exitCode == 0 && r.withKey(QStringLiteral("error")).isEmpty(), qPrintable(r.transcript()));
        const auto saved = r.withKey(QStringLiteral("document"));
        QCOMPARE(saved.size(), 1);
        const QString path = saved.first().value(QStringLiteral("document")).toString();
        QVERIFY2(path.endsWith(QLatin1String(".odt")) && QFile::exists(path), qPrintable(path));

        QProcess p;
        p.start(unzip, {QStringLiteral("-p"), path, QStringLiteral("content.xml")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray xml = p.readAllStandardOutput();
        const QString bold13 = QStringLiteral("|13pt bold");
        QCOMPARE(
            paragraphs(xml),
            (QStringList{QStringLiteral("ORV - Tessaly|12pt bold"), rule(96) + QStringLiteral("|6pt bold"),
                         QString(), blanks(45) + QStringLiteral("Korva  |18pt bold"), QString(),
                         QStringLiteral("Campinas (SP)|14pt"), rule(72) + QStringLiteral("|6pt"), QString(),
                         QString(), QString(), blanks(63) + QStringLiteral("Estrato 1") + bold13, QString(),
                         QStringLiteral("Bairro :   Centro") + blanks(12) +
                             QStringLiteral("N° de quarteirões : 20") + bold13,
                         QString(), QStringLiteral("Quarteirões a trabalhar : 4") + bold13, QString(),
                         kCentroList + bold13}));
        // Every run of text names its font.
        QVERIFY2(!xml.contains("fo:font-family=\"\""), xml.constData());
    }
};

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"
