#include "store/PlistDict.h"

namespace tavrel {

namespace {

// Below this size a plain scan is faster than keeping an index.
constexpr qsizetype indexThreshold = 12;

} // namespace

PlistDict::PlistDict(std::initializer_list<Item> items)
{
    for (const Item& item : items)
        insert(item.first, item.second);
}

qsizetype PlistDict::indexOf(QStringView key) const
{
    if (m_items.size() < indexThreshold) {
        for (qsizetype i = 0; i < m_items.size(); ++i) {
            if (m_items.at(i).first == key)
                return i;
        }
        return -1;
    }
    if (m_index.size() != m_items.size())
        rebuildIndex();
    const auto it = m_index.constFind(key.toString());
    return it == m_index.cend() ? -1 : it.value();
}

const PlistValue* PlistDict::find(QStringView key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? nullptr : &m_items.at(i).second;
}

PlistValue* PlistDict::find(QStringView key)
{
    const qsizetype i = indexOf(key);
    return i < 0 ? nullptr : &m_items[i].second;
}

PlistValue PlistDict::value(QStringView key) const
{
    const PlistValue* found = find(key);
    return found ? *found : PlistValue();
}

QString PlistDict::string(QStringView key, const QString& fallback) const
{
    const PlistValue* found = find(key);
    return found && found->isString() ? found->toString() : fallback;
}

void PlistDict::insert(const QString& key, PlistValue value)
{
    (*this)[key] = std::move(value);
}

PlistValue& PlistDict::operator[](const QString& key)
{
    const qsizetype i = indexOf(key);
    if (i >= 0)
        return m_items[i].second;
    m_items.append(Item(key, PlistValue()));
    if (!m_index.isEmpty())
        m_index.insert(key, m_items.size() - 1);
    return m_items.last().second;
}

bool PlistDict::remove(QStringView key)
{
    const qsizetype i = indexOf(key);
    if (i < 0)
        return false;
    m_items.removeAt(i);
    m_index.clear();
    return true;
}

PlistDict PlistDict::without(std::span<const QStringView> keys) const
{
    PlistDict rest;
    for (const auto& [key, value] : m_items) {
        if (std::find(keys.begin(), keys.end(), QStringView(key)) == keys.end())
            rest.m_items.append({key, value});
    }
    return rest;
}

void PlistDict::clear()
{
    m_items.clear();
    m_index.clear();
}

QStringList PlistDict::keys() const
{
    QStringList keys;
    keys.reserve(m_items.size());
    for (const Item& item : m_items)
        keys.append(item.first);
    return keys;
}

void PlistDict::rebuildIndex() const
{
    m_index.clear();
    m_index.reserve(m_items.size());
    for (qsizetype i = 0; i < m_items.size(); ++i)
        m_index.insert(m_items.at(i).first, i);
}

} // namespace tavrel
