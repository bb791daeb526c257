#pragma once

#include "WordProcessor.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace korva::sampling {

// Composes an OpenDocument text file. On release the document is saved in `folder` under a name
// made of `baseName` and the time (nothing is overwritten) and, if asked, opened with the
// desktop's viewer.
class OdtWordProcessor : public WordProcessor {
public:
    OdtWordProcessor(QString folder, QString baseName, bool openAfterwards);
    void AppShow() override {}
    void FileNew() override;
    void FontSize(int points) override;
    void Bold() override;
    void Insert(const QString& text) override;
    void Release() override;
    QString savedPath() const { return savedPath_; }

    // Called with the path of every document saved (the scripted driver reports it).
    static std::function<void(const QString&)>& savedObserver();

private:
    QString folder_;
    QString baseName_;
    bool open_;
    QTextDocument document_;
    QTextCursor cursor_;
    QTextCharFormat format_;
    bool bold_ = false;
    bool started_ = false;
    QString savedPath_;
};

} // namespace korva::sampling
