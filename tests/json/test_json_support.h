#pragma once

#include "json/json_node.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace jsontest {

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
