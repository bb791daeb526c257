// korva-mkdb [FOLDER]: creates a new Korva2012Municipios.mdb with every table and the
// reference lists of states and municipalities. Refuses to touch an existing file.

#include "common/KorvaError.h"
#include "store/DatabaseBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() > 1 || (!args.isEmpty() && args[0].startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "uso: korva-mkdb [PASTA]\n");
        return 2;
    }
    try {
        const auto summary = korva::store::createDatabase(args.isEmpty() ? QStringLiteral(".") : args[0]);
        std::printf("%s\n", qPrintable(QStringLiteral("Banco de dados criado: %1 (%2 estados, %3 municípios)")
                                           .arg(QDir::toNativeSeparators(summary.path))
                                           .arg(summary.states)
                                           .arg(summary.municipalities)));
        return 0;
    } catch (const korva::KorvaError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
}
