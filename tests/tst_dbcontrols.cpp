// The data-aware controls against the registration table: showing and following the current
// row, starting edits by typing, texts set from code, leaving a control, numeric keys and lookup
// lists with their master link.

#include "common/DbControls.h"
#include "common/ScriptedDialogs.h"
#include "fixture/Fixture.h"
#include "store/DataModule.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>

using namespace korva;
using store::Cursor;

namespace {

const char* const kCampinas =
    "INSERT INTO Cadastro VALUES (3509502, 'Campinas', 'SP', 350000, '01/03 a 15/03', '2012')";
const char* const kNiteroi =
    "INSERT INTO Cadastro VALUES (3303302, 'Niterói', 'RJ', 1200, '02/05 a 20/05', '2011')";

} // namespace

class TestDbControls : public QObject {
    Q_OBJECT
    ScriptedDialogs dialogs;
    std::unique_ptr<test::TempDatabase> db;
    std::unique_ptr<store::TDataModule1> dm;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<QWidget> other;
    DBEdit* mun = nullptr;
    DBEdit* total = nullptr;
    DBText* label = nullptr;
    DBMemo* period = nullptr;
    DBComboBox* year = nullptr;
    DBLookupComboBox* uf = nullptr;
    DBLookupComboBox* city = nullptr;

    Cursor* cadastro() const { return dm->ADOTableCadastro; }

    // The database with these rows, and a shown, active window of controls bound to it.
    void open(std::initializer_list<const char*> rows = {}) {
        for (const char* sql : rows)
            test::sqlExec(QString::fromUtf8(sql));
        dm = std::make_unique<store::TDataModule1>();
        window = std::make_unique<QWidget>();
        window->setObjectName(QStringLiteral("window"));
        auto* layout = new QVBoxLayout(window.get());
        mun = new DBEdit;
        total = new DBEdit;
        label = new DBText;
        period = new DBMemo;
        year = new DBComboBox;
        year->addItems({QStringLiteral("2010"), QStringLiteral("2011"), QStringLiteral("2012")});
        uf = new DBLookupComboBox;
        city = new DBLookupComboBox;
        for (QWidget* w : std::initializer_list<QWidget*>{mun, total, label, period, year, uf, city})
            layout->addWidget(w);
        mun->bind(dm->DataSourceCadastro, QStringLiteral("Municipio"));
        total->bind(dm->DataSourceCadastro, QStringLiteral("TotalDeImoveisNoMunicipio"));
        label->bind(dm->DataSourceCadastro, QStringLiteral("Municipio"));
        period->bind(dm->DataSourceCadastro, QStringLiteral("PeriodoDeExecucao"));
        year->bind(dm->DataSourceCadastro, QStringLiteral("Ano"));
        uf->setListSource(dm->DataSourceEstados, QStringLiteral("Estado"));
        uf->bind(dm->DataSourceCadastro, QStringLiteral("UF"));
        city->setListSource(dm->DataSourceMunicipios, QStringLiteral("Municipio"));
        city->bind(dm->DataSourceCadastro, QStringLiteral("Municipio"));
        other = std::make_unique<QWidget>();
        new QLineEdit(other.get());
        other->move(600, 0);
        other->show();
        window->show();
        activate(window.get());
    }

    static void activate(QWidget* w) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    // The typed controls by name: widget, column and the text it shows.
    struct Bound {
        QWidget* widget;
        const char* column;
        std::function<QString()> text;
        std::function<void(const QString&)> setText;
    };
    Bound bound(const QString& name) {
        if (name == QLatin1String("DBEdit"))
            return {mun, "Municipio", [this] { return mun->text(); },
                    [this](const QString& t) { mun->setText(t); }};
        if (name == QLatin1String("DBMemo"))
            return {period, "PeriodoDeExecucao", [this] { return period->text(); },
                    [this](const QString& t) { period->setText(t); }};
        return {year, "Ano", [this] { return year->currentText(); },
                [this](const QString& t) { year->setEditText(t); }};
    }

    static void typeInto(QWidget* w, const QString& text) {
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, text);
    }

    static QVariant stored(const char* column) {
        return test::sqlValue(QStringLiteral("SELECT \"%1\" FROM Cadastro").arg(QLatin1String(column)));
    }

    static void addControls() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("DBEdit") << QStringLiteral("DBEdit") << QStringLiteral("Valinhos");
        QTest::newRow("DBMemo") << QStringLiteral("DBMemo") << QStringLiteral("10/06 a 30/06");
        QTest::newRow("DBComboBox") << QStringLiteral("DBComboBox") << QStringLiteral("2014");
    }

private slots:
    void initTestCase() { setDialogs(&dialogs); }
    void init() {
        dialogs.clearShown();
        db = std::make_unique<test::TempDatabase>();
    }
    void cleanup() {
        QVERIFY2(dialogs.shown().isEmpty(), qPrintable(dialogs.shown().value(0).text));
        other.reset();
        window.reset();
        dm.reset();
        db.reset();
    }

    void controlsShowTheCurrentRowAndFollowMoves() {
        open({kCampinas, kNiteroi});
        const struct {
            const char *municipio, *total, *period, *year, *uf;
        } rows[] = {{"Campinas", "350000", "01/03 a 15/03", "2012", "SP"},
                    {"Niterói", "1200", "02/05 a 20/05", "2011", "RJ"}};
        for (int r : {0, 1, 0}) {
            cadastro()->setRecNo(r + 1);
            const auto& row = rows[r];
            QCOMPARE(mun->text(), QString::fromUtf8(row.municipio));
            QCOMPARE(label->text(), QString::fromUtf8(row.municipio));
            QCOMPARE(total->text(), QString::fromUtf8(row.total));
            QCOMPARE(period->text(), QString::fromUtf8(row.period));
            QCOMPARE(year->currentText(), QString::fromUtf8(row.year));
            QCOMPARE(uf->currentText(), QString::fromUtf8(row.uf));
            QCOMPARE(city->currentText(), QString::fromUtf8(row.municipio));
            // The lists' cursors follow: the state, and through the master link its municipalities.
            QCOMPARE(dm->ADOTableEstados->asText("Estado"), QString::fromUtf8(row.uf));
            QCOMPARE(dm->ADOTableMunicipios->asText("UF"), QString::fromUtf8(row.uf));
            QCOMPARE(dm->ADOTableMunicipios->asText("Municipio"), QString::fromUtf8(row.municipio));
        }
        QCOMPARE(cadastro()->state(), Cursor::State::Browse);
    }

    void typingStartsAnEdit_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("empty");
        for (const char* c : {"DBEdit", "DBMemo", "DBComboBox"}) {
            QTest::addRow("%s, empty table", c) << QString::fromLatin1(c) << true;
            QTest::addRow("%s, stored row", c) << QString::fromLatin1(c) << false;
        }
    }
    void typingStartsAnEdit() {
        QFETCH(QString, control);
        QFETCH(bool, empty);
        if (empty)
            open();
        else
            open({kCampinas});
        const Bound b = bound(control);
        typeInto(b.widget, QStringLiteral("2015"));
        QCOMPARE(cadastro()->state(), empty ? Cursor::State::Insert : Cursor::State::Edit);
        QCOMPARE(b.text(), QStringLiteral("2015"));
        cadastro()->post();
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM Cadastro").toInt(), 1);
        QCOMPARE(stored(b.column).toString(), QStringLiteral("2015"));
    }

    void textSetFromCodeIsStoredWhileEditing_data() { addControls(); }
    void textSetFromCodeIsStoredWhileEditing() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        open({kCampinas});
        const Bound b = bound(control);
        cadastro()->edit();
        b.setText(text);
        QCOMPARE(cadastro()->state(), Cursor::State::Edit);
        cadastro()->post();
        QCOMPARE(stored(b.column).toString(), text);
        QCOMPARE(b.text(), text);
    }

    // While browsing, a text set from code stays in the control only: the next edit shows the
    // stored value again.
    void textSetWhileBrowsingIsDiscardedAtTheNextEdit_data() { addControls(); }
    void textSetWhileBrowsingIsDiscardedAtTheNextEdit() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        open({kCampinas});
        const Bound b = bound(control);
        const QString before = b.text();
        b.setText(text);
        QCOMPARE(cadastro()->state(), Cursor::State::Browse);
        cadastro()->edit();
        QCOMPARE(b.text(), before);
        cadastro()->post();
        QCOMPARE(stored(b.column).toString(), before);
    }

    void leavingWritesThePendingRow_data() { addControls(); }
    void leavingWritesThePendingRow() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        open();
        const Bound b = bound(control);
        std::unique_ptr<QSignalSpy> exited; // the combo box has no exit signal
        if (b.widget->metaObject()->indexOfSignal("exited()") >= 0)
            exited = std::make_unique<QSignalSpy>(b.widget, SIGNAL(exited()));
        typeInto(b.widget, text);
        QVERIFY(cadastro()->isNull(b.column));
        total->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(cadastro()->asText(b.column), text);
        QCOMPARE(cadastro()->state(), Cursor::State::Insert); // pending, not stored
        QCOMPARE(test::sqlValue("SELECT COUNT(*) FROM Cadastro").toInt(), 0);
        if (exited)
            QCOMPARE(exited->count(), 1);
    }

    void focusLostToAnotherWindowIsNotLeaving() {
        open();
        QSignalSpy exited(mun, &DBEdit::exited);
        typeInto(mun, QStringLiteral("Campinas"));
        activate(other.get());
        QCoreApplication::processEvents();
        QCOMPARE(exited.count(), 0);
        QVERIFY(cadastro()->isNull("Municipio"));
        activate(window.get());
        QVERIFY(mun->hasFocus());
        total->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(exited.count(), 1);
        QCOMPARE(cadastro()->asText("Municipio"), QStringLiteral("Campinas"));
    }

    void numericColumnsRefuseLetters() {
        open();
        typeInto(total, QStringLiteral("12ab3"));
        QCOMPARE(total->text(), QStringLiteral("123"));
        typeInto(mun, QStringLiteral("ab12"));
        QCOMPARE(mun->text(), QStringLiteral("ab12"));
        cadastro()->post();
        QCOMPARE(stored("TotalDeImoveisNoMunicipio").toInt(), 123);
    }

    // Choosing writes the key (starting the row) and moves the list cursor; the municipality
    // list then holds exactly the chosen state's municipalities.
    void lookupChoiceWritesTheKeyAndMovesTheList() {
        open();
        const auto choose = [](DBLookupComboBox* box, const QString& item) {
            const int index = box->findText(item);
            QVERIFY2(index >= 0, qPrintable(item));
            box->setCurrentIndex(index);
            emit box->activated(index);
        };
        choose(uf, QStringLiteral("SP"));
        QCOMPARE(cadastro()->state(), Cursor::State::Insert);
        QCOMPARE(cadastro()->asText("UF"), QStringLiteral("SP"));
        QCOMPARE(dm->ADOTableEstados->asText("Estado"), QStringLiteral("SP"));
        const int inSp =
            test::sqlValue("SELECT COUNT(*) FROM \"MunicípiosDoBrasil\" WHERE UF = 'SP'").toInt();
        QCOMPARE(dm->ADOTableMunicipios->rowCount(), inSp);
        QCOMPARE(city->count(), inSp);
        QVERIFY(city->findText(QStringLiteral("Campinas")) >= 0);
        QCOMPARE(city->findText(QStringLiteral("Niterói")), -1);

        choose(city, QStringLiteral("Campinas"));
        QCOMPARE(cadastro()->asText("Municipio"), QStringLiteral("Campinas"));
        QCOMPARE(dm->ADOTableMunicipios->asText("CodigoMunicipio"), QStringLiteral("3509502"));
        QCOMPARE(mun->text(), QStringLiteral("Campinas"));
        QCOMPARE(label->text(), QStringLiteral("Campinas"));
        cadastro()->post();
        QCOMPARE(stored("UF").toString(), QStringLiteral("SP"));
        QCOMPARE(stored("Municipio").toString(), QStringLiteral("Campinas"));
    }
};

QTEST_MAIN(TestDbControls)
#include "tst_dbcontrols.moc"
