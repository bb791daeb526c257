#include "TCreditos.h"

#include "common/Controls.h"

#include <QFrame>
#include <QPushButton>

namespace korva {

TCreditos::TCreditos() {
    look::setupWindow(this, QStringLiteral("TCreditos"), QStringLiteral("Créditos"), 298, 444,
                      look::moneyGreen());
    setFixedSize(298, 444);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 281, 397);

    look::label(panel, QStringLiteral("ORV - Tessaly"), 8, 8, look::tahoma(8, true));
    auto* larva = new QLabel(panel);
    larva->setObjectName(QStringLiteral("Image1"));
    larva->setPixmap(look::picture(QStringLiteral("larva-small")));
    larva->setScaledContents(true);
    larva->setGeometry(8, 27, 65, 57);
    look::label(panel, QStringLiteral("Korva 2012"), 119, 36, look::tahoma(14, true));
    look::label(panel, QStringLiteral("Versão 1.00"), 130, 62, look::tahoma(8, true));
    look::label(panel, QStringLiteral("Tecnologia elaborada por :"), 8, 90, look::tahoma(10, true));
    // The contributors by role: the project names its teams, not persons.
    const char* contributors[] = {
        "Coordenação de campo - Vigilância Ambiental",  "Supervisão de campo - Controle de Vetores",
        "Entomologia - Laboratório de Entomologia",     "Estatística e amostragem - Núcleo de Epidemiologia",
        "Agentes de endemias - Equipes de Campo",       "Geoprocessamento - Setor de Cartografia",
        "Laboratório - Rede Municipal de Laboratórios", "Vigilância epidemiológica - Secretaria de Saúde",
        "Educação em saúde - Mobilização Social",
    };
    int top = 112;
    for (const char* line : contributors) {
        look::label(panel, QString::fromUtf8(line), 8, top);
        top += 17;
    }
    look::label(panel, QStringLiteral("Coordenação do Programa"), 8, 275, look::tahoma(10, true));
    look::label(panel, QStringLiteral("Coordenação Estadual do Programa"), 8, 297);
    look::label(panel, QStringLiteral("Desenvolvimento do Sistema"), 8, 333, look::tahoma(10, true));
    look::label(panel, QStringLiteral("Equipe Korva - Desenvolvimento de Sistemas"), 8, 355);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 411, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace korva
