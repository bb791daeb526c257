#include "NecessidadesPage.h"

#include "common/Controls.h"
#include "common/DbControls.h"
#include "shell/Forms.h"
#include "shell/TFormDadosGerais.h"
#include "store/DataModule.h"

#include <QGroupBox>

namespace korva {

NecessidadesPage::NecessidadesPage(TFormDadosGerais& frame) : QObject(&frame), frame_(frame) {
    QWidget* sheet = frame_.TabSheetNecessidades;
    GroupBoxRecursos = new QGroupBox(QStringLiteral("Recursos para execução das atividades"), sheet);
    GroupBoxRecursos->setObjectName(QStringLiteral("GroupBoxRecursos"));
    GroupBoxRecursos->setGeometry(24, 16, 793, 360);

    auto box = [&](const QString& name, const QString& caption, const QString& column, int top) {
        look::label(GroupBoxRecursos, caption, 24, top);
        auto* edit = new DBEdit(GroupBoxRecursos);
        edit->setObjectName(name);
        edit->setGeometry(24, top + 16, 150, 21);
        edit->bind(dm().DataSourceNecessidades, column);
        // Filled by the sample plan: skipped by the Tab key.
        edit->setFocusPolicy(Qt::ClickFocus);
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, look::paleGreen());
        edit->setPalette(p);
        return edit;
    };
    DBEdit1 = box(QStringLiteral("DBEdit1"), QStringLiteral("Quantidade de estratos a levantar"),
                  QStringLiteral("QuantEstratosALevantar"), 28);
    DBEdit2 = box(QStringLiteral("DBEdit2"), QStringLiteral("Soma dos imóveis a trabalhar"),
                  QStringLiteral("SomaDosImoveisATrabalhar"), 72);
}

} // namespace korva
