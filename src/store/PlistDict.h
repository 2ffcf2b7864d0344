#pragma once

// A property-list dictionary that keeps its keys in insertion order. Inserting an existing
// key replaces its value in place; lookups stay fast on large dictionaries.

#include "store/PlistValue.h"

#include <QHash>
#include <QList>
#include <QString>

#include <span>
#include <utility>

namespace tavrel {

class PlistDict
{
public:
    using Item = std::pair<QString, PlistValue>;
    using const_iterator = QList<Item>::const_iterator;

    PlistDict() = default;
    PlistDict(std::initializer_list<Item> items);

    qsizetype size() const { return m_items.size(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    bool contains(QStringView key) const { return indexOf(key) >= 0; }
    // Position of `key`, -1 when absent.
    qsizetype indexOf(QStringView key) const;

    // The value of `key`, or nullptr when absent.
    const PlistValue* find(QStringView key) const;
    PlistValue* find(QStringView key);
    // The value of `key`, or an invalid value when absent.
    PlistValue value(QStringView key) const;
    // The text under `key`; `fallback` when absent or not a string.
    QString string(QStringView key, const QString& fallback = QString()) const;

    // Sets `key`: in place when present, else appended.
    void insert(const QString& key, PlistValue value);
    // The value of `key`, appended as an invalid value when absent.
    PlistValue& operator[](const QString& key);
    // Removes `key`; true when it was there.
    bool remove(QStringView key);
    // The entries whose keys are not among `keys`, in order (the keys a reader did not know).
    PlistDict without(std::span<const QStringView> keys) const;
    void clear();

    QStringList keys() const;
    const Item& at(qsizetype index) const { return m_items.at(index); }
    const_iterator begin() const { return m_items.cbegin(); }
    const_iterator end() const { return m_items.cend(); }

    // Equal when the same keys hold equal values in the same order.
    friend bool operator==(const PlistDict& a, const PlistDict& b) { return a.m_items == b.m_items; }
    friend bool operator!=(const PlistDict& a, const PlistDict& b) { return !(a == b); }

private:
    void rebuildIndex() const;

    QList<Item> m_items;
    // Key positions, kept only for dictionaries past a few keys.
    mutable QHash<QString, qsizetype> m_index;
};

} // namespace tavrel
