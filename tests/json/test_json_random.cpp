#include "test_json_support.h"

#include <random>

using jsontest::parsed;

namespace {

// Bounded so CI stays quick; QUENDARO_JSON_ROUNDS raises it for a long local run.
int rounds() {
    bool ok = false;
    const int wanted = qEnvironmentVariableIntValue("QUENDARO_JSON_ROUNDS", &ok);
    return ok && wanted > 0 ? wanted : 20000;
}

class Generator {
public:
    explicit Generator(quint64 seed) : random_(seed) {}

    int below(int limit) { return int(random_() % quint64(limit)); }
    bool chance(int percent) { return below(100) < percent; }

    // Text biased towards what steers the parser.
    QString noise(int length) {
        static const QString kAlphabet =
            QStringLiteral("{}[]\",:\\ \t\r\n-+.eE0123456789tnrufalsTNRUFALS/bx\u00e9");
        QString text;
        for (int i = 0; i < length; ++i) {
            if (chance(5))
                text.append(QChar(char16_t(below(0x10000))));
            else
                text.append(kAlphabet.at(below(int(kAlphabet.size()))));
        }
        return text;
    }

    QString anyText() {
        QString text;
        const int length = below(8);
        for (int i = 0; i < length; ++i)
            text.append(QChar(char16_t(chance(50) ? below(0x80) : below(0x10000))));
        return text;
    }

    JsonValue scalar(bool decimal) {
        switch (below(6)) {
        case 0:
            return JsonValue::null();
        case 1:
            return chance(50);
        case 2:
            return anyText();
        case 3:
            return qint32(random_());
        default:
            // Read back, numbers come in the mode of the reading node.
            if (decimal)
                return *JsonDecimal::fromParts(chance(50), random_() >> 40, below(29));
            double value;
            const quint64 bits = random_();
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? value : 0.5;
        }
    }

    void fill(JsonNode& node, int depth, bool decimal) {
        node.setDecimalMode(decimal);
        const int count = below(5);
        for (int i = 0; i < count; ++i) {
            const JsonKey key = node.IsArray() ? JsonKey() : JsonKey(anyText());
            if (depth < 6 && chance(30)) {
                JsonNode child = chance(50) ? node.AddNewArray(key) : node.AddNewObject(key);
                fill(child, depth + 1, decimal);
            } else {
                node.setItem(key, scalar(decimal));
            }
        }
    }

    // A valid document with a few characters inserted, deleted or replaced.
    QString mutated(const QString& text) {
        QString result = text;
        const int edits = 1 + below(4);
        for (int i = 0; i < edits; ++i) {
            const int at = below(int(result.size()) + 1);
            switch (below(3)) {
            case 0:
                result.insert(at, noise(1 + below(3)));
                break;
            case 1:
                result.remove(at, 1 + below(3));
                break;
            default:
                result.replace(at, 1, noise(1));
            }
        }
        return result;
    }

private:
    std::mt19937_64 random_;
};

// Reading either fails with one of the parser's own errors or gives a node
// whose text reads back to the same text.
void expectSoundRead(const QString& text, bool decimal) {
    JsonNode node;
    node.setDecimalMode(decimal);
    try {
        node.setJSON(text);
    } catch (const JsonError& error) {
        EXPECT_TRUE(error.number() == 13 || error.number() == 6 || error.number() == 28)
            << error.what();
        EXPECT_EQ(error.source(), QStringLiteral("JsonNode"));
        return;
    }
    const QString written = node.JSON();
    EXPECT_EQ(parsed(written, decimal).JSON(), written) << text.toStdString();
}

TEST(RandomInput, NoiseNeverBreaksTheParser) {
    Generator generator(1);
    for (int round = 0; round < rounds(); ++round) {
        const QString prefix = generator.chance(50) ? QStringLiteral("[") : QStringLiteral("{");
        expectSoundRead(prefix + generator.noise(generator.below(40)), generator.chance(30));
    }
}

TEST(RandomInput, BuiltTreesRoundTripAndDamagedTextsFailCleanly) {
    Generator generator(2);
    for (int round = 0; round < rounds(); ++round) {
        const bool decimal = generator.chance(30);
        JsonNode node;
        node.setIsArray(generator.chance(50));
        generator.fill(node, 1, decimal);
        node.setWhitespace(generator.chance(50));
        const QString text = node.JSON();
        JsonNode again = parsed(text, decimal);
        again.setWhitespace(node.Whitespace());
        ASSERT_EQ(again.JSON(), text);
        expectSoundRead(generator.mutated(text), decimal);
    }
}

} // namespace
