// Cutting a 20-message board page into board logs of 1K, 10K and 50K messages (about 2 KB of
// Japanese markup each), against the floor of copying the board log file: reading its bytes
// and writing them back the same atomic way. Both report bytes per second over the size of
// the board log file, so the two rates compare directly.

#include "logcutter/LogCutter.h"
#include "store/BoardLogFile.h"
#include "store/PropertyList.h"
#include "text/TextEncoding.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tavrel;

const QString boardTitle = QStringLiteral("＠ｎｉｆｔｙ：フォーラム：ベンチマーク：雑談会議室");

// About 2 KB of message markup in UTF-8, varied by the message number.
QString messageText(int n)
{
    static const QString line =
        QStringLiteral("今日は会議室の皆さんにご報告があります。先日の集まりでは多くの方に参加していただき、"
                       "ありがとうございました。次回の予定は追ってお知らせします。<br>\n");
    QString text = QStringLiteral("<font color=\"#000080\">発言番号 ") + QString::number(n) +
                   QStringLiteral("</font><br>\n");
    for (int i = 0; i < 6; ++i)
        text += line;
    return text + QStringLiteral("<a href=\"http://www.example.com/\">リンク</a><br>\n");
}

QString dateOf(int n)
{
    return QDateTime(QDate(2004, 1, 1), QTime(0, 0), QTimeZone(9 * 3600))
        .addSecs(qint64(n) * 600)
        .toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

BoardLogFile boardLog(int messages)
{
    BoardLogFile log;
    log.header() = BoardLogHeader::newFileHeader();
    log.header().setKaigishitsuName(boardTitle);
    log.header().setForumID(QStringLiteral("BENCH01"));
    log.header().setNumberOfLastMes(QString::number(messages));
    log.header().setDateOfLastMes(QDateTime(QDate(2004, 1, 1), QTime(0, 0), QTimeZone(9 * 3600))
                                      .addSecs(qint64(messages) * 600)
                                      .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0900")));
    log.body().reserve(messages);
    for (int n = 1; n <= messages; ++n) {
        MessageRecord r;
        r.setNumber(QString::number(n));
        r.setComment(QString::number(n > 1 ? n - 1 : 0));
        r.setTitle(QStringLiteral("Re: 会議室の報告 その") + QString::number(n));
        r.setName(QStringLiteral("山田 太郎"));
        r.setDate(QDateTime(QDate(2004, 1, 1), QTime(0, 0), QTimeZone(9 * 3600))
                      .addSecs(qint64(n) * 600)
                      .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0900")));
        r.setContents(messageText(n));
        r.setCommentURL(
            QStringLiteral("http://nb1.example.com/nbbin/nb_wrent_do?bid=BENCH01&wr_type=M&wr_psq=") +
            QString::number(n));
        r.setDontRead(QStringLiteral("NO"));
        r.setLock(QStringLiteral("NO"));
        r.setMemo(QString());
        r.setLabel(QString());
        log.body().append(r);
    }
    return log;
}

// The next 20 messages of the board, as the service's Shift_JIS page shows them.
QByteArray nextPage(int after)
{
    QString page =
        QStringLiteral(
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"
            "<title>") +
        boardTitle + QStringLiteral("</title></head>\n<body bgcolor=\"#FFFFFF\" text=\"#000000\">\n");
    for (int n = after + 1; n <= after + 20; ++n) {
        const QString number = QString::number(n);
        page +=
            QStringLiteral("<!-- BEGIN -->\n<table border=\"0\" width=\"100%\">\n<tr><td><!-- NO B -->") +
            number +
            QStringLiteral(
                "<!-- NO E --> <!-- PNO=0 --></td>\n<td><!-- TI B -->会議室の報告<!-- TI E --></td></tr>\n"
                "<tr><td><!-- NN B -->山田 太郎<!-- NN E --></td>\n<td><!-- DAT B -->") +
            dateOf(n) + QStringLiteral("<!-- DAT E --></td></tr>\n<tr><td colspan=\"2\">") + messageText(n) +
            QStringLiteral("<!-- CON E --></td></tr>\n<tr><td><a href=\"http://nb1.example.com/nbbin/"
                           "nb_wrent_cm/BENCH01/wr_sq=") +
            number + QStringLiteral("?m=c\">コメント</a></td></tr>\n</table>\n<!-- END -->\n");
    }
    return encoding::encodeCp932Lossy(page + QStringLiteral("</body></html>\n"));
}

struct Board
{
    QTemporaryDir dir;
    QString logPath;
    QString pagePath;
    QByteArray logBytes;

    explicit Board(int messages)
    {
        logPath = dir.filePath(QStringLiteral("BENCH01"));
        pagePath = dir.filePath(QStringLiteral("BENCH01.1"));
        logBytes = boardLog(messages).serialize();
        PropertyList::writeBytes(pagePath, nextPage(messages));
        PropertyList::writeBytes(logPath, logBytes);
    }
};

void BM_CutPage(benchmark::State& state)
{
    Board board(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        PropertyList::writeBytes(board.logPath, board.logBytes);
        state.ResumeTiming();
        const LogCutterResult result =
            LogCutter(board.logPath, board.pagePath, QStringLiteral("example.com")).run();
        if (result.exitStatus != 0)
            state.SkipWithError("the cut failed");
    }
    const std::optional<BoardLogFile> after = BoardLogFile::read(board.logPath);
    if (!after || after->body().size() != state.range(0) + 20)
        state.SkipWithError("the cut did not add the page's 20 messages");
    state.SetBytesProcessed(qint64(state.iterations()) * board.logBytes.size());
    state.counters["log_MB"] = double(board.logBytes.size()) / 1e6;
}

void BM_CopyFloor(benchmark::State& state)
{
    Board board(int(state.range(0)));
    for (auto _ : state) {
        QFile file(board.logPath);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read");
        const QByteArray bytes = file.readAll();
        file.close();
        if (!PropertyList::writeBytes(board.logPath, bytes))
            state.SkipWithError("cannot write");
    }
    state.SetBytesProcessed(qint64(state.iterations()) * board.logBytes.size());
    state.counters["log_MB"] = double(board.logBytes.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_CopyFloor)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CutPage)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
