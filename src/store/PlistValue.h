#pragma once

// One value of a property list: a string, an integer (64-bit), a real, a flag, a date, a block
// of bytes, an array or an ordered dictionary. Containers are shared until changed
// (copying a value is cheap; the first change through a non-const accessor detaches it).

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <limits>
#include <memory>
#include <variant>

namespace tavrel {

class PlistValue;
class PlistDict;
using PlistArray = QList<PlistValue>;

class PlistValue
{
public:
    enum class Type
    {
        Invalid, // no value; written as an empty string
        String,
        Integer,
        Real,
        Bool,
        Date,
        Data,
        Array,
        Dict,
    };

    PlistValue() = default;
    PlistValue(const QString& text);
    PlistValue(QString&& text);
    PlistValue(QStringView text);
    PlistValue(const char16_t* text);
    PlistValue(int number);
    PlistValue(qint64 number);
    PlistValue(double number);
    PlistValue(bool flag);
    PlistValue(const QDateTime& date);
    PlistValue(const QByteArray& bytes);
    PlistValue(const PlistArray& array);
    PlistValue(PlistArray&& array);
    PlistValue(const PlistDict& dict);
    PlistValue(PlistDict&& dict);
    // Plain C strings would silently become flags: say which text is meant instead.
    PlistValue(const char*) = delete;
    PlistValue(const void*) = delete;

    Type type() const { return Type(m_value.index()); }
    bool isValid() const { return type() != Type::Invalid; }
    bool isString() const { return type() == Type::String; }
    bool isArray() const { return type() == Type::Array; }
    bool isDict() const { return type() == Type::Dict; }

    // Each accessor gives the stored value when the type matches, else an empty or zero one.
    QString toString() const;
    qint64 toInteger() const;
    double toReal() const;
    bool toBool() const;
    QDateTime toDate() const;
    QByteArray toData() const;
    const PlistArray& toArray() const;
    const PlistDict& toDict() const;

    // Changeable containers; a value of another type first becomes an empty one.
    PlistArray& array();
    PlistDict& dict();

    // Plain Qt form, for QSettings and the like: QString, qlonglong, double, bool, QDateTime,
    // QByteArray, QVariantList, QVariantMap (a map forgets the key order).
    QVariant toVariant() const;
    // The reverse; lists and maps become arrays and dictionaries, other types their text
    // (QVariant::toString) when they have one, else an invalid value.
    static PlistValue fromVariant(const QVariant& variant);

    friend bool operator==(const PlistValue& a, const PlistValue& b);
    friend bool operator!=(const PlistValue& a, const PlistValue& b) { return !(a == b); }

private:
    // Order matches Type.
    std::variant<std::monostate, QString, qint64, double, bool, QDateTime, QByteArray,
                 std::shared_ptr<PlistArray>, std::shared_ptr<PlistDict>>
        m_value;
};

} // namespace tavrel

// The dictionary is needed by every user of values; its header includes this one first.
#include "store/PlistDict.h"
