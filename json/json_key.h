#pragma once

#include <QString>
#include <variant>

// How a member or item is addressed: by name (text), by 1-based position, or
// null (on an array, "append").
class JsonKey {
public:
    JsonKey() = default;
    JsonKey(int position) : key_(position) {}
    JsonKey(const QString& name) : key_(name) {}
    JsonKey(const char* name) : key_(QString::fromUtf8(name)) {}
    JsonKey(const char16_t* name) : key_(QString::fromUtf16(name)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(key_); }
    bool isText() const { return std::holds_alternative<QString>(key_); }
    bool isPosition() const { return std::holds_alternative<int>(key_); }
    // Empty unless isText().
    QString text() const { return isText() ? std::get<QString>(key_) : QString(); }
    // 0 unless isPosition().
    int position() const { return isPosition() ? std::get<int>(key_) : 0; }

private:
    std::variant<std::monostate, int, QString> key_;
};
