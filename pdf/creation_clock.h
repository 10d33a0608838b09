#pragma once

#include <QByteArray>
#include <QDateTime>
#include <functional>

// The clock behind a document's creation date; tests fix it so that whole
// files can be compared byte for byte.
namespace pdfclock {

QDateTime now();
// now() as a PDF date: "D:" and fourteen digits, year to second.
QByteArray date();
// An empty function brings back the local clock.
void setClock(std::function<QDateTime()> clock);

} // namespace pdfclock
