#include "BoardTreeBuilder.h"

#include "platform/AlertPanel.h"
#include "platform/SystemLog.h"
#include "platform/Trash.h"
#include "store/UiTexts.h"

#include <QDir>

namespace tavrel {

BoardTreeBuilder::BoardTreeBuilder(AlertPanel& alerts, Trash& trash, SystemLog& log)
    : m_alerts(alerts)
    , m_trash(trash)
    , m_log(log)
{}

QStringList BoardTreeBuilder::boardLogNames(const QString& warehousePath)
{
    // Only files: a folder standing in Warehouse is nothing to read or to offer for the trash.
    const QDir warehouse(warehousePath);
    QStringList names = warehouse.entryList(QDir::Files, QDir::Name);
    names.removeIf([](const QString& name) { return name.startsWith(u'.') || name.startsWith(u'_'); });
    return names;
}

KaigishitsuArray BoardTreeBuilder::makeBrowseKaigishitsuTable(const QString& warehousePath)
{
    KaigishitsuArray kaigishitsuArray;
    const QDir warehouse(warehousePath);
    for (const QString& name : boardLogNames(warehousePath)) {
        m_log.logDetail(u"Read File in Warehouse Folder : " + name);
        const QString path = warehouse.filePath(name);
        auto board = std::make_unique<KaigishitsuItem>();
        if (!board->readWithFile(path)) {
            reportBrokenFile(path, name);
            continue;
        }
        KaigishitsuItem* node = nullptr;
        for (const auto& forum : kaigishitsuArray) {
            if (forum->forumName() == board->forumName()) {
                node = forum.get();
                break;
            }
        }
        if (!node) {
            // A board without a forum name gets a node of its own: the node shows the
            // "unknown forum" text, which no board's empty name equals.
            const QString forumName =
                board->forumName().isEmpty() ? uiText(u"ForumNameFumei") : board->forumName();
            kaigishitsuArray.push_back(KaigishitsuItem::initWithForumName(forumName));
            node = kaigishitsuArray.back().get();
        }
        node->addChild(std::move(board));
    }
    return kaigishitsuArray;
}

void BoardTreeBuilder::reportBrokenFile(const QString& path, const QString& name)
{
    AlertRequest request;
    request.title = uiText(u"FileInWarehouseDamageErrorTitle");
    request.message = uiText(u"FileInWarehouseDamageErrorMessage") + u'(' + name + u')';
    request.buttons = {uiText(u"OK"), uiText(u"FileInWarehouseDamageErrorDeleteFileButton")};
    if (m_alerts.runAlert(request) == AlertAnswer::Alternate && !m_trash.moveToTrash(path))
        m_log.log(u"Could not move to the trash : " + path);
}

} // namespace tavrel
