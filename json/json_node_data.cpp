#include "json/json_node_data.h"

JsonNodeData::~JsonNodeData() {
    std::vector<std::shared_ptr<JsonNodeData>> pending;
    moveChildrenTo(pending);
    while (!pending.empty()) {
        std::shared_ptr<JsonNodeData> child = std::move(pending.back());
        pending.pop_back();
        // Only a child this tree alone holds dies here; empty it first so its
        // own destructor has nothing left to descend into.
        if (child.use_count() == 1)
            child->moveChildrenTo(pending);
    }
}

void JsonNodeData::moveChildrenTo(std::vector<std::shared_ptr<JsonNodeData>>& pending) {
    for (int position = 1; position <= values.count(); ++position) {
        auto* ref = std::get_if<JsonValue::NodeRef>(&values.at(position).value_);
        if (ref != nullptr && ref->data)
            pending.push_back(std::move(ref->data));
    }
}
