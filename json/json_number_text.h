#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// Numbers to and from text independently of the user's locale: the program
// runs under pt_BR, where the decimal separator is a comma, but JSON always
// writes a point.
namespace json {

// A number as JSON writes it: an optional "-", digits with at most one ".",
// and an optional exponent "e" or "E" with an optional sign and digits.
struct NumberParts {
    bool negative = false;
    QByteArray digits; // integer then fraction digits, as written
    qsizetype fractionDigits = 0;
    qint64 exponent = 0; // held far beyond any range a number can reach
};

// Empty when the text is not of that form (a lone "-", "1e", "1e+-2").
std::optional<NumberParts> scanNumber(QStringView text);

// The nearest double; empty when the text is malformed or its magnitude is
// beyond the double's range. Too small a magnitude gives zero.
std::optional<double> parseDouble(QStringView text);

// The shortest text that reads back to the same value, with "." as the
// decimal point; non-finite values give "nan", "inf" or "-inf".
QString doubleText(double value);
QString singleText(float value);

} // namespace json
