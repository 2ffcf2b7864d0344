#include "KaigishitsuItem.h"

#include "store/BoardLogFile.h"
#include "text/IntegerValue.h"

namespace tavrel {

KaigishitsuItem::KaigishitsuItem()
    : m_kaigishitsuHeader(BoardLogHeader())
{}

std::unique_ptr<KaigishitsuItem> KaigishitsuItem::initWithForumName(const QString& forumName)
{
    auto item = std::make_unique<KaigishitsuItem>();
    item->m_kaigishitsuHeader.reset();
    item->m_isFirstLevel = true;
    item->m_forumName = forumName;
    return item;
}

std::unique_ptr<KaigishitsuItem> KaigishitsuItem::initWithFile(const QString& path)
{
    auto item = std::make_unique<KaigishitsuItem>();
    item->readWithFile(path);
    return item;
}

bool KaigishitsuItem::readWithFile(const QString& path, QString* error)
{
    m_fullPath = path;
    std::optional<BoardLogHeader> header = BoardLogFile::readHeader(path, error);
    if (!header) {
        m_isBrokenFile = true;
        return false;
    }
    m_isBrokenFile = false;
    header->deriveNames();
    m_forumName = header->forumName();
    m_kaigishitsuHeader = std::move(*header);
    return true;
}

QString KaigishitsuItem::boardName() const
{
    return m_kaigishitsuHeader ? m_kaigishitsuHeader->boardName() : QString();
}

QString KaigishitsuItem::kaigishitsuTitle() const
{
    if (!m_kaigishitsuHeader)
        return QStringLiteral(":");
    return m_kaigishitsuHeader->forumID() + u':' + m_kaigishitsuHeader->kaigishitsuName();
}

QString KaigishitsuItem::kaigishitsuTitleForTable() const
{
    return m_kaigishitsuHeader ? m_kaigishitsuHeader->kaigishitsuName() : QString();
}

QString KaigishitsuItem::kaigishitsuID() const
{
    return m_kaigishitsuHeader ? m_kaigishitsuHeader->forumID() : QString();
}

QString KaigishitsuItem::postURL() const
{
    return m_kaigishitsuHeader ? m_kaigishitsuHeader->postURL() : QString();
}

int KaigishitsuItem::midokuSuu() const
{
    return m_kaigishitsuHeader ? integerValue(m_kaigishitsuHeader->midokuSu()) : 0;
}

void KaigishitsuItem::addMidokuSuu(int n)
{
    if (m_kaigishitsuHeader)
        m_kaigishitsuHeader->setMidokuSu(QString::number(saturatingAdd(midokuSuu(), n)));
}

bool KaigishitsuItem::isMidokuAri() const
{
    if (!m_isFirstLevel)
        return midokuSuu() > 0;
    for (const auto& child : m_children) {
        if (child->midokuSuu() > 0)
            return true;
    }
    return false;
}

void KaigishitsuItem::setKaigishitsuName(const QString& name)
{
    if (m_kaigishitsuHeader)
        m_kaigishitsuHeader->setKaigishitsuName(name);
}

void KaigishitsuItem::setBoardName(const QString& name)
{
    if (m_kaigishitsuHeader)
        m_kaigishitsuHeader->setBoardName(name);
}

void KaigishitsuItem::setForumName(const QString& name)
{
    m_forumName = name;
    if (m_kaigishitsuHeader)
        m_kaigishitsuHeader->setForumName(name);
}

KaigishitsuItem* KaigishitsuItem::childAtIndex(int index) const
{
    if (index < 0 || index >= numberOfChildren())
        return nullptr;
    return m_children[size_t(index)].get();
}

int KaigishitsuItem::indexOfChild(const KaigishitsuItem* child) const
{
    for (int i = 0; i < numberOfChildren(); ++i) {
        if (m_children[size_t(i)].get() == child)
            return i;
    }
    return -1;
}

void KaigishitsuItem::addChild(std::unique_ptr<KaigishitsuItem> child)
{
    child->m_parent = this;
    m_children.push_back(std::move(child));
}

} // namespace tavrel
