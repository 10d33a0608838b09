#include "json/json_serialiser.h"

#include "json/json_nesting.h"
#include "json/json_node.h"
#include "json/json_number_text.h"
#include "json/json_text_encoding.h"

#include <cmath>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

class Writer {
public:
    explicit Writer(bool whitespace) : whitespace_(whitespace) {}

    // An unnamed item when `name` is null; an object member's name may be empty.
    void writeItem(const QString* name, const JsonValue& value, int level) {
        indent(level);
        if (name != nullptr) {
            out_.append(json::encodeText(*name));
            out_.append(u':');
        }
        switch (value.type()) {
        case JsonType::Empty:
        case JsonType::Null:
            out_.append(QStringLiteral("null"));
            break;
        case JsonType::Boolean:
            out_.append(value.as<bool>() ? QStringLiteral("true") : QStringLiteral("false"));
            break;
        case JsonType::Byte:
            out_.append(QString::number(value.as<quint8>()));
            break;
        case JsonType::Int16:
            out_.append(QString::number(value.as<qint16>()));
            break;
        case JsonType::Int32:
            out_.append(QString::number(value.as<qint32>()));
            break;
        case JsonType::Single:
            writeFinite(name, value.as<float>(), json::singleText(value.as<float>()));
            break;
        case JsonType::Double:
            writeFinite(name, value.as<double>(), json::doubleText(value.as<double>()));
            break;
        case JsonType::Currency:
            out_.append(value.as<JsonCurrency>().toText());
            break;
        case JsonType::Decimal:
            out_.append(value.as<JsonDecimal>().toText());
            break;
        case JsonType::Text:
            out_.append(json::encodeText(value.as<QString>()));
            break;
        case JsonType::Node:
            writeNode(value.node(), level);
            break;
        case JsonType::Date:
            json::raise(51, nameText(name) + QStringLiteral(", unknown/unsupported type = ") +
                                QString::number(int(value.type())));
        }
    }

    QString text() const { return out_; }

private:
    static QString nameText(const QString* name) { return name != nullptr ? *name : QString(); }

    void indent(int level) {
        if (whitespace_)
            out_.append(QString(4 * level, u' '));
    }

    // NaN and the infinities have no JSON form: refused like any value that
    // fails to convert, never written as something a reader would reject.
    void writeFinite(const QString* name, double value, const QString& text) {
        if (!std::isfinite(value))
            json::raise(51, nameText(name) + QStringLiteral(", value ") + text +
                                QStringLiteral(" failed to serialize"));
        out_.append(text);
    }

    void writeNode(const JsonNode& node, int level) {
        // A node stored inside itself would otherwise nest without end.
        if (level + 1 > json::kMaxNesting)
            json::raiseTooDeep();
        const bool array = node.IsArray();
        const QChar closing = array ? u']' : u'}';
        out_.append(array ? u'[' : u'{');
        const int count = node.Count();
        if (count == 0) {
            out_.append(closing);
            return;
        }
        if (whitespace_)
            out_.append(kLineBreak);
        for (int position = 1; position <= count; ++position) {
            if (array) {
                writeItem(nullptr, node.Item(position), level + 1);
            } else {
                const QString name = node.Name(position);
                writeItem(&name, node.Item(position), level + 1);
            }
            out_.append(u',');
            if (whitespace_)
                out_.append(kLineBreak);
        }
        if (whitespace_) {
            out_.chop(3);
            out_.append(kLineBreak);
            indent(level);
            out_.append(closing);
        } else {
            out_[out_.size() - 1] = closing;
        }
    }

    const bool whitespace_;
    QString out_;
};

} // namespace

namespace json {

QString serialise(const JsonNode& node) {
    Writer writer(node.Whitespace());
    writer.writeItem(nullptr, node, 0);
    return writer.text();
}

} // namespace json
