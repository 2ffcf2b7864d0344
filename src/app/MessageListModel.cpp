#include "MessageListModel.h"

#include "app/MessageOrder.h"
#include "app/MessageTitleCell.h"
#include "store/BoardLogFile.h"

namespace tavrel {

MessageListModel::MessageListModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

bool MessageListModel::readFromFile(const QString& path)
{
    std::optional<BoardLogFile> file = BoardLogFile::read(path);
    beginResetModel();
    if (file) {
        m_messageArray = std::move(file->body());
        m_otherRootKeys = std::move(file->otherRootKeys());
        m_sourcePath = path;
    } else {
        m_messageArray.clear();
        m_otherRootKeys.clear();
        m_sourcePath.clear();
    }
    endResetModel();
    return file.has_value();
}

void MessageListModel::clear()
{
    beginResetModel();
    m_messageArray.clear();
    m_otherRootKeys.clear();
    m_sourcePath.clear();
    endResetModel();
}

void MessageListModel::applyOrder(TitleOrder order)
{
    if (order == TitleOrder::Tree)
        sortTitleArrayTreeJun();
    else
        sortTitleArrayBangouJun();
}

void MessageListModel::sortTitleArrayBangouJun()
{
    reorder(&MessageOrder::sortTitleArrayBangouJun);
}

void MessageListModel::sortTitleArrayTreeJun()
{
    reorder(&MessageOrder::sortTitleArrayTreeJun);
}

void MessageListModel::reorder(const std::function<void(QList<MessageRecord>&)>& sort)
{
    emit layoutAboutToBeChanged();
    sort(m_messageArray);
    // Rows are the records' places; a view's selection is set again by the browser.
    emit layoutChanged();
}

int MessageListModel::rowOfNumber(const QString& number) const
{
    for (int row = 0; row < size(); ++row) {
        if (m_messageArray[row].contains(MessageRecord::Number) && m_messageArray[row].number() == number)
            return row;
    }
    return -1;
}

void MessageListModel::changeRecords(const QList<int>& rows,
                                     const std::function<void(MessageRecord&)>& change)
{
    int first = size();
    int last = -1;
    for (int row : rows) {
        if (row < 0 || row >= size())
            continue;
        change(m_messageArray[row]);
        first = qMin(first, row);
        last = qMax(last, row);
    }
    if (last >= 0)
        emit dataChanged(index(first, 0), index(last, 0));
}

void MessageListModel::changeAllRecords(const std::function<void(MessageRecord&)>& change)
{
    for (MessageRecord& record : m_messageArray)
        change(record);
    reloadData();
}

void MessageListModel::setUnreadTitleColor(const UnreadTitleColor& color)
{
    m_unreadTitleColor = color;
    reloadData();
}

void MessageListModel::reloadData()
{
    if (!m_messageArray.isEmpty())
        emit dataChanged(index(0, 0), index(size() - 1, 0));
}

int MessageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : size();
}

int MessageListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= size() || index.column() != 0)
        return {};
    const MessageRecord& record = m_messageArray[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return MessageTitleCell::text(record);
    case IsBoldRole:
        return MessageTitleCell::isBold(record);
    case UnreadTitleColorRole:
        if (m_unreadTitleColor.enabled && MessageTitleCell::isBold(record))
            return QVariant::fromValue(m_unreadTitleColor.color);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags MessageListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tavrel
