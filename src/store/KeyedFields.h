#pragma once

// A dictionary of texts under a fixed set of known keys, plus every other key it was given
// (kept in order, with values of any type), so that keys this program does not know survive a
// read–modify–write. A known key may be absent, which is not the same as empty.
//
// `Keys` provides `enum Key { ..., Count }` and `static constexpr QLatin1StringView names[]`.

#include "store/PlistDict.h"

#include <QLatin1StringView>
#include <QString>

#include <array>
#include <cstring>

namespace tavrel {

template<typename Keys>
class KeyedFields
{
public:
    using Key = typename Keys::Key;
    static constexpr int keyCount = int(Keys::Count);
    static_assert(keyCount <= 32, "presence bits are one word");

    bool contains(Key key) const { return m_present & bit(key); }
    // The text of `key`; empty when absent.
    const QString& value(Key key) const { return m_values[key]; }
    void setValue(Key key, QString text)
    {
        m_values[key] = std::move(text);
        m_present |= bit(key);
        if (!m_others.isEmpty())
            m_others.remove(QString(keyName(key)));
    }
    void remove(Key key)
    {
        m_values[key] = QString();
        m_present &= ~bit(key);
    }

    // Every key other than the known ones that hold texts, in the order they were set.
    const PlistDict& otherKeys() const { return m_others; }

    // Sets any key: a known key holding a text goes to its field, everything else is kept
    // among the other keys (a known key with a value of another type too, as it came).
    void set(const QString& key, const PlistValue& value)
    {
        const int index = keyIndex(key);
        if (index >= 0 && value.isString()) {
            setValue(Key(index), value.toString());
            return;
        }
        if (index >= 0)
            remove(Key(index));
        m_others.insert(key, value);
    }
    // Sets a key that is known not to be one of the known keys holding a text.
    void setOther(const QString& key, PlistValue value)
    {
        const int index = keyIndex(key);
        if (index >= 0)
            remove(Key(index));
        m_others.insert(key, std::move(value));
    }

    // All keys: the known ones present in their fixed order, then the others.
    PlistDict toDict() const
    {
        PlistDict dict;
        for (int i = 0; i < keyCount; ++i) {
            if (m_present & bit(Key(i)))
                dict.insert(QString(Keys::names[i]), m_values[i]);
        }
        for (const auto& [key, value] : m_others)
            dict.insert(key, value);
        return dict;
    }
    void assign(const PlistDict& dict)
    {
        *this = KeyedFields();
        for (const auto& [key, value] : dict)
            set(key, value);
    }

    static QLatin1StringView keyName(Key key) { return Keys::names[key]; }
    // The known key named `key`; -1 when it is not one of them.
    static int keyIndex(QStringView key)
    {
        for (int i = 0; i < keyCount; ++i) {
            if (key == Keys::names[i])
                return i;
        }
        return -1;
    }
    // The same for UTF-8 bytes, starting the search at `hint` (the next key in the usual order).
    static int keyIndex(QByteArrayView key, int hint)
    {
        for (int n = 0; n < keyCount; ++n) {
            const int i = (hint + n) % keyCount;
            const QLatin1StringView name = Keys::names[i];
            if (name.size() == key.size() && std::memcmp(name.data(), key.data(), size_t(key.size())) == 0)
                return i;
        }
        return -1;
    }

    friend bool operator==(const KeyedFields& a, const KeyedFields& b)
    {
        return a.m_present == b.m_present && a.m_values == b.m_values && a.m_others == b.m_others;
    }
    friend bool operator!=(const KeyedFields& a, const KeyedFields& b) { return !(a == b); }

private:
    static quint32 bit(Key key) { return quint32(1) << int(key); }

    std::array<QString, keyCount> m_values;
    quint32 m_present = 0;
    PlistDict m_others;
};

} // namespace tavrel
