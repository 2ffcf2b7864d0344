#include "MessageOrder.h"

#include "app/MessageTreeOrder.h"
#include "store/Comparisons.h"
#include "text/IntegerValue.h"

namespace tavrel {

void MessageOrder::sortTitleArrayBangouJun(QList<MessageRecord>& messageArray)
{
    sortByMessageNumber(messageArray);
    const QString zero = QStringLiteral("0");
    for (MessageRecord& record : messageArray)
        record.setIndentLevel(zero);
}

void MessageOrder::sortTitleArrayBangouJunOnArray(QList<MessageRecord>& messageArray)
{
    sortByMessageNumber(messageArray);
}

void MessageOrder::sortTitleArrayTreeJun(QList<MessageRecord>& messageArray)
{
    std::vector<MessageTreeOrder::Entry> entries;
    entries.reserve(size_t(messageArray.size()));
    for (const MessageRecord& record : std::as_const(messageArray)) {
        MessageTreeOrder::Entry entry;
        if (record.contains(MessageRecord::Number))
            entry.number = QStringView(record.number());
        if (record.contains(MessageRecord::Comment))
            entry.comment = QStringView(record.comment());
        entry.level = integerValue(record.indentLevel());
        entries.push_back(entry);
    }
    const std::vector<MessageTreeOrder::Placement> placements = MessageTreeOrder::arrange(entries);
    QList<MessageRecord> arranged;
    arranged.reserve(messageArray.size());
    for (const MessageTreeOrder::Placement& placement : placements) {
        MessageRecord record = messageArray[placement.entry];
        if (placement.newLevel)
            record.setIndentLevel(QString::number(*placement.newLevel));
        arranged.append(std::move(record));
    }
    messageArray = std::move(arranged);
}

} // namespace tavrel
