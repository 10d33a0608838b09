#include "registers/register_codes.h"

#include "platform/decimal.h"

bool isNumeric(const QString& text) {
    return Decimal::parse(text, false).has_value();
}

std::optional<qint64> wholeCode(const QString& text) {
    const auto number = Decimal::parse(text, false);
    if (!number || number->raw() % Decimal::kScale != 0)
        return std::nullopt;
    return number->truncatedUnits();
}

SaveKey saveKey(const QString& codeBox) {
    if (!isNumeric(codeBox))
        return {SaveKey::Insert, 0};
    if (const auto code = wholeCode(codeBox))
        return {SaveKey::Update, *code};
    return {SaveKey::NoSuchCode, 0};
}
