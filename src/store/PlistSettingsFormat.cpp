#include "PlistSettingsFormat.h"

#include "PropertyList.h"

#include <QIODevice>

namespace tavrel {

namespace {

bool readPlist(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray bytes = device.readAll();
    if (bytes.trimmed().isEmpty())
        return true;
    const std::optional<PlistValue> root =
        PropertyList::parse(bytes, nullptr, PropertyList::Root::Dictionary);
    if (!root)
        return false;
    for (const auto& [key, value] : root->toDict())
        map.insert(key, value.toVariant());
    return true;
}

bool writePlist(QIODevice& device, const QSettings::SettingsMap& map)
{
    PlistDict root;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        root.insert(it.key(), PlistValue::fromVariant(it.value()));
    const QByteArray bytes = PropertyList::serialize(root);
    return device.write(bytes) == bytes.size();
}

} // namespace

QSettings::Format plistSettingsFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("plist"), readPlist, writePlist, Qt::CaseSensitive);
    return format;
}

} // namespace tavrel
