#include "store/MessageRecord.h"

#include "store/DateText.h"
#include "text/IntegerValue.h"

namespace tavrel {

MessageRecord MessageRecord::explanationRecord(const QString& explanation, const QString& title,
                                               const QDateTime& storedAt)
{
    MessageRecord record;
    record.setNumber(QStringLiteral("0"));
    record.setComment(QString());
    record.setTitle(title);
    record.setName(QString());
    record.setDate(formatDateText(storedAt));
    record.setContents(explanation);
    record.setDontRead(QStringLiteral("YES"));
    record.setLock(QStringLiteral("YES"));
    record.setMemo(QString());
    record.setLabel(QString());
    return record;
}

int MessageRecord::numberValue() const
{
    return integerValue(number());
}

std::optional<QDateTime> MessageRecord::dateValue() const
{
    return parseDateText(date());
}

bool MessageRecord::isUnread() const
{
    return dontRead() == u"YES";
}

bool MessageRecord::isExplanation() const
{
    return number() == u"0";
}

} // namespace tavrel
