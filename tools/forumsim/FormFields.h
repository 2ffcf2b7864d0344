#pragma once

// The fields of a form body or query string ("a=b&c=d"): "+" is a blank, "%XX" a byte, and
// the bytes of each name and value are Shift_JIS text, as the client encodes them.

#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace tavrel::forumsim {

class FormFields
{
public:
    // Nothing when a name or value is not valid Shift_JIS.
    static std::optional<FormFields> parse(QByteArrayView encoded);
    // Percent-decoding alone ("+" as a blank), for one component.
    static QByteArray percentDecode(QByteArrayView encoded);

    bool contains(const QString& name) const;
    // The first value of the name; empty when absent.
    QString value(const QString& name) const;
    // Names in the order sent (a repeated name once).
    QStringList names() const;
    QVariantMap toVariantMap() const;
    bool isEmpty() const { return m_fields.isEmpty(); }

private:
    QList<QPair<QString, QString>> m_fields;
};

} // namespace tavrel::forumsim
