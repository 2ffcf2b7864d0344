#pragma once

// QSettings over an XML property list: the file's root dictionary is the settings map, each
// value in its plain Qt form (see PlistValue::toVariant).

#include <QSettings>

namespace tavrel {

// The format, registered with QSettings on first use.
QSettings::Format plistSettingsFormat();

} // namespace tavrel
