#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace osdoc {

// The lines the additional information is printed on, none wider than
// `largura` as `mede` measures a text. A note without line breaks whose text
// fits is one line, the blanks of its field included. Any other note is
// split at every line break (CR LF, CR or LF) and each part wrapped at its
// blanks, a word wider than a line cut between characters; blank lines
// inside the note stay, those at its end go. No line holds a CR or LF.
QStringList linhasDaNota(const QString& nota, double largura,
                         const std::function<double(const QString&)>& mede);

} // namespace osdoc
