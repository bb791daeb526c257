#include "NumberText.h"

#include "KorvaError.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace korva::num {

namespace {

std::optional<QChar>& separatorSlot() {
    static std::optional<QChar> slot;
    return slot;
}

// A value rounded to a number of decimals, as sign and plain decimal digits.
struct Decimal {
    bool negative = false;
    std::string integerPart; // at least one digit
    std::string fraction;    // exactly `decimals` digits
};

Decimal toDecimal(long double value, int decimals) {
    Decimal out;
    if (value == 0 || !std::isfinite(value)) {
        out.integerPart.assign(1, '0');
        out.fraction.assign(static_cast<size_t>(decimals), '0');
        return out;
    }
    out.negative = value < 0;
    // 18 significant digits: d.ddddddddddddddddde+XX
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    std::string text(buf, res.ptr);
    const auto ePos = text.find('e');
    std::string digits;
    digits.push_back(text[0]);
    digits.append(text, 2, ePos - 2);
    const int exponent = std::stoi(text.substr(ePos + 1));
    // digits[i] has the weight 10^(exponent - i); keep those with weight >= 10^-decimals.
    const int kept = exponent + 1 + decimals;
    std::string keptDigits;
    if (kept >= static_cast<int>(digits.size())) {
        keptDigits = digits;
        keptDigits.append(static_cast<size_t>(kept) - digits.size(), '0');
    } else if (kept < 0) {
        keptDigits = "";
    } else {
        keptDigits = digits.substr(0, static_cast<size_t>(kept));
        if (digits[static_cast<size_t>(kept)] >= '5') {
            int i = kept - 1;
            for (; i >= 0; --i) {
                if (keptDigits[static_cast<size_t>(i)] == '9') {
                    keptDigits[static_cast<size_t>(i)] = '0';
                } else {
                    ++keptDigits[static_cast<size_t>(i)];
                    break;
                }
            }
            if (i < 0)
                keptDigits.insert(keptDigits.begin(), '1');
        }
    }
    // keptDigits now holds the value times 10^decimals as a whole number.
    if (static_cast<int>(keptDigits.size()) < decimals + 1)
        keptDigits.insert(0, static_cast<size_t>(decimals + 1) - keptDigits.size(), '0');
    out.integerPart = keptDigits.substr(0, keptDigits.size() - static_cast<size_t>(decimals));
    out.fraction = keptDigits.substr(keptDigits.size() - static_cast<size_t>(decimals));
    const auto firstNonZero = out.integerPart.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        out.integerPart.assign(1, '0');
    else
        out.integerPart.erase(0, firstNonZero);
    if (out.integerPart == "0" && out.fraction.find_first_not_of('0') == std::string::npos)
        out.negative = false; // no "-0"
    return out;
}

[[noreturn]] void invalidFloat(const QString& text) {
    throw KorvaError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

} // namespace

QChar decimalSeparator() {
    auto& slot = separatorSlot();
    if (!slot) {
        const QString point = QLocale::system().decimalPoint();
        slot = point.isEmpty() ? QChar('.') : point.at(0);
    }
    return *slot;
}

void setDecimalSeparator(QChar separator) {
    separatorSlot() = separator;
}

QString fixed(long double value, int decimals) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const Decimal d = toDecimal(value, decimals);
    QString out;
    if (d.negative)
        out += QLatin1Char('-');
    out += QString::fromStdString(d.integerPart);
    if (decimals > 0) {
        out += decimalSeparator();
        out += QString::fromStdString(d.fraction);
    }
    return out;
}

long double roundFixed(long double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    const Decimal d = toDecimal(value, decimals);
    std::string text;
    if (d.negative)
        text.push_back('-');
    text.append(d.integerPart);
    text.push_back('.');
    text.append(d.fraction);
    text.push_back('0');
    long double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

QString format(const char* fmt, long double value) {
    // %[width][.precision]f
    std::string_view f(fmt);
    int width = 0;
    int precision = 2;
    size_t i = f.find('%');
    if (i == std::string_view::npos)
        return fixed(value, 2);
    ++i;
    while (i < f.size() && f[i] >= '0' && f[i] <= '9')
        width = width * 10 + (f[i++] - '0');
    if (i < f.size() && f[i] == '.') {
        ++i;
        precision = 0;
        while (i < f.size() && f[i] >= '0' && f[i] <= '9')
            precision = precision * 10 + (f[i++] - '0');
    }
    QString text = fixed(value, precision);
    if (text.size() < width)
        text = QString(width - text.size(), QLatin1Char(' ')) + text;
    return text;
}

QString general(long double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, res.ptr);
    std::string mantissa = text;
    std::string exponent;
    if (const auto e = text.find('e'); e != std::string::npos) {
        mantissa = text.substr(0, e);
        int exp = std::stoi(text.substr(e + 1));
        exponent = std::string("E").append(std::to_string(exp));
    }
    QString out = QString::fromStdString(mantissa);
    out.replace(QLatin1Char('.'), decimalSeparator());
    return out + QString::fromStdString(exponent);
}

long double parseFloat(const QString& text) {
    const QString t = text.trimmed();
    const QChar sep = decimalSeparator();
    // [+-] digits [sep digits] [(e|E) [+-] digits]
    std::string ascii;
    ascii.reserve(static_cast<size_t>(t.size()));
    int i = 0;
    const int n = static_cast<int>(t.size());
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        ascii += static_cast<char>(t[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && t[i] == sep) {
        ascii += '.';
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ascii += static_cast<char>(t[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        invalidFloat(text);
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ascii += static_cast<char>(t[i++].unicode());
        int expDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ascii += static_cast<char>(t[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            invalidFloat(text);
    }
    if (i != n)
        invalidFloat(text);
    long double value = 0;
    auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size())
        invalidFloat(text);
    return value;
}

bool isValidInt(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    return ok && v >= INT32_MIN && v <= INT32_MAX;
}

int parseInt(const QString& text) {
    if (!isValidInt(text))
        throw KorvaError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return static_cast<int>(text.trimmed().toLongLong(nullptr, 10));
}

long double divide(long double dividend, long double divisor) {
    if (divisor == 0) {
        if (dividend == 0 || std::isnan(dividend))
            throw KorvaError(QStringLiteral("Invalid floating point operation"));
        throw KorvaError(QStringLiteral("Floating point division by zero"));
    }
    return dividend / divisor;
}

long long roundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

long double percent1(long double part, long double whole) {
    if (whole == 0)
        return 0;
    return roundFixed(100 * part / whole, 1);
}

} // namespace korva::num
