#include "Schema.h"

#include <QStringList>

namespace korva::store {

namespace {

ColumnDef integer(const char* name) {
    return {QString::fromUtf8(name), ColumnType::Integer};
}
ColumnDef floating(const char* name) {
    return {QString::fromUtf8(name), ColumnType::Floating};
}
ColumnDef text(const char* name, int size) {
    return {QString::fromUtf8(name), ColumnType::Text, size};
}
ColumnDef memo(const char* name) {
    return {QString::fromUtf8(name), ColumnType::Memo};
}

QList<TableDef> makeTables() {
    QList<TableDef> t;
    t.append({"DefinicaoQuart",
              {integer("Estrato"), integer("Item"), text("Bairro", 35), text("Quarteirao", 5),
               text("Observação", 72), integer("TotalQuartBairro"), memo("QuarteiroesATrabalhar")}});
    t.append(
        {"PlanoAmostral",
         {integer("CodigoMunicipio"), integer("Estrato"), integer("NumeroDeImoveisNoEstrato"),
          floating("TamanhoDaAmostra"), integer("NumeroDeQuarteiroesNoEstrato"),
          floating("EstimativaDeImoveisPorQuart"), integer("QuartQueComporaoAmostra"),
          floating("PercentualDeQuartAmostrado"), floating("IntervaloDeQuart"), integer("QuartInicial")}});
    // The year is kept as the text chosen in the list ("2010" ... "2016").
    t.append({"Cadastro",
              {integer("CodigoMunicipio"), text("Municipio", 35), text("UF", 2),
               integer("TotalDeImoveisNoMunicipio"), text("PeriodoDeExecucao", 25), text("Ano", 4)}});
    t.append(
        {"Necessidades",
         {floating("QuantEstratosALevantar"), floating("SomaDosImoveisATrabalhar"),
          floating("RendImoveisHomenDia"), floating("ExameLarvaHoraTecnico"), floating("MediaLarvasTubito"),
          floating("HorasDeTrabalho"), floating("DiasPrevistos"), floating("ServidoresNecessarios"),
          floating("Supervisores"), floating("RendTubitosHoraTecnico"), floating("TubitosDiasTecnicos"),
          floating("TecnicosNecessarios"), floating("BolDiarioCampoLab"), floating("NumTubitos")}});
    t.append({"Consolidado",
              {integer("Estrato"), integer("ImoveisProgramados"), integer("ImoveisInspecionados"),
               integer("ImoveisComAegTB"), integer("ImoveisComAegOutros"), integer("ImoveisComAegTotal"),
               integer("ImoveisComAlbTB"), integer("ImoveisComAlbOutros"), integer("ImoveisComAlbTotal"),
               integer("DepositoAegA1"), integer("DepositoAegA2"), integer("DepositoAegB"),
               integer("DepositoAegC"), integer("DepositoAegD1"), integer("DepositoAegD2"),
               integer("DepositoAegE"), integer("DepositoAegTotal"), text("Critica", 30),
               integer("DepositoAlbTotal")}});
    t.append({"TotaisDoConsolidado",
              {integer("TotalEstratos"), integer("TotalImoveisProgramados"),
               integer("TotalImoveisInspecionados"), integer("TotalDepositoA1"), integer("TotalDepositoA2"),
               integer("TotalDepositoB"), integer("TotalDepositoC"), integer("TotalDepositoD1"),
               integer("TotalDepositoD2"), integer("TotalDepositoE"), integer("TotalDepositos")}});
    t.append({"Indices",
              {integer("Estrato"), integer("ImoveisProgramados"), integer("ImoveisInspecionados"),
               floating("ImoveisComAegTB"), floating("ImoveisComAegOutros"), floating("ImoveisComAlbTB"),
               floating("ImoveisComAlbOutros"), floating("PerdaNaAmostra"), floating("IIPaeg"),
               floating("IIPalb"), floating("IBaeg"), floating("IBalb"), floating("A1"), floating("A2"),
               floating("B"), floating("C"), floating("D1"), floating("D2"), floating("E")}});
    // Written as one-decimal texts and only shown, so the texts are kept as written ("10,0").
    t.append({"PercentuaisCriadouros",
              {text("PercentDepA1", 20), text("PercentDepA2", 20), text("PercentDepB", 20),
               text("PercentDepC", 20), text("PercentDepD1", 20), text("PercentDepD2", 20),
               text("PercentDepE", 20)}});
    t.append(
        {"ORV", {text("Municipio", 32), text("UF", 2),       floating("IIP"),       floating("IB"),
                 integer("E<0,9_N°"),   floating("E<0,9_%"), integer("1<E<3,9_N°"), floating("1<E<3,9_%"),
                 integer("E>4_N°"),     floating("E>4_%"),   integer("A1_N°"),      integer("A2_N°"),
                 integer("B_N°"),       integer("C_N°"),     integer("D1_N°"),      integer("D2_N°"),
                 integer("E_N°"),       floating("A1_%"),    floating("A2_%"),      floating("B_%"),
                 floating("C_%"),       floating("D1_%"),    floating("D2_%"),      floating("E_%"),
                 text("Periodo", 25),   text("CodMun", 7)}});
    t.append({"EstadosDoBrasil", {text("Estado", 2), text("Nome", 40), text("CodigoUF", 2)}});
    t.append({"MunicípiosDoBrasil", {text("UF", 2), text("Municipio", 35), text("CodigoMunicipio", 7)}});
    return t;
}

} // namespace

const QList<TableDef>& tables() {
    static const QList<TableDef> all = makeTables();
    return all;
}

const TableDef* findTable(const QString& name) {
    for (const auto& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString createTableSql(const TableDef& table) {
    QStringList cols;
    for (const auto& c : table.columns) {
        const QString name = quoted(c.name);
        switch (c.type) {
        case ColumnType::Integer:
            cols << name +
                        QStringLiteral(" INTEGER CHECK (%1 IS NULL OR (typeof(%1) = 'integer' AND %1 BETWEEN "
                                       "-2147483648 AND 2147483647))")
                            .arg(name);
            break;
        case ColumnType::Floating:
            cols << name + QStringLiteral(" REAL CHECK (%1 IS NULL OR typeof(%1) IN ('real', 'integer'))")
                               .arg(name);
            break;
        case ColumnType::Text:
            cols << name +
                        QStringLiteral(" TEXT CHECK (%1 IS NULL OR length(%1) <= %2)").arg(name).arg(c.size);
            break;
        case ColumnType::Memo:
            cols << name + QStringLiteral(" TEXT");
            break;
        }
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), cols.join(QStringLiteral(", ")));
}

} // namespace korva::store
