#include "json/json_error.h"

JsonError::JsonError(int number, QString description, QString source)
    : number_(number), description_(std::move(description)), source_(std::move(source)),
      what_(QStringLiteral("%1: %2 (%3)").arg(number).arg(description_, source_).toUtf8()) {}

namespace json {

void raise(int number, const QString& description) {
    throw JsonError(number, description, kNodeSource);
}

void raiseInvalidArgument() {
    throw JsonError(5, QStringLiteral("Invalid procedure call or argument"), kListSource);
}

void raiseSubscriptOutOfRange() {
    throw JsonError(9, QStringLiteral("Subscript out of range"), kListSource);
}

} // namespace json
