#include "BoardPageMerge.h"

#include "BoardPage.h"
#include "MessageBlock.h"
#include "text/IntegerValue.h"

#include <QSet>

#include <utility>

namespace tavrel {

int BoardPageMerge::merge(AppendableBoardLog& log, QStringView page, QStringView serviceDomain,
                          const QDateTime& now)
{
    BoardLogHeader& header = log.file().header();
    for (const BoardPage::Colour& colour : BoardPage::bodyTagColours(page))
        header.setValue(colour.first, colour.second);

    const int lastNumber = integerValue(header.numberOfLastMes());
    QList<MessageRecord>& body = log.file().body();
    // The "Number" texts stored, gathered when the first candidate needs them.
    QSet<QString> numbers;
    bool numbersGathered = false;
    int added = 0;
    for (QStringView block : BoardPage::messageBlocks(page)) {
        CutMessage cut = MessageBlock::cut(block, serviceDomain, now);
        if (cut.postURL)
            header.setPostURL(std::move(*cut.postURL));
        if (integerValue(cut.record.number()) <= lastNumber)
            continue;
        if (!numbersGathered) {
            numbers.reserve(log.recordCount() + 32);
            for (const AppendableBoardLog::KeptRecord& record : log.keptRecordList())
                numbers.insert(record.number);
            for (const MessageRecord& record : std::as_const(body))
                numbers.insert(record.number());
            numbersGathered = true;
        }
        if (numbers.contains(cut.record.number()))
            continue;
        numbers.insert(cut.record.number());
        body.append(std::move(cut.record));
        ++added;
    }
    if (added > 0)
        header.setMidokuSu(QString::number(saturatingAdd(integerValue(header.midokuSu()), added)));
    return added;
}

} // namespace tavrel
