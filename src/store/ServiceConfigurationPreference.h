#pragma once

// The dictionary of the preferences under "ServiceConfiguration" that overrides entries of the
// service configuration (endpoint hosts and service-expected texts).

#include <QVariantMap>

namespace tavrel {

class Preferences;

// The key of the override dictionary in the preferences.
QString serviceConfigurationPreferenceKey();

// The override dictionary; empty when the key is absent or not a dictionary.
QVariantMap serviceConfigurationOverrides(const Preferences& preferences);

} // namespace tavrel
