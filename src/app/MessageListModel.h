#pragma once

// The message list of the displayed board (`messageArray`) as a one-column table model: row r
// is record r. The list is read from the board's log file and put in the chosen order; the
// records change here (marks, read state) and are written back by the save point.

#include "app/BrowserRoles.h"
#include "store/MessageRecord.h"
#include "store/PlistDict.h"
#include "store/Preferences.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

namespace tavrel {

class MessageListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit MessageListModel(QObject* parent = nullptr);

    // Replaces the list by the "Body" of the board log file at `path`. A file that cannot be
    // read gives an empty list and false; a file without "Body" an empty list.
    bool readFromFile(const QString& path);
    // Empties the list (no board).
    void clear();
    // The file the list was read from; empty when none was read or reading failed. Only a list
    // read from a file may be written back to it.
    const QString& sourcePath() const { return m_sourcePath; }
    // Root keys of that file other than "Header" and "Body", to be written back with the list.
    const PlistDict& otherRootKeys() const { return m_otherRootKeys; }

    void applyOrder(TitleOrder order);
    void sortTitleArrayBangouJun();
    void sortTitleArrayTreeJun();

    const QList<MessageRecord>& messageArray() const { return m_messageArray; }
    int size() const { return int(m_messageArray.size()); }
    const MessageRecord& recordAt(int row) const { return m_messageArray.at(row); }
    // The first row whose "Number" text is `number`; -1 when none.
    int rowOfNumber(const QString& number) const;

    // Changes the records at `rows` (rows out of range are skipped) and redraws them.
    void changeRecords(const QList<int>& rows, const std::function<void(MessageRecord&)>& change);
    void changeAllRecords(const std::function<void(MessageRecord&)>& change);

    void setUnreadTitleColor(const UnreadTitleColor& color);
    // Redraws every row.
    void reloadData();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void reorder(const std::function<void(QList<MessageRecord>&)>& sort);

    QList<MessageRecord> m_messageArray;
    QString m_sourcePath;
    PlistDict m_otherRootKeys;
    UnreadTitleColor m_unreadTitleColor;
};

} // namespace tavrel
