#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;

// Length limits of the boxes that never split a character: one that would
// not fit whole is not taken, so no half of it reaches the database as "?".
namespace textlimits {

// A TEXT column's size as the server counts it: bytes of UTF-8.
inline constexpr int kTextColumnBytes = 65535;

// The bytes `text` takes in UTF-8.
qsizetype utf8Size(QStringView text);
// How much of the start of `text` (in UTF-16 units) fits in `maxBytes` of
// UTF-8, whole characters only.
qsizetype utf8Fit(QStringView text, qsizetype maxBytes);

// The box's own limit (in UTF-16 units, as the box counts), kept from
// splitting a character.
void setMaxLength(QLineEdit* box, int maxLength);
// Keeps a memo's text within `maxBytes` of UTF-8: what is typed or pasted
// beyond it is not taken.
void limitBytes(QPlainTextEdit* memo, int maxBytes = kTextColumnBytes);

} // namespace textlimits
