#include "OdtWordProcessor.h"

#include "common/KorvaError.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextDocumentWriter>
#include <QUrl>

namespace korva::sampling {

WordProcessorFactory& wordProcessorFactory() {
    static WordProcessorFactory factory;
    return factory;
}

std::function<void(const QString&)>& OdtWordProcessor::savedObserver() {
    static std::function<void(const QString&)> observer;
    return observer;
}

OdtWordProcessor::OdtWordProcessor(QString folder, QString baseName, bool openAfterwards)
    : folder_(std::move(folder)), baseName_(std::move(baseName)), open_(openAfterwards) {}

void OdtWordProcessor::FileNew() {
    document_.clear();
    QFont font(QStringLiteral("Times New Roman"), 12);
    document_.setDefaultFont(font);
    cursor_ = QTextCursor(&document_);
    format_ = QTextCharFormat();
    // The ODF writer of this Qt writes a family only when the old property is set, and takes its
    // value from the new list property (without it the family comes out empty): both are set.
    format_.setFontFamilies(QStringList{QStringLiteral("Times New Roman")});
    format_.setProperty(QTextFormat::FontFamily, QStringLiteral("Times New Roman"));
    format_.setFontPointSize(12);
    bold_ = false;
    started_ = true;
}

void OdtWordProcessor::FontSize(int points) {
    format_.setFontPointSize(points);
}

void OdtWordProcessor::Bold() {
    bold_ = !bold_;
    format_.setFontWeight(bold_ ? QFont::Bold : QFont::Normal);
}

void OdtWordProcessor::Insert(const QString& text) {
    if (!started_)
        FileNew();
    const QStringList paragraphs = text.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            cursor_.insertBlock(QTextBlockFormat(), format_);
        }
        if (!paragraphs[i].isEmpty())
            cursor_.insertText(paragraphs[i], format_);
    }
}

void OdtWordProcessor::Release() {
    if (!started_)
        return;
    QDir dir(folder_);
    if (!dir.exists() && !dir.mkpath(QStringLiteral(".")))
        throw KorvaError(
            QStringLiteral("Não foi possível criar a pasta '%1'.").arg(QDir::toNativeSeparators(folder_)));
    QString safeName = baseName_;
    for (const QChar bad : QStringLiteral("\\/:*?\"<>|"))
        safeName.replace(bad, QLatin1Char('_'));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH'h'mm'm'ss's'"));
    QString path = dir.filePath(QStringLiteral("%1 %2.odt").arg(safeName, stamp));
    for (int n = 2; QFile::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 %2 (%3).odt").arg(safeName, stamp).arg(n));
    QTextDocumentWriter writer(path, "odf");
    if (!writer.write(&document_))
        throw KorvaError(
            QStringLiteral("Não foi possível gravar o documento '%1'.").arg(QDir::toNativeSeparators(path)));
    savedPath_ = path;
    if (savedObserver())
        savedObserver()(path);
    if (open_)
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace korva::sampling
