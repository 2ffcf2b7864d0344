#include "app/BoardExplanation.h"

#include "store/AppendableBoardLog.h"
#include "store/BoardLogFile.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"
#include "text/CharsetDetection.h"
#include "text/TextEncoding.h"
#include "text/TextScanner.h"

#include <QFile>

namespace tavrel {

std::optional<QString> BoardExplanation::find(QByteArrayView page, const ServiceConfiguration& configuration)
{
    // The charset the log cutter read the page with: an ISO-2022-JP board's explanation would
    // otherwise be stored with its escape sequences as text.
    const Charset charset = detectCharsetForLogCutter(encoding::decodeIso2022JpLenient(page));
    const std::optional<QString> text = encoding::decode(page, charset);
    if (!text)
        return std::nullopt;
    const QString start = configuration.toolMeiToSetsumeiBunStart();
    const QString end = configuration.toolMeiToSetsumeiBunEnd();
    TextScanner scanner(*text);
    if (!scanner.scanUpTo(start) || !scanner.scan(start))
        return std::nullopt;
    const std::optional<QStringView> explanation = scanner.scanUpTo(end);
    if (!explanation || !scanner.scan(end))
        return std::nullopt;
    return explanation->toString();
}

BoardExplanation::Change BoardExplanation::decide(const QList<MessageRecord>& body,
                                                  const QString& explanation)
{
    if (body.isEmpty() || !body.first().isExplanation())
        return Change::Inserted;
    return body.first().contents() == explanation ? Change::None : Change::Replaced;
}

BoardExplanation::Change BoardExplanation::apply(QList<MessageRecord>& body, const QString& explanation,
                                                 const QString& title, const QDateTime& storedAt)
{
    const Change change = decide(body, explanation);
    if (change == Change::None)
        return change;
    MessageRecord record = MessageRecord::explanationRecord(explanation, title, storedAt);
    if (change == Change::Inserted)
        body.prepend(std::move(record));
    else
        body.first() = std::move(record);
    return change;
}

BoardExplanation::Change BoardExplanation::storeFromPage(const QString& pagePath, const QString& boardLogPath,
                                                         const ServiceConfiguration& configuration,
                                                         const QDateTime& storedAt, QString* error)
{
    QFile pageFile(pagePath);
    if (!pageFile.open(QIODevice::ReadOnly))
        return Change::None;
    const std::optional<QString> explanation = find(pageFile.readAll(), configuration);
    if (!explanation)
        return Change::None;
    // Deciding needs the first record only; a big board is read whole only to change it.
    const std::optional<AppendableBoardLog> stored = AppendableBoardLog::read(boardLogPath);
    if (!stored || !stored->file().hasBody())
        return Change::None;
    QList<MessageRecord> first;
    if (!stored->keptRecordList().isEmpty()) {
        std::optional<MessageRecord> record = stored->keptRecord(0);
        if (!record)
            return Change::None;
        first.append(std::move(*record));
    } else if (!stored->file().body().isEmpty()) {
        first.append(stored->file().body().first());
    }
    if (decide(first, *explanation) == Change::None)
        return Change::None;

    std::optional<BoardLogFile> log = BoardLogFile::read(boardLogPath);
    if (!log || !log->hasBody())
        return Change::None;
    const Change change = apply(log->body(), *explanation, uiText(u"ToolMeiToSetsumeiBun"), storedAt);
    if (change != Change::None && !log->write(boardLogPath, error))
        return Change::None;
    return change;
}

} // namespace tavrel
