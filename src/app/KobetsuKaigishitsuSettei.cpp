#include "KobetsuKaigishitsuSettei.h"

#include "app/MessageOrder.h"
#include "text/IntegerValue.h"

namespace tavrel {

KobetsuKaigishitsuSettei::Values KobetsuKaigishitsuSettei::valuesFor(const BoardLogHeader& header)
{
    Values values;
    values.sakujo = header.deleteFlag() == u"YES";
    values.sakujoDays = header.deleteDay();
    values.lastMesNo = header.numberOfLastMes();
    values.forumName = header.forumName();
    values.boardName = header.boardName();
    return values;
}

int KobetsuKaigishitsuSettei::stepperValue(const QString& days)
{
    return integerValue(days);
}

void KobetsuKaigishitsuSettei::apply(BoardLogHeader& header, const Values& values,
                                     const QList<MessageRecord>& messageArray)
{
    header.setDeleteFlag(values.sakujo ? QStringLiteral("YES") : QStringLiteral("NO"));
    header.setDeleteDay(values.sakujoDays);
    const int lastNumber = integerValue(values.lastMesNo);
    header.setNumberOfLastMes(QString::number(lastNumber));
    header.setForumName(values.forumName);
    header.setBoardName(values.boardName);

    // Looked for in number order, so that a list shown as a tree gives the same message.
    QList<MessageRecord> byNumber = messageArray;
    MessageOrder::sortTitleArrayBangouJunOnArray(byNumber);
    for (qsizetype i = byNumber.size() - 1; i >= 0; --i) {
        if (byNumber[i].numberValue() <= lastNumber) {
            if (byNumber[i].contains(MessageRecord::Date))
                header.setDateOfLastMes(byNumber[i].date());
            break;
        }
    }
}

} // namespace tavrel
