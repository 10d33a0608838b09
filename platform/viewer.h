#pragma once

#include <QString>

// Hands a document or web address to the desktop's open command and goes on
// at once. When the command cannot start or reports a failure, a box titled
// "ATENÇÃO" says the document could not be shown and where it is, so a PDF
// written without a viewer on the machine is not lost to the user.
namespace viewer {

void open(const QString& target, const QString& command = QStringLiteral("xdg-open"));

} // namespace viewer
