#pragma once

// A small JSON writer that keeps keys in the order they are written (tables' columns stay in
// schema order).

#include <QString>
#include <QVariant>

namespace korva::replay {

QString jsonString(const QString& text);
// Null, integer, floating number, boolean or text.
QString jsonValue(const QVariant& value);

class JsonObject {
public:
    JsonObject& add(const QString& key, const QString& rawJson);
    JsonObject& addText(const QString& key, const QString& text) { return add(key, jsonString(text)); }
    QString str() const { return QLatin1Char('{') + body_ + QLatin1Char('}'); }

private:
    QString body_;
};

QString jsonArray(const QStringList& rawItems);

} // namespace korva::replay
