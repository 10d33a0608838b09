#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// An error raised the way the platform raises one: a number, a description
// and the name of whatever raised it, so callers can tell errors apart by
// number as they always have.
class JsonError : public std::exception {
public:
    JsonError(int number, QString description, QString source);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& source() const { return source_; }
    // "number: description (source)", UTF-8.
    const char* what() const noexcept override { return what_.constData(); }

private:
    int number_;
    QString description_;
    QString source_;
    QByteArray what_;
};

namespace json {

inline const QString kNodeSource = QStringLiteral("JsonNode");
// Errors of the keyed lists carry the program's name, as the platform's own
// run-time errors do.
inline const QString kListSource = QStringLiteral("Quendaro");

// An error of the node itself.
[[noreturn]] void raise(int number, const QString& description);
// The keyed list's errors, numbered and worded as the platform's collection
// raises them.
[[noreturn]] void raiseInvalidArgument();
[[noreturn]] void raiseSubscriptOutOfRange();

} // namespace json
