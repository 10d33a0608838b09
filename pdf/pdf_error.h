#pragma once

#include <QString>
#include <stdexcept>

// The writer's own failures. The text is Portuguese: it may reach a user
// through the caller's error box.
class PDFError : public std::runtime_error {
public:
    enum class Kind {
        OutOfOrder,     // a call the document's state does not allow
        BadArgument,    // input the writer cannot turn into valid PDF
        MissingMetrics, // no metric file for the font, or a text it cannot measure
        Output,         // the output file could not be created or written
    };

    PDFError(Kind kind, const QString& message);

    Kind kind() const { return kind_; }
    QString message() const { return message_; }

private:
    Kind kind_;
    QString message_;
};
