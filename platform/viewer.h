#pragma once

#include <QString>

// Hands a document or web address to the desktop's open command, or a file
// to its mail composer, and goes on at once. When the command cannot start
// or reports a failure, a box titled "ATENÇÃO" says so and where the file
// is, so a PDF written without a viewer or mail program on the machine is
// not lost to the user. The hourglass shows while the command is at work.
namespace viewer {

void open(const QString& target, const QString& command = QStringLiteral("xdg-open"));
// An empty attachment opens the composer without one.
void mail(const QString& attachment, const QString& command = QStringLiteral("xdg-email"));

} // namespace viewer
