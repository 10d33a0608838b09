#pragma once

#include <QString>
#include <QStringView>

namespace json {

// The text in double quotes with JSON escapes: the short escapes for quote,
// backslash and the five usual controls, \uXXXX for other controls and for
// invisible or ambiguous characters (and each surrogate half), the rest as is.
QString encodeText(QStringView text);

} // namespace json
