#include "FormFields.h"

#include "text/TextEncoding.h"

namespace tavrel::forumsim {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<QString> decodeComponent(QByteArrayView encoded)
{
    return encoding::decodeShiftJis(FormFields::percentDecode(encoded));
}

} // namespace

QByteArray FormFields::percentDecode(QByteArrayView encoded)
{
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            bytes.append(' ');
        } else if (c == '%' && i + 2 < encoded.size() && hexValue(encoded[i + 1]) >= 0 &&
                   hexValue(encoded[i + 2]) >= 0) {
            bytes.append(char(hexValue(encoded[i + 1]) * 16 + hexValue(encoded[i + 2])));
            i += 2;
        } else {
            bytes.append(c);
        }
    }
    return bytes;
}

std::optional<FormFields> FormFields::parse(QByteArrayView encoded)
{
    FormFields fields;
    qsizetype start = 0;
    while (start <= encoded.size()) {
        qsizetype end = encoded.indexOf('&', start);
        if (end < 0)
            end = encoded.size();
        const QByteArrayView pair = encoded.sliced(start, end - start);
        if (!pair.isEmpty()) {
            const qsizetype equals = pair.indexOf('=');
            const auto name = decodeComponent(equals < 0 ? pair : pair.first(equals));
            const auto value = decodeComponent(equals < 0 ? QByteArrayView() : pair.sliced(equals + 1));
            if (!name || !value)
                return std::nullopt;
            fields.m_fields.append({*name, *value});
        }
        start = end + 1;
    }
    return fields;
}

bool FormFields::contains(const QString& name) const
{
    for (const auto& field : m_fields) {
        if (field.first == name)
            return true;
    }
    return false;
}

QString FormFields::value(const QString& name) const
{
    for (const auto& field : m_fields) {
        if (field.first == name)
            return field.second;
    }
    return {};
}

QStringList FormFields::names() const
{
    QStringList result;
    for (const auto& field : m_fields) {
        if (!result.contains(field.first))
            result.append(field.first);
    }
    return result;
}

QVariantMap FormFields::toVariantMap() const
{
    QVariantMap map;
    for (const QString& name : names())
        map.insert(name, value(name));
    return map;
}

} // namespace tavrel::forumsim
