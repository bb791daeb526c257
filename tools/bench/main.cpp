// korva-bench: timings of the data layer against plain SQLite on the same file, as ratios.
// Run on demand; it is not a test.

#include "common/ScriptedDialogs.h"
#include "sampling/PlanoAmostralPage.h"
#include "shell/Application.h"
#include "shell/TFormDadosGerais.h"
#include "store/DataModule.h"
#include "store/DatabaseBuilder.h"
#include "store/Schema.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

using namespace korva::store;

namespace {

constexpr int kRows = 2000;
constexpr int kRepeats = 5;

// Each measurement runs on a fresh copy of a new database; the best of a few runs counts.
class Bench {
public:
    Bench() { templatePath_ = createDatabase(templateDir_.path()).path; }

    double best(const std::function<double()>& once) {
        std::vector<double> runs;
        for (int i = 0; i < kRepeats; ++i) {
            QTemporaryDir dir;
            QFile::copy(templatePath_, dir.filePath(QString::fromLatin1(kDatabaseFileName)));
            const QString previous = QDir::currentPath();
            QDir::setCurrent(dir.path());
            runs.push_back(once());
            QDir::setCurrent(previous);
        }
        return *std::min_element(runs.begin(), runs.end());
    }

private:
    QTemporaryDir templateDir_;
    QString templatePath_;
};

sqlite3* openRaw() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(kDatabaseFileName, &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    return db;
}

double rawPosts() {
    sqlite3* db = openRaw();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Consolidado (Estrato, ImoveisProgramados) VALUES (?, ?)", -1, &st,
                       nullptr);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRows; ++i) {
        sqlite3_bind_int(st, 1, i + 1);
        sqlite3_bind_int(st, 2, 431);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    const double ms = t.nsecsElapsed() / 1e6;
    sqlite3_finalize(st);
    sqlite3_close(db);
    return ms;
}

double cursorPosts() {
    TDataModule1 dm;
    Cursor* c = dm.ADOTableConsolidado;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kRows; ++i) {
        c->append();
        c->setInteger(0, i + 1);
        c->setInteger(1, 431);
        c->post();
    }
    return t.nsecsElapsed() / 1e6;
}

double rawStates() {
    QElapsedTimer t;
    t.start();
    sqlite3* db = openRaw();
    sqlite3_stmt* states = nullptr;
    sqlite3_stmt* muns = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid, Estado, Nome, CodigoUF FROM EstadosDoBrasil ORDER BY rowid", -1,
                       &states, nullptr);
    sqlite3_prepare_v2(
        db,
        "SELECT rowid, UF, Municipio, CodigoMunicipio FROM \"MunicípiosDoBrasil\" WHERE UF = ? "
        "ORDER BY rowid",
        -1, &muns, nullptr);
    std::vector<std::string> ufs;
    while (sqlite3_step(states) == SQLITE_ROW)
        ufs.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(states, 1)));
    size_t total = 0;
    for (const auto& uf : ufs) {
        sqlite3_bind_text(muns, 1, uf.c_str(), -1, SQLITE_TRANSIENT);
        std::vector<std::string> names;
        while (sqlite3_step(muns) == SQLITE_ROW)
            names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(muns, 2)));
        total += names.size();
        sqlite3_reset(muns);
    }
    sqlite3_finalize(states);
    sqlite3_finalize(muns);
    sqlite3_close(db);
    return total == 5570 ? t.nsecsElapsed() / 1e6 : -1;
}

double cursorStates() {
    TDataModule1 dm;
    QElapsedTimer t;
    t.start();
    Cursor estados(*dm.ADOConnection1, QStringLiteral("estados"));
    estados.setTableName(QStringLiteral("EstadosDoBrasil"));
    Cursor muns(*dm.ADOConnection1, QStringLiteral("municipios"));
    muns.setTableName(QStringLiteral("MunicípiosDoBrasil"));
    muns.setMaster(&estados, QStringLiteral("Estado"), QStringLiteral("UF"));
    estados.open();
    muns.open();
    int total = muns.rowCount();
    for (estados.next(); !estados.eof(); estados.next())
        total += muns.rowCount();
    return total == 5570 ? t.nsecsElapsed() / 1e6 : -1;
}

void line(const char* what, double ours, double raw, const char* floor = "raw SQLite") {
    std::printf("%-58s %9.3f ms   %s %8.3f ms   ratio %6.2f\n", what, ours, floor, raw, ours / raw);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Whole-process time of a program that starts, shows its first window and ends.
double startTime(const QString& program) {
    std::vector<double> runs;
    for (int i = 0; i < 9; ++i) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(program, {});
        p.waitForFinished(30000);
        runs.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(runs);
}

// One single-row commit straight through SQLite.
double rawCommit() {
    sqlite3* db = openRaw();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Consolidado (Estrato, ImoveisProgramados) VALUES (?, ?)", -1, &st,
                       nullptr);
    std::vector<double> runs;
    for (int i = 0; i < 400; ++i) {
        QElapsedTimer t;
        t.start();
        sqlite3_bind_int(st, 1, i + 1);
        sqlite3_bind_int(st, 2, 431);
        sqlite3_step(st);
        sqlite3_reset(st);
        runs.push_back(t.nsecsElapsed() / 1e6);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return median(runs);
}

// "Gravar" on the last of `strata` strata, whose results rows exist (the usual re-save).
double saveStratum(int strata) {
    sqlite3* db = openRaw();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "INSERT INTO Cadastro VALUES (3509502, 'Campinas', 'SP', 3500000, 'Janeiro', '2012')",
                 nullptr, nullptr, nullptr);
    for (int s = 1; s <= strata; ++s) {
        const std::string values = std::to_string(s);
        const std::string plan = "INSERT INTO PlanoAmostral VALUES (3509502, " + values +
                                 ", 10000, 431, 400, 25, 86, 21.5, 4.65116, 3)";
        const std::string cons =
            "INSERT INTO Consolidado (Estrato, ImoveisProgramados) VALUES (" + values + ", 431)";
        const std::string idx =
            "INSERT INTO Indices (Estrato, ImoveisProgramados) VALUES (" + values + ", 431)";
        sqlite3_exec(db, plan.c_str(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, cons.c_str(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, idx.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    korva::ScriptedDialogs dialogs;
    korva::setDialogs(&dialogs);
    korva::Application application;
    Cursor* plan = korva::dm().ADOTablePlanoAmostral;
    std::vector<double> runs;
    for (int trial = 0; trial < 7; ++trial) {
        plan->last();
        plan->edit();
        plan->setInteger("NumeroDeImoveisNoEstrato", 10000 + trial);
        QElapsedTimer t;
        t.start();
        korva::forms().FormDadosGerais->planoAmostral->SpBtnPlanAmostralGravarClick();
        runs.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(runs);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korva::Application::prepare(app);
    Bench bench;
    std::printf("korva-bench: best of %d runs each\n", kRepeats);
    line("2000 single-row posts through the cursor", bench.best(cursorPosts), bench.best(rawPosts));
    line("municipality cursor opened, state cursor over 27 states", bench.best(cursorStates),
         bench.best(rawStates));

    const double commit = bench.best(rawCommit);
    for (int strata : {10, 100, 400}) {
        const double save = bench.best([strata] { return saveStratum(strata); });
        const QByteArray what = QStringLiteral("one \"Gravar\" with %1 strata").arg(strata).toUtf8();
        line(what.constData(), save, commit, "one commit");
        std::printf("%-58s %9.4f ms per stratum\n", "", save / strata);
    }

    // Cold start to the main window shown, against a bare Qt window built the same way.
    QTemporaryDir startDir;
    createDatabase(startDir.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(startDir.path());
    const double korvaStart = startTime(QStringLiteral(KORVA_START_PROBE));
    const double bareStart = startTime(QStringLiteral(BARE_START_PROBE));
    QDir::setCurrent(previous);
    line("cold start to the main window shown", korvaStart, bareStart, "bare Qt window");
    return 0;
}
