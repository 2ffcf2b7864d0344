#include "ServiceConfigurationPreference.h"

#include "Preferences.h"

namespace tavrel {

QString serviceConfigurationPreferenceKey()
{
    return QStringLiteral("ServiceConfiguration");
}

QVariantMap serviceConfigurationOverrides(const Preferences& preferences)
{
    const QVariant stored = preferences.value(serviceConfigurationPreferenceKey());
    return stored.typeId() == QMetaType::QVariantMap ? stored.toMap() : QVariantMap();
}

} // namespace tavrel
