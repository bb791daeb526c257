#pragma once

#include <QString>
#include <exception>
#include <string>

namespace korva {

// The one exception type of the system: parsing, arithmetic and database failures all
// carry the message the user is to see in the standard error box.
class KorvaError : public std::exception {
public:
    explicit KorvaError(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

} // namespace korva
