#include "TFormAjuda.h"

#include "common/Controls.h"

#include <QFile>
#include <QPlainTextEdit>

static void initHelp() {
    Q_INIT_RESOURCE(help);
}

namespace korva {

TFormAjuda::TFormAjuda() {
    initHelp();
    look::setupWindow(this, QStringLiteral("TFormAjuda"), QStringLiteral("Ajuda"), 654, 414, QColor());
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFile file(QStringLiteral(":/help/help.txt"));
    if (file.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(file.readAll());
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1); // the file's own final line break
        Memo1->setPlainText(text);
    }
    Memo1->setGeometry(rect());
}

void TFormAjuda::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Memo1->setGeometry(rect());
}

} // namespace korva
