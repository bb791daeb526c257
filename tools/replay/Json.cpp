#include "Json.h"

#include <QStringList>
#include <charconv>
#include <cmath>

namespace korva::replay {

QString jsonString(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString jsonValue(const QVariant& v) {
    if (v.isNull() || !v.isValid())
        return QStringLiteral("null");
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (!std::isfinite(d))
            return QStringLiteral("null");
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, d);
        return QString::fromLatin1(buf, res.ptr - buf);
    }
    default:
        return jsonString(v.toString());
    }
}

JsonObject& JsonObject::add(const QString& key, const QString& rawJson) {
    if (!body_.isEmpty())
        body_ += QLatin1String(", ");
    body_ += jsonString(key) + QLatin1String(": ") + rawJson;
    return *this;
}

QString jsonArray(const QStringList& rawItems) {
    return QLatin1Char('[') + rawItems.join(QLatin1String(", ")) + QLatin1Char(']');
}

} // namespace korva::replay
