#pragma once

#include "json/json_error.h"

#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace json {

// An ordered list whose items may carry a unique text key: positions are
// 1-based, lookups by key go through a hash. Its failures are the platform
// collection's: an absent key is error 5, a position out of range error 9.
template <typename T> class KeyedList {
public:
    int count() const { return int(entries_.size()); }

    // A key must not be present already.
    void add(T value, std::optional<QString> key = std::nullopt) {
        Q_ASSERT(!key || !contains(*key));
        auto entry = std::make_unique<Entry>(Entry{std::move(key), std::move(value)});
        if (entry->key)
            index_.emplace(*entry->key, entry.get());
        entries_.push_back(std::move(entry));
    }

    bool contains(const QString& key) const { return index_.find(key) != index_.end(); }

    const T& at(int position) const { return entries_[checked(position)]->value; }
    T& at(int position) { return entries_[checked(position)]->value; }

    const T& at(const QString& key) const {
        const auto found = index_.find(key);
        if (found == index_.end())
            raiseInvalidArgument();
        return found->second->value;
    }

    void replaceAt(int position, T value) { entries_[checked(position)]->value = std::move(value); }

    void removeAt(int position) {
        const auto offset = checked(position);
        if (entries_[offset]->key)
            index_.erase(*entries_[offset]->key);
        entries_.erase(entries_.begin() + offset);
    }

    void remove(const QString& key) {
        const auto found = index_.find(key);
        if (found == index_.end())
            raiseInvalidArgument();
        const Entry* entry = found->second;
        index_.erase(found);
        entries_.erase(std::find_if(entries_.begin(), entries_.end(),
                                    [entry](const auto& e) { return e.get() == entry; }));
    }

private:
    struct Entry {
        std::optional<QString> key;
        T value;
    };

    std::size_t checked(int position) const {
        if (position < 1 || position > count())
            raiseSubscriptOutOfRange();
        return std::size_t(position - 1);
    }

    std::vector<std::unique_ptr<Entry>> entries_;
    // Lighter than QHash for the many small lists a document holds.
    std::unordered_map<QString, Entry*> index_;
};

} // namespace json
