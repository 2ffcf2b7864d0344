#include "BoardTreeModel.h"

namespace tavrel {

BoardTreeModel::BoardTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
{}

BoardTreeModel::~BoardTreeModel() = default;

void BoardTreeModel::setKaigishitsuArray(KaigishitsuArray array)
{
    beginResetModel();
    m_kaigishitsuArray = std::move(array);
    rebuildRows();
    endResetModel();
}

void BoardTreeModel::setUnreadTitleColor(const UnreadTitleColor& color)
{
    m_unreadTitleColor = color;
    reloadData();
}

void BoardTreeModel::reloadData()
{
    for (size_t i = 0; i < m_kaigishitsuArray.size(); ++i) {
        const KaigishitsuItem& forum = *m_kaigishitsuArray[i];
        const QModelIndex top = index(int(i), 0);
        emit dataChanged(top, top);
        if (forum.numberOfChildren() > 0)
            emit dataChanged(index(0, 0, top), index(forum.numberOfChildren() - 1, 0, top));
    }
}

void BoardTreeModel::rebuildRows()
{
    m_rows.clear();
    m_topIndex.clear();
    m_flatRow.clear();
    for (const auto& forum : m_kaigishitsuArray) {
        m_topIndex.insert(forum.get(), int(m_topIndex.size()));
        m_flatRow.insert(forum.get(), int(m_rows.size()));
        m_rows.push_back(forum.get());
        for (int i = 0; i < forum->numberOfChildren(); ++i) {
            m_flatRow.insert(forum->childAtIndex(i), int(m_rows.size()));
            m_rows.push_back(forum->childAtIndex(i));
        }
    }
}

KaigishitsuItem* BoardTreeModel::itemAtRow(int row) const
{
    if (row < 0 || row >= flatRowCount())
        return nullptr;
    return m_rows[size_t(row)];
}

KaigishitsuItem* BoardTreeModel::boardAtRow(int row) const
{
    KaigishitsuItem* item = itemAtRow(row);
    return item && !item->isFirstLevel() ? item : nullptr;
}

int BoardTreeModel::topRowOf(const KaigishitsuItem* forum) const
{
    return m_topIndex.value(forum, -1);
}

int BoardTreeModel::rowForItem(const KaigishitsuItem* item) const
{
    return m_flatRow.value(item, -1);
}

int BoardTreeModel::rowForFullPath(const QString& fullPath) const
{
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (!m_rows[row]->isFirstLevel() && m_rows[row]->fullPath() == fullPath)
            return int(row);
    }
    return -1;
}

QModelIndex BoardTreeModel::indexForRow(int row) const
{
    KaigishitsuItem* item = itemAtRow(row);
    if (!item)
        return {};
    if (!item->parent())
        return index(topRowOf(item), 0);
    // A board's flat row is its forum's flat row plus one plus its place among the children.
    const int forumRow = rowForItem(item->parent());
    return createIndex(row - forumRow - 1, 0, item);
}

int BoardTreeModel::rowForIndex(const QModelIndex& index) const
{
    return rowForItem(itemOf(index));
}

KaigishitsuItem* BoardTreeModel::itemOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<KaigishitsuItem*>(index.internalPointer());
}

QModelIndex BoardTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid()) {
        if (row >= int(m_kaigishitsuArray.size()))
            return {};
        return createIndex(row, 0, m_kaigishitsuArray[size_t(row)].get());
    }
    const KaigishitsuItem* forum = itemOf(parent);
    KaigishitsuItem* child = forum ? forum->childAtIndex(row) : nullptr;
    return child ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex BoardTreeModel::parent(const QModelIndex& child) const
{
    const KaigishitsuItem* item = itemOf(child);
    if (!item || !item->parent())
        return {};
    const int top = topRowOf(item->parent());
    return top < 0 ? QModelIndex() : createIndex(top, 0, item->parent());
}

int BoardTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(m_kaigishitsuArray.size());
    if (parent.column() != 0)
        return 0;
    const KaigishitsuItem* item = itemOf(parent);
    return item ? item->numberOfChildren() : 0;
}

int BoardTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool BoardTreeModel::hasChildren(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return !m_kaigishitsuArray.empty();
    const KaigishitsuItem* item = itemOf(parent);
    return item && item->isFirstLevel();
}

QVariant BoardTreeModel::data(const QModelIndex& index, int role) const
{
    const KaigishitsuItem* item = itemOf(index);
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return item->isFirstLevel() ? item->forumName() : item->boardName();
    case IsBoldRole:
        return item->isMidokuAri();
    case UnreadTitleColorRole:
        if (m_unreadTitleColor.enabled && item->isMidokuAri())
            return QVariant::fromValue(m_unreadTitleColor.color);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags BoardTreeModel::flags(const QModelIndex& index) const
{
    const KaigishitsuItem* item = itemOf(index);
    if (!item)
        return Qt::NoItemFlags;
    // Forum nodes cannot be selected; no cell is editable.
    return item->isFirstLevel() ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tavrel
