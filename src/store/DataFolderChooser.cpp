#include "DataFolderChooser.h"

#include "DataFolder.h"
#include "KeyedAlert.h"
#include "UiTexts.h"

#include <QDir>
#include <QFileInfo>

namespace tavrel {

DataFolderChooser::DataFolderChooser(AlertPanel& alerts, FolderPanel& folders)
    : m_alerts(alerts)
    , m_folders(folders)
{}

std::optional<QString> DataFolderChooser::createDataFolder()
{
    bool cancelled = false;
    return createInChosenParent(cancelled);
}

std::optional<QString> DataFolderChooser::createInChosenParent(bool& cancelled)
{
    const std::optional<QString> parent =
        m_folders.chooseFolder({uiText(u"TVLFolderCreateTitle"), QDir::homePath(), uiText(u"ChooseButton")});
    cancelled = !parent;
    if (!parent)
        return std::nullopt;
    std::optional<QString> created = DataFolder::create(*parent);
    if (!created)
        showOkAlert(m_alerts, u"CouldNotCreateAlertTitle", u"CouldNotCreateTVLFolderAlertMessage");
    return created;
}

std::optional<QString> DataFolderChooser::chooseDataFolder(const QString& currentPath)
{
    QString start = QDir::homePath();
    if (!currentPath.isEmpty()) {
        const QString parent = QFileInfo(QDir::cleanPath(currentPath)).absolutePath();
        if (QFileInfo(parent).isDir())
            start = parent;
    }
    const std::optional<QString> chosen =
        m_folders.chooseFolder({uiText(u"TVLFolderChangeTitle"), start, uiText(u"ChooseButton")});
    if (!chosen)
        return std::nullopt;
    return acceptExisting(*chosen);
}

std::optional<QString> DataFolderChooser::acceptTypedPath(const QString& typed)
{
    return acceptExisting(typed);
}

std::optional<QString> DataFolderChooser::acceptExisting(const QString& path)
{
    if (!DataFolder::isValid(path)) {
        showOkAlert(m_alerts, u"CouldNotSelectAlertTitle", u"CouldNotSelectTVLFolderAlertMessage");
        return std::nullopt;
    }
    return QDir::cleanPath(path);
}

std::optional<QString> DataFolderChooser::ensureAtStartup(const QString& storedPath)
{
    QString path = QFileInfo(storedPath).isDir() ? QDir::cleanPath(storedPath) : QString();
    while (!DataFolder::isValid(path)) {
        bool cancelled = false;
        const std::optional<QString> created = createInChosenParent(cancelled);
        if (cancelled)
            return std::nullopt;
        if (created)
            path = *created;
    }
    DataFolder(path).repairOptionalFolders();
    return path;
}

} // namespace tavrel
