#include "json/json_node.h"

#include "json/json_member_key.h"
#include "json/json_node_data.h"
#include "json/json_parser.h"
#include "json/json_serialiser.h"

JsonNode::JsonNode() : d_(std::make_shared<JsonNodeData>()) {}

bool JsonNode::Whitespace() const {
    return d_->whitespace;
}

void JsonNode::setWhitespace(bool value) {
    d_->whitespace = value;
}

int JsonNode::Count() const {
    return d_->values.count();
}

bool JsonNode::DecimalMode() const {
    return d_->decimalMode;
}

void JsonNode::setDecimalMode(bool value) {
    d_->decimalMode = value;
}

bool JsonNode::IsArray() const {
    return d_->isArray;
}

void JsonNode::setIsArray(bool value) {
    if (Count() >= 1)
        json::raise(5, QStringLiteral("Cannot change IsArray setting after items have been added"));
    d_->isArray = value;
    if (value)
        d_->names.reset();
    else
        d_->names.emplace();
}

JsonValue JsonNode::Item(const JsonKey& key) const {
    if (key.isNull())
        json::raise(94, QStringLiteral("Key must be String or an index)"));
    if (!key.isText())
        return d_->values.at(key.position());
    if (d_->isArray)
        json::raise(5, QStringLiteral("Array values can only be acessed by index"));
    return d_->values.at(json::memberKey(key.text()));
}

void JsonNode::setItem(const JsonKey& key, const JsonValue& value) {
    if (d_->isArray) {
        if (key.isText())
            json::raise(
                5, QStringLiteral("Array values can only be changed by index or added via Null"));
        if (key.isNull() || key.position() > Count())
            d_->values.add(value);
        else
            d_->values.replaceAt(key.position(), value);
        return;
    }
    if (!key.isText())
        json::raise(
            5, QStringLiteral("Object values can only be changed or added by key not by index"));
    const QString memberKey = json::memberKey(key.text());
    if (d_->values.contains(memberKey)) {
        d_->values.remove(memberKey);
        d_->names->remove(memberKey);
    }
    d_->values.add(value, memberKey);
    d_->names->add(key.text(), memberKey);
}

QString JsonNode::JSON() const {
    return json::serialise(*this);
}

void JsonNode::setJSON(const QString& text) {
    json::parse(*this, text);
}

QString JsonNode::Name(int index) const {
    if (d_->isArray)
        json::raise(5, QStringLiteral("Array items do not have names"));
    return d_->names->at(index);
}

QStringList JsonNode::Version() const {
    return {QStringLiteral("1.7")};
}

JsonNode JsonNode::AddNewArray(const JsonKey& key) {
    JsonNode child;
    child.setIsArray(true);
    setItem(key, child);
    return child;
}

JsonNode JsonNode::AddNewObject(const JsonKey& key) {
    JsonNode child;
    setItem(key, child);
    return child;
}

void JsonNode::Clear() {
    d_->values = {};
    d_->names.emplace();
    d_->isArray = false;
}

bool JsonNode::Exists(const JsonKey& key) const {
    if (key.isText())
        return !d_->isArray && d_->names->contains(json::memberKey(key.text()));
    return key.isPosition() && key.position() >= 1 && key.position() <= Count();
}

QStringList JsonNode::NewEnum() const {
    if (d_->isArray)
        json::raise(5, QStringLiteral("Arrays must be iterated using index values"));
    QStringList names;
    for (int position = 1; position <= d_->names->count(); ++position)
        names.append(d_->names->at(position));
    return names;
}

void JsonNode::Remove(const JsonKey& key) {
    if (key.isText()) {
        if (d_->isArray)
            json::raise(5, QStringLiteral("Must remove by index for arrays"));
        const QString memberKey = json::memberKey(key.text());
        if (d_->values.contains(memberKey)) {
            d_->values.remove(memberKey);
            d_->names->remove(memberKey);
        }
        return;
    }
    if (key.isNull())
        json::raiseInvalidArgument();
    if (key.position() > Count())
        return;
    d_->values.removeAt(key.position());
    if (d_->names)
        d_->names->removeAt(key.position());
}
