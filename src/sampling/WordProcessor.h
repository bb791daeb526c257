#pragma once

// The word processor that receives the printout of the blocks to work: the document is composed
// call by call and left open for the user to print.

#include <QString>
#include <functional>
#include <memory>

namespace korva::sampling {

class WordProcessor {
public:
    virtual ~WordProcessor() = default;
    virtual void AppShow() = 0;
    virtual void FileNew() = 0;
    virtual void FontSize(int points) = 0;
    // Toggles bold for the text inserted next.
    virtual void Bold() = 0;
    // Inserts text at the insertion point; a CR (character 13) starts a new paragraph.
    virtual void Insert(const QString& text) = 0;
    // The handler is done with the document (it stays open for the user).
    virtual void Release() {}
};

using WordProcessorFactory = std::function<std::unique_ptr<WordProcessor>()>;
// The factory used by the print button; replaceable (tests, the scripted driver).
WordProcessorFactory& wordProcessorFactory();

} // namespace korva::sampling
