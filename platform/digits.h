#pragma once

#include <QString>

// A non-empty text of the digits 0 to 9 only.
inline bool isDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}
