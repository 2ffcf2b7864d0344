#include "LogCutter.h"

#include "BackupMove.h"
#include "BoardIdentity.h"
#include "BoardPage.h"
#include "BoardPageMerge.h"
#include "MyDeskPage.h"
#include "text/CharsetDetection.h"
#include "text/IntegerValue.h"
#include "text/TextEncoding.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

namespace tavrel {

namespace {

constexpr QStringView myDeskLogName = u"message";

LogCutterResult failure(QStringList lines)
{
    return LogCutterResult{1, std::move(lines)};
}

} // namespace

LogCutter::LogCutter(QString boardLogPath, QString pagePath, QString serviceDomain)
    : m_boardLogPath(std::move(boardLogPath))
    , m_pagePath(std::move(pagePath))
    , m_serviceDomain(std::move(serviceDomain))
{}

LogCutterResult LogCutter::runCommandLine(const QStringList& arguments, const QString& serviceDomain)
{
    if (arguments.size() != 2)
        return LogCutterResult{0, {QStringLiteral("Tavrel Log Cutter argument wrong!")}};
    return LogCutter(arguments.at(0), arguments.at(1), serviceDomain).run();
}

bool LogCutter::boardLogExists() const
{
    const QFileInfo info(m_boardLogPath);
    return info.exists() || info.isSymLink();
}

LogCutterResult LogCutter::run()
{
    // One clock for the whole run.
    if (!m_now.isValid())
        m_now = QDateTime::currentDateTime();
    QFile pageFile(m_pagePath);
    if (!pageFile.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = pageFile.readAll();
    pageFile.close();
    // The probe only serves to find the ASCII charset declaration.
    const QString probe = encoding::decodeIso2022JpLenient(bytes);
    if (bytes.isEmpty() || probe.isEmpty())
        return {};

    AppendableBoardLog log;
    if (boardLogExists()) {
        QString error;
        std::optional<AppendableBoardLog> read = AppendableBoardLog::read(m_boardLogPath, &error);
        if (!read) {
            // A broken file is kept aside, for the application to put back and report.
            QStringList lines{QStringLiteral("cannot read board log file : ") + error};
            QString moveError;
            if (const std::optional<QString> backup = BackupMove::move(m_boardLogPath, &moveError))
                lines.append(QStringLiteral("moved to backup log file : ") + *backup);
            else
                lines.append(moveError);
            return failure(lines);
        }
        log = std::move(*read);
    } else {
        log.file().header() = BoardLogHeader::newFileHeader();
    }

    const Charset charset = detectCharsetForLogCutter(probe);
    const std::optional<QString> page = encoding::decode(bytes, charset);
    if (!page || page->isEmpty())
        return LogCutterResult{0, {QStringLiteral("failed file encoding : ") + m_pagePath}};

    const QString boardID = QFileInfo(m_boardLogPath).fileName();
    BoardLogHeader& header = log.file().header();
    if (header.forumID().isEmpty())
        header.setForumID(boardID);

    if (boardID == myDeskLogName)
        return cutMyDeskPage(log, *page);
    return cutBoardPage(log, *page);
}

bool LogCutter::startAfresh(AppendableBoardLog& log, LogCutterResult& result)
{
    BoardIdentity::reset(log.file().header(), log.file().body());
    log.dropKeptRecords();
    QString error;
    if (BackupMove::move(m_boardLogPath, &error))
        return true;
    result = failure({QStringLiteral("cannot move board log file to a backup : ") + error});
    return false;
}

bool LogCutter::settleIdentity(AppendableBoardLog& log, const QString& page, bool checkRestart,
                               LogCutterResult& result)
{
    BoardLogHeader& header = log.file().header();
    const QString title = BoardPage::decodedTitle(page);
    switch (BoardIdentity::decide(header, boardLogExists(), title, page, checkRestart, m_now)) {
    case BoardIdentity::Decision::TakeTitle:
        if (BoardPage::title(page))
            header.setKaigishitsuName(title);
        break;
    case BoardIdentity::Decision::Retitled:
        header.setKaigishitsuName(title);
        if (!startAfresh(log, result))
            return false;
        break;
    case BoardIdentity::Decision::Restarted:
        if (!startAfresh(log, result))
            return false;
        break;
    case BoardIdentity::Decision::Unchanged:
        break;
    }
    // After a fresh start this gives the new board's names at once.
    header.deriveNames();
    return true;
}

LogCutterResult LogCutter::cutBoardPage(AppendableBoardLog& log, const QString& page)
{
    LogCutterResult result;
    if (!settleIdentity(log, page, true, result))
        return result;
    BoardPageMerge::merge(log, page, m_serviceDomain, m_now);
    return write(log, result);
}

LogCutterResult LogCutter::cutMyDeskPage(AppendableBoardLog& log, const QString& page)
{
    LogCutterResult result;
    if (!settleIdentity(log, page, false, result))
        return result;
    // No duplicate detection here: every message of the page is a new record.
    const QList<MessageRecord> messages = MyDeskPage::messages(page, m_now);
    if (!messages.isEmpty()) {
        log.file().body().append(messages);
        const int count = int(qMin<qsizetype>(messages.size(), INT_MAX));
        BoardLogHeader& header = log.file().header();
        header.setMidokuSu(QString::number(saturatingAdd(integerValue(header.midokuSu()), count)));
    }
    return write(log, result);
}

LogCutterResult LogCutter::write(const AppendableBoardLog& log, LogCutterResult result) const
{
    // Nothing to keep: a new board is not created, and a file moved aside stays in its backup.
    if (log.recordCount() == 0)
        return result;
    QString error;
    if (!log.write(m_boardLogPath, &error))
        return failure({QStringLiteral("failed writing board log file : ") + error});
    return result;
}

} // namespace tavrel
