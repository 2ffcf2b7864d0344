#include "CommunicationSettingsFolder.h"

#include "KeyedAlert.h"
#include "PropertyList.h"
#include "UiTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tavrel {

namespace {

constexpr int kMaxNumberedNames = 999;

} // namespace

CommunicationSettingsFolder::CommunicationSettingsFolder(const QString& accessPath)
    : m_path(QDir::cleanPath(accessPath))
{}

QString CommunicationSettingsFolder::filePath(const QString& name) const
{
    return m_path + u'/' + name;
}

bool CommunicationSettingsFolder::isUsableName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') && !name.contains(QChar(0));
}

bool CommunicationSettingsFolder::exists(const QString& name) const
{
    const QFileInfo info(filePath(name));
    return info.exists() || info.isSymLink();
}

QStringList CommunicationSettingsFolder::names() const
{
    QStringList names = QDir(m_path).entryList(QDir::Files, QDir::NoSort);
    names.removeIf([](const QString& name) { return name.startsWith(u'.'); });
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<CommunicationSettings> CommunicationSettingsFolder::read(const QString& name) const
{
    if (!isUsableName(name))
        return std::nullopt;
    const std::optional<PlistDict> dict = PropertyList::readDictionaryFile(filePath(name));
    if (!dict)
        return std::nullopt;
    return CommunicationSettings::fromDictionary(*dict);
}

std::optional<CommunicationSettings> CommunicationSettingsFolder::readForRun(const QString& name,
                                                                             AlertPanel& alerts) const
{
    std::optional<CommunicationSettings> settings = read(name);
    if (!settings) {
        const QString message = uiText(u"CouldNotReadTsushinSetteiFileErrorMessage") + u" (" + name + u')';
        showOkAlertText(alerts, u"CouldNotReadTsushinSetteiFileErrorTitle", message);
    }
    return settings;
}

CommunicationSettings CommunicationSettingsFolder::readForEditing(const QString& name) const
{
    return read(name).value_or(CommunicationSettings());
}

bool CommunicationSettingsFolder::write(const QString& name, const CommunicationSettings& settings) const
{
    if (!isUsableName(name))
        return false;
    return PropertyList::writeFile(filePath(name), settings.toDictionary());
}

QString CommunicationSettingsFolder::proposeNewName() const
{
    const QString base = QStringLiteral("untitled");
    if (!exists(base))
        return base;
    for (int n = 1; n <= kMaxNumberedNames; ++n) {
        const QString name = base + u' ' + QString::number(n);
        if (!exists(name))
            return name;
    }
    return {};
}

bool CommunicationSettingsFolder::create(const QString& name, AlertPanel& alerts) const
{
    if (!isUsableName(name) || exists(name) ||
        !PropertyList::writeFile(filePath(name), PlistValue(PlistArray()))) {
        showOkAlert(alerts, u"CouldNotCreateAlertTitle", u"CouldNotCreateTsushinSetteiFileAlertMessage");
        return false;
    }
    return true;
}

std::optional<QString> CommunicationSettingsFolder::duplicate(const QString& name) const
{
    if (!isUsableName(name))
        return std::nullopt;
    QFile source(filePath(name));
    if (!source.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = source.readAll();
    for (int n = 1; n <= kMaxNumberedNames; ++n) {
        const QString copyName = name + u'_' + QString::number(n);
        if (exists(copyName))
            continue;
        if (!PropertyList::writeBytes(filePath(copyName), bytes))
            return std::nullopt;
        return copyName;
    }
    return std::nullopt;
}

bool CommunicationSettingsFolder::rename(const QString& oldName, const QString& newName,
                                         AlertPanel& alerts) const
{
    if (oldName == newName)
        return true;
    if (!isUsableName(newName) || exists(newName)) {
        showOkAlert(alerts, u"TsushinSetteiNameChangeErrorTitle", u"TsushinSetteiNameChangeErrorMessage");
        return false;
    }
    if (!isUsableName(oldName))
        return false;
    return QFile::rename(filePath(oldName), filePath(newName));
}

bool CommunicationSettingsFolder::remove(const QString& name) const
{
    return isUsableName(name) && QFile::remove(filePath(name));
}

} // namespace tavrel
