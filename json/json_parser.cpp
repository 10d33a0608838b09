#include "json/json_parser.h"

#include "json/json_nesting.h"
#include "json/json_node.h"
#include "json/json_number_text.h"

#include <string_view>

namespace {

// What peek() answers past the end of the text; no UTF-16 unit has it.
constexpr char32_t kEnd = 0x110000;

bool isDigit(char32_t c) {
    return c >= u'0' && c <= u'9';
}

char32_t asciiLower(char32_t c) {
    return c >= u'A' && c <= u'Z' ? c + 32 : c;
}

int hexValue(char32_t c) {
    if (isDigit(c))
        return int(c - u'0');
    c = asciiLower(c);
    return c >= u'a' && c <= u'f' ? int(c - u'a') + 10 : -1;
}

[[noreturn]] void fail(const QString& message, qsizetype position) {
    json::raise(13, message + QString::number(position));
}

[[noreturn]] void expected(const QString& what, qsizetype position) {
    fail(QStringLiteral("Expected ") + what + QStringLiteral(" at character "), position);
}

[[noreturn]] void badEscape(qsizetype position) {
    fail(QStringLiteral("Bad string character escape at character "), position);
}

class Parser {
public:
    Parser(const QString& text, bool decimalMode)
        : text_(text), length_(text.size()), decimalMode_(decimalMode) {}

    void readDocument(JsonNode& node) {
        skipWhitespace();
        const char32_t c = peek();
        if (c != u'{' && c != u'[')
            expected(QStringLiteral("either { or ["), pos_);
        ++pos_;
        readNode(node, c, 1);
    }

private:
    // 1-based, as every position in the messages.
    char32_t at(qsizetype position) const {
        return position >= 1 && position <= length_ ? text_[position - 1].unicode() : kEnd;
    }
    char32_t peek() const { return at(pos_); }

    void skipWhitespace() {
        while (pos_ <= length_) {
            const char16_t c = text_[pos_ - 1].unicode();
            if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
                return;
            ++pos_;
        }
    }

    void readNode(JsonNode& node, char32_t opening, int depth) {
        if (opening == u'{')
            readObject(node, depth);
        else
            readArray(node, depth);
    }

    void readObject(JsonNode& node, int depth) {
        bool seenMember = false;
        for (;;) {
            skipWhitespace();
            const qsizetype position = pos_;
            const char32_t c = peek();
            ++pos_;
            if (c == u'"') {
                const QString name = readText();
                skipWhitespace();
                if (peek() != u':')
                    expected(QStringLiteral(":"), pos_);
                ++pos_;
                node.setItem(name, readValue(depth));
                seenMember = true;
            } else if (c == u',') {
                if (!seenMember)
                    fail(QStringLiteral("Found \",\" before first item at character "), position);
            } else if (c == u'}') {
                return;
            } else {
                expected(QStringLiteral(", or }"), position);
            }
        }
    }

    void readArray(JsonNode& node, int depth) {
        node.setIsArray(true);
        for (;;) {
            skipWhitespace();
            const char32_t c = peek();
            if (c == u',') {
                ++pos_;
            } else if (c == u']') {
                ++pos_;
                return;
            } else {
                node.setItem(JsonKey(), readValue(depth));
            }
        }
    }

    JsonValue readValue(int depth) {
        skipWhitespace();
        const char32_t c = peek();
        if (c == u'"') {
            ++pos_;
            return readText();
        }
        if (c == u'{' || c == u'[') {
            ++pos_;
            if (depth + 1 > json::kMaxNesting)
                json::raiseTooDeep();
            JsonNode child;
            child.setDecimalMode(decimalMode_);
            readNode(child, c, depth + 1);
            return child;
        }
        if (c == u'-' || isDigit(c))
            return readNumber();
        if (lowerWordIs(u"null")) {
            pos_ += 4;
            return JsonValue::null();
        }
        if (lowerWordIs(u"true")) {
            pos_ += 4;
            return true;
        }
        if (lowerWordIs(u"false")) {
            pos_ += 5;
            return false;
        }
        fail(QStringLiteral("Bad value at character "), pos_);
    }

    // Whether the text at the cursor is the word, ignoring letter case.
    bool lowerWordIs(std::u16string_view word) const {
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (asciiLower(at(pos_ + qsizetype(i))) != word[i])
                return false;
        }
        return true;
    }

    // From the character after the opening quote to past the closing one.
    QString readText() {
        QString result;
        while (pos_ <= length_) {
            // Plain characters are taken as one run.
            const qsizetype runStart = pos_;
            while (pos_ <= length_ && isPlain(text_[pos_ - 1].unicode()))
                ++pos_;
            result.append(QStringView(text_).mid(runStart - 1, pos_ - runStart));
            const char32_t c = peek();
            if (c == kEnd)
                break;
            if (c < 0x20)
                fail(QStringLiteral("Invalid string character at "), pos_);
            ++pos_;
            if (c == u'"') {
                if (pos_ > length_)
                    break;
                return result;
            }
            result.append(readEscape());
        }
        expected(QStringLiteral("\""), length_ + 1);
    }

    static bool isPlain(char16_t c) { return c >= 0x20 && c != u'"' && c != u'\\'; }

    // The cursor is on the letter after a backslash; leaves it past the escape.
    QChar readEscape() {
        const char32_t letter = asciiLower(peek());
        if (letter == kEnd)
            badEscape(pos_);
        ++pos_;
        switch (letter) {
        case u'"':
        case u'\\':
        case u'/':
            return QChar(char16_t(letter));
        case u'b':
            return QChar(u'\b');
        case u'f':
            return QChar(u'\f');
        case u'n':
            return QChar(u'\n');
        case u'r':
            return QChar(u'\r');
        case u't':
            return QChar(u'\t');
        case u'u':
            break;
        default:
            badEscape(pos_ - 1);
        }
        if (pos_ + 3 > length_)
            badEscape(pos_);
        char16_t unit = 0;
        for (qsizetype i = 0; i < 4; ++i) {
            const int digit = hexValue(at(pos_ + i));
            if (digit < 0)
                badEscape(pos_);
            unit = char16_t(unit * 16 + digit);
        }
        pos_ += 4;
        return QChar(unit);
    }

    JsonValue readNumber() {
        const qsizetype start = pos_;
        QString number(text_[pos_ - 1]);
        ++pos_;
        bool seenPoint = false;
        while (pos_ <= length_) {
            const char32_t c = peek();
            if (isDigit(c)) {
                number.append(QChar(char16_t(c)));
            } else if (c == u'.') {
                if (seenPoint)
                    fail(QStringLiteral("Second decimal point at character "), pos_);
                if (number == QStringLiteral("-"))
                    fail(QStringLiteral("Digit expected at character "), pos_);
                seenPoint = true;
                number.append(u'.');
            } else if (c == u'e' || c == u'E') {
                ++pos_;
                number.append(u'e');
                readExponent(number);
                break;
            } else {
                break;
            }
            ++pos_;
        }
        if (pos_ > length_)
            json::raise(13, QStringLiteral("Ran off end of string while parsing a number"));
        return convert(number, start);
    }

    void readExponent(QString& number) {
        bool seenSign = false;
        while (pos_ <= length_) {
            const char32_t c = peek();
            if (c == u'+' || c == u'-') {
                if (seenSign)
                    fail(QStringLiteral("Second exponent sign at character "), pos_);
                seenSign = true;
            } else if (!isDigit(c)) {
                return;
            }
            number.append(QChar(char16_t(c)));
            ++pos_;
        }
    }

    JsonValue convert(const QString& number, qsizetype start) const {
        if (decimalMode_) {
            if (const auto value = JsonDecimal::fromText(number))
                return *value;
        } else if (const auto value = json::parseDouble(number)) {
            return *value;
        }
        json::raise(6, QStringLiteral("Number overflow or parse error at character ") +
                           QString::number(start));
    }

    const QString& text_;
    const qsizetype length_;
    // Numbers become Decimal rather than Double; child nodes inherit it.
    const bool decimalMode_;
    qsizetype pos_ = 1;
};

} // namespace

namespace json {

void parse(JsonNode& node, const QString& text) {
    node.Clear();
    Parser(text, node.DecimalMode()).readDocument(node);
}

} // namespace json
