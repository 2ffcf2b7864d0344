#include "PreferencesLocation.h"

#include <QStandardPaths>

namespace tavrel {

QString preferencesDomain()
{
    return QStringLiteral("org.tavrel.Tavrel");
}

QString preferencesFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           preferencesDomain() + QStringLiteral(".plist");
}

} // namespace tavrel
