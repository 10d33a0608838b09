#pragma once

#include "json/json_node.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace jsontest {

// The pt_BR run proves nothing unless its locale really writes a decimal
// comma, so it is checked before any test runs.
class LocaleCheck : public ::testing::Environment {
public:
    void SetUp() override {
        if (!qgetenv("LC_ALL").startsWith("pt_BR"))
            return;
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        ASSERT_EQ(QLocale::system().decimalPoint(), QStringLiteral(","));
    }
};

inline ::testing::Environment* const kLocaleCheck =
    ::testing::AddGlobalTestEnvironment(new LocaleCheck);

// The JsonError an action raises, or nothing.
template <typename Action> std::optional<JsonError> raisedBy(Action&& action) {
    try {
        action();
    } catch (const JsonError& error) {
        return error;
    }
    return std::nullopt;
}

inline JsonNode parsed(const QString& text, bool decimalMode = false) {
    JsonNode node;
    node.setDecimalMode(decimalMode);
    node.setJSON(text);
    return node;
}

} // namespace jsontest

// The action raises exactly this error.
#define EXPECT_JSON_ERROR(action, number_, description_, source_)                                  \
    do {                                                                                           \
        const auto raised_ = ::jsontest::raisedBy([&] { action; });                                \
        ASSERT_TRUE(raised_.has_value()) << "no error from " #action;                              \
        EXPECT_EQ(raised_->number(), number_);                                                     \
        EXPECT_EQ(raised_->description(), QString(description_));                                  \
        EXPECT_EQ(raised_->source(), QString(source_));                                            \
    } while (false)

#define EXPECT_NODE_ERROR(action, number_, description_)                                           \
    EXPECT_JSON_ERROR(action, number_, description_, "JsonNode")
