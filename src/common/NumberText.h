#pragma once

// Numbers travel through the user interface as text. This module is the single place that
// turns numbers into texts and texts into numbers, with the rounding rules the survey
// method relies on.

#include <QChar>
#include <QString>

namespace korva::num {

// The decimal separator of the user's locale (comma in Brazilian Portuguese). Taken from the
// system locale on first use; tests pin it.
QChar decimalSeparator();
void setDecimalSeparator(QChar separator);

// Fixed decimals ("%.0f", "%.2f", ...): the value is taken to 18 significant digits, then
// rounded half away from zero at the last kept decimal. No thousands separators.
QString fixed(long double value, int decimals);
// The same rounding, returned as a number.
long double roundFixed(long double value, int decimals);
// A format of the form "%.Nf", "%Wf" or "%W.Nf" (no precision means two decimals, so "%1f"
// gives two decimals; a width pads with blanks on the left).
QString format(const char* fmt, long double value);

// General form: shortest text of up to 15 significant digits (2.5 -> "2,5", 3.0 -> "3").
QString general(long double value);

// Parsing: surrounding blanks are ignored, the locale's separator is the decimal mark; an empty
// or non-numeric text throws KorvaError("'<text>' is not a valid floating point value").
long double parseFloat(const QString& text);
// Whole numbers of 32 bits; anything else throws KorvaError("'<text>' is not a valid integer value").
int parseInt(const QString& text);
bool isValidInt(const QString& text);

// Division with the runtime's failures: x/0 "Floating point division by zero", 0/0
// "Invalid floating point operation".
long double divide(long double dividend, long double divisor);

// A floating value read as a whole number: nearest, halves to even.
long long roundHalfEven(double value);

// One-decimal percentage: 0 for a zero denominator, otherwise 100*a/b rounded to one decimal,
// halves away from zero.
long double percent1(long double part, long double whole);

} // namespace korva::num
