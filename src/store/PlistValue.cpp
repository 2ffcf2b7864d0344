#include "store/PlistValue.h"

#include <QVariantList>
#include <QVariantMap>

namespace tavrel {

namespace {

const PlistArray& emptyArray()
{
    static const PlistArray empty;
    return empty;
}

const PlistDict& emptyDict()
{
    static const PlistDict empty;
    return empty;
}

} // namespace

PlistValue::PlistValue(const QString& text)
    : m_value(text)
{}
PlistValue::PlistValue(QString&& text)
    : m_value(std::move(text))
{}
PlistValue::PlistValue(QStringView text)
    : m_value(text.toString())
{}
PlistValue::PlistValue(const char16_t* text)
    : m_value(QString::fromUtf16(text))
{}
PlistValue::PlistValue(int number)
    : m_value(qint64(number))
{}
PlistValue::PlistValue(qint64 number)
    : m_value(number)
{}
PlistValue::PlistValue(double number)
    : m_value(number)
{}
PlistValue::PlistValue(bool flag)
    : m_value(flag)
{}
PlistValue::PlistValue(const QDateTime& date)
    : m_value(date)
{}
PlistValue::PlistValue(const QByteArray& bytes)
    : m_value(bytes)
{}
PlistValue::PlistValue(const PlistArray& array)
    : m_value(std::make_shared<PlistArray>(array))
{}
PlistValue::PlistValue(PlistArray&& array)
    : m_value(std::make_shared<PlistArray>(std::move(array)))
{}
PlistValue::PlistValue(const PlistDict& dict)
    : m_value(std::make_shared<PlistDict>(dict))
{}
PlistValue::PlistValue(PlistDict&& dict)
    : m_value(std::make_shared<PlistDict>(std::move(dict)))
{}

QString PlistValue::toString() const
{
    const QString* text = std::get_if<QString>(&m_value);
    return text ? *text : QString();
}

qint64 PlistValue::toInteger() const
{
    const qint64* number = std::get_if<qint64>(&m_value);
    return number ? *number : 0;
}

double PlistValue::toReal() const
{
    const double* number = std::get_if<double>(&m_value);
    return number ? *number : 0.0;
}

bool PlistValue::toBool() const
{
    const bool* flag = std::get_if<bool>(&m_value);
    return flag && *flag;
}

QDateTime PlistValue::toDate() const
{
    const QDateTime* date = std::get_if<QDateTime>(&m_value);
    return date ? *date : QDateTime();
}

QByteArray PlistValue::toData() const
{
    const QByteArray* bytes = std::get_if<QByteArray>(&m_value);
    return bytes ? *bytes : QByteArray();
}

const PlistArray& PlistValue::toArray() const
{
    const auto* array = std::get_if<std::shared_ptr<PlistArray>>(&m_value);
    return array ? **array : emptyArray();
}

const PlistDict& PlistValue::toDict() const
{
    const auto* dict = std::get_if<std::shared_ptr<PlistDict>>(&m_value);
    return dict ? **dict : emptyDict();
}

PlistArray& PlistValue::array()
{
    auto* array = std::get_if<std::shared_ptr<PlistArray>>(&m_value);
    if (!array) {
        m_value = std::make_shared<PlistArray>();
        array = std::get_if<std::shared_ptr<PlistArray>>(&m_value);
    } else if (array->use_count() > 1) {
        *array = std::make_shared<PlistArray>(**array);
    }
    return **array;
}

PlistDict& PlistValue::dict()
{
    auto* dict = std::get_if<std::shared_ptr<PlistDict>>(&m_value);
    if (!dict) {
        m_value = std::make_shared<PlistDict>();
        dict = std::get_if<std::shared_ptr<PlistDict>>(&m_value);
    } else if (dict->use_count() > 1) {
        *dict = std::make_shared<PlistDict>(**dict);
    }
    return **dict;
}

QVariant PlistValue::toVariant() const
{
    switch (type()) {
    case Type::Invalid:
        return {};
    case Type::String:
        return toString();
    case Type::Integer:
        return qlonglong(toInteger());
    case Type::Real:
        return toReal();
    case Type::Bool:
        return toBool();
    case Type::Date:
        return toDate();
    case Type::Data:
        return toData();
    case Type::Array: {
        QVariantList list;
        list.reserve(toArray().size());
        for (const PlistValue& item : toArray())
            list.append(item.toVariant());
        return list;
    }
    case Type::Dict: {
        QVariantMap map;
        for (const auto& [key, item] : toDict())
            map.insert(key, item.toVariant());
        return map;
    }
    }
    return {};
}

PlistValue PlistValue::fromVariant(const QVariant& variant)
{
    switch (variant.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::QString:
        return variant.toString();
    case QMetaType::Bool:
        return variant.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return qint64(variant.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        // Past the signed range there is no integer to hold it: keep its digits.
        const qulonglong number = variant.toULongLong();
        if (number > qulonglong(std::numeric_limits<qint64>::max()))
            return QString::number(number);
        return qint64(number);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return variant.toDouble();
    case QMetaType::QDateTime:
        return variant.toDateTime();
    case QMetaType::QByteArray:
        return variant.toByteArray();
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        PlistArray array;
        const QVariantList list = variant.toList();
        array.reserve(list.size());
        for (const QVariant& item : list)
            array.append(fromVariant(item));
        return array;
    }
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash: {
        PlistDict dict;
        const QVariantMap map = variant.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            dict.insert(it.key(), fromVariant(it.value()));
        return dict;
    }
    default:
        if (variant.canConvert<QString>())
            return variant.toString();
        return {};
    }
}

bool operator==(const PlistValue& a, const PlistValue& b)
{
    if (a.type() != b.type())
        return false;
    switch (a.type()) {
    case PlistValue::Type::Array:
        return a.toArray() == b.toArray();
    case PlistValue::Type::Dict:
        return a.toDict() == b.toDict();
    default:
        return a.m_value == b.m_value;
    }
}

} // namespace tavrel
