// The log cutting run over 300 pages of 100 boards (three pages of 20 new messages each on
// boards that hold 100 messages already), with the real tavrelsplit. The whole run is
// measured, then the cost of starting tavrelsplit on a trivial page, and the run's own
// phases: listing Tmp, storing the explanations, and the sorting pass. Our own time per page
// is the whole run less the process starts, divided by the pages.

#include "app/BoardExplanation.h"
#include "app/BoardLogSorting.h"
#include "app/LogCutPages.h"
#include "app/LogCutPanel.h"
#include "app/LogCutRun.h"
#include "platform/AlertPanel.h"
#include "platform/SystemLog.h"
#include "store/BoardLogFile.h"
#include "store/DataFolder.h"
#include "store/DateText.h"
#include "store/Preferences.h"
#include "store/PropertyList.h"
#include "store/ServiceConfiguration.h"
#include "text/TextEncoding.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace tavrel;

constexpr int boardCount = 100;
constexpr int pagesPerBoard = 3;
constexpr int messagesPerPage = 20;
constexpr int storedMessages = 100;
constexpr int pageCount = boardCount * pagesPerBoard;

const QString boardTitle = QStringLiteral("＠ｎｉｆｔｙ：フォーラム：ベンチマーク：雑談会議室");

QString messageText(int n)
{
    static const QString line =
        QStringLiteral("今日は会議室の皆さんにご報告があります。先日の集まりでは多くの方に参加していただき、"
                       "ありがとうございました。<br>\n");
    return QStringLiteral("発言番号 ") + QString::number(n) + QStringLiteral("<br>\n") + line + line + line;
}

QDateTime momentOf(int n)
{
    return QDateTime(QDate(2004, 1, 1), QTime(0, 0), japanTime()).addSecs(qint64(n) * 600);
}

QString boardId(int board)
{
    return QStringLiteral("BENCH") + QString::number(board).rightJustified(3, u'0');
}

QByteArray storedBoard(int board, int messages = storedMessages)
{
    BoardLogFile log;
    log.header() = BoardLogHeader::newFileHeader();
    log.header().setKaigishitsuName(boardTitle);
    log.header().setForumID(boardId(board));
    log.header().setNumberOfLastMes(QString::number(messages));
    log.header().setDateOfLastMes(formatDateText(momentOf(messages)));
    for (int n = 1; n <= messages; ++n) {
        MessageRecord r;
        r.setNumber(QString::number(n));
        r.setComment(QStringLiteral("0"));
        r.setTitle(QStringLiteral("会議室の報告"));
        r.setName(QStringLiteral("山田 太郎"));
        r.setDate(formatDateText(momentOf(n)));
        r.setContents(messageText(n));
        r.setDontRead(QStringLiteral("NO"));
        r.setLock(QStringLiteral("NO"));
        r.setMemo(QString());
        r.setLabel(QString());
        log.body().append(r);
    }
    return log.serialize();
}

// Page `page` (1 = the newest) of the new messages, newest first, with the explanation.
QByteArray boardPage(int page, const ServiceConfiguration& configuration)
{
    QString text = QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                  "charset=Shift_JIS\"><title>") +
                   boardTitle + QStringLiteral("</title></head>\n<body bgcolor=\"#FFFFFF\">\n<div>") +
                   configuration.toolMeiToSetsumeiBunStart() + QStringLiteral("雑談のための会議室です。") +
                   configuration.toolMeiToSetsumeiBunEnd() + QStringLiteral("</div>\n");
    const int last = storedMessages + (pagesPerBoard - page + 1) * messagesPerPage;
    for (int n = last; n > last - messagesPerPage; --n) {
        const QString number = QString::number(n);
        text += QStringLiteral("<!-- BEGIN -->\n<table width=\"100%\">\n<tr><td><!-- NO B -->") + number +
                QStringLiteral(
                    "<!-- NO E --> <!-- PNO=0 --></td>\n<td><!-- TI B -->会議室の報告<!-- TI E "
                    "--></td></tr>\n<tr><td><!-- NN B -->山田 太郎<!-- NN E --></td>\n<td><!-- DAT B -->") +
                momentOf(n).toString(QStringLiteral("yyyy/MM/dd HH:mm")) +
                QStringLiteral("<!-- DAT E --></td></tr>\n<tr><td colspan=\"2\">") + messageText(n) +
                QStringLiteral("<!-- CON E --></td></tr>\n</table>\n<!-- END -->\n");
    }
    text += QStringLiteral("</body></html>\n");
    return encoding::encodeCp932Lossy(text);
}

class NullAlerts : public AlertPanel
{
public:
    AlertAnswer runAlert(const AlertRequest&) override
    {
        ++count;
        return AlertAnswer::Default;
    }
    void beep() override {}
    int count = 0;
};

class NullLog : public SystemLog
{
protected:
    void writeLine(const QString&) override {}
};

class NullPanel : public LogCutPanel
{
public:
    void showLogCutPanel() override {}
    void closeLogCutPanel() override {}
    void setCuttingFileText(const QString&) override {}
    void setProgress(double) override {}
};

QString cutterProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tavrelsplit");
}

// A data folder with the stored boards and the downloaded pages, rewritten before each run.
struct Fixture
{
    QTemporaryDir dir;
    DataFolder folder{*DataFolder::create(dir.path())};
    ServiceConfiguration configuration;
    QList<QByteArray> boards;
    QList<QByteArray> pages;

    Fixture()
    {
        for (int b = 0; b < boardCount; ++b)
            boards.append(storedBoard(b));
        for (int p = 1; p <= pagesPerBoard; ++p)
            pages.append(boardPage(p, configuration));
        for (int b = 0; b < boardCount; ++b) {
            for (int p = 1; p <= pagesPerBoard; ++p)
                PropertyList::writeBytes(folder.tmpPath() + u'/' + boardId(b) + u'.' + QString::number(p),
                                         pages[p - 1]);
        }
        resetBoards();
    }

    void resetBoards() const
    {
        for (int b = 0; b < boardCount; ++b)
            PropertyList::writeBytes(folder.warehousePath() + u'/' + boardId(b), boards[b]);
    }

    bool checkBoards() const
    {
        for (int b = 0; b < boardCount; ++b) {
            const std::optional<BoardLogFile> log =
                BoardLogFile::read(folder.warehousePath() + u'/' + boardId(b));
            if (!log || log->body().size() != 1 + storedMessages + pagesPerBoard * messagesPerPage ||
                log->header().numberOfLastMes().toInt() != storedMessages + pagesPerBoard * messagesPerPage)
                return false;
        }
        return true;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_WholeRun(benchmark::State& state)
{
    Fixture& f = fixture();
    QTemporaryDir prefsDir;
    Preferences preferences(prefsDir.filePath(QStringLiteral("preferences.plist")));
    NullAlerts alerts;
    NullLog log;
    NullPanel panel;
    LogCutRun run(
        {f.folder, preferences, f.configuration, alerts, log, panel, cutterProgram(), [] {}, [] {}});
    for (auto _ : state) {
        state.PauseTiming();
        f.resetBoards();
        state.ResumeTiming();
        QEventLoop loop;
        QObject::connect(&run, &LogCutRun::logCutEnded, &loop, &QEventLoop::quit);
        run.cutTempLog();
        if (run.isRunning())
            loop.exec();
    }
    if (alerts.count != 0 || !f.checkBoards())
        state.SkipWithError("the run did not cut every page");
    state.counters["per_page"] = benchmark::Counter(
        double(state.iterations()) * pageCount, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Starting tavrelsplit on an empty page: it exits at once, writing nothing.
void BM_SpawnTrivialCut(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("EMPTY.1"));
    PropertyList::writeBytes(page, QByteArray());
    const QString target = dir.filePath(QStringLiteral("EMPTY"));
    for (auto _ : state) {
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(cutterProgram(), {target, page});
        if (!process.waitForFinished(10000) || process.exitCode() != 0)
            state.SkipWithError("tavrelsplit did not run");
    }
}

void BM_ListTmp(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        const LogCutPages pages = LogCutPages::fromDataFolder(f.folder);
        if (pages.pages.size() != pageCount || pages.boards.size() != boardCount)
            state.SkipWithError("wrong listing");
    }
    state.counters["per_page"] = benchmark::Counter(
        double(state.iterations()) * pageCount, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Every page's explanation against its cut board: one insert per board, then two unchanged.
void BM_StoreExplanations(benchmark::State& state)
{
    Fixture& f = fixture();
    const LogCutPages pages = LogCutPages::fromDataFolder(f.folder);
    const QDateTime now = QDateTime::currentDateTime();
    for (auto _ : state) {
        state.PauseTiming();
        f.resetBoards();
        state.ResumeTiming();
        for (qsizetype i = 0; i < pages.pages.size(); ++i)
            BoardExplanation::storeFromPage(pages.pages[i], pages.targets[i], f.configuration, now);
    }
    state.counters["per_page"] = benchmark::Counter(
        double(state.iterations()) * pageCount, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The sorting pass over the 100 boards, each as tavrelsplit leaves it (new records in page
// order after the stored ones).
void BM_SortingPass(benchmark::State& state)
{
    Fixture& f = fixture();
    const LogCutPages pages = LogCutPages::fromDataFolder(f.folder);
    QList<QByteArray> cut;
    for (int b = 0; b < boardCount; ++b) {
        std::optional<BoardLogFile> log = BoardLogFile::parse(f.boards[b]);
        for (int p = 1; p <= pagesPerBoard; ++p) {
            for (int i = 0; i < messagesPerPage; ++i) {
                MessageRecord r = log->body().first();
                r.setNumber(QString::number(storedMessages + p * messagesPerPage - i));
                r.setDontRead(QStringLiteral("YES"));
                log->body().append(r);
            }
        }
        cut.append(log->serialize());
    }
    const SortingDefaults defaults{true, 30};
    for (auto _ : state) {
        state.PauseTiming();
        for (int b = 0; b < boardCount; ++b)
            PropertyList::writeBytes(pages.boards[b], cut[b]);
        state.ResumeTiming();
        for (const QString& board : pages.boards) {
            if (BoardLogSorting::sortFile(board, defaults) != BoardLogSorting::Outcome::Sorted)
                state.SkipWithError("sorting failed");
        }
    }
    state.counters["per_page"] = benchmark::Counter(
        double(state.iterations()) * pageCount, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["board_KB"] = double(cut.first().size()) / 1e3;
}

// The sorting of one big board after three pages were cut newest first, against the floor of
// reading and writing the same file.
QByteArray bigBoardAfterCut(int messages)
{
    std::optional<BoardLogFile> log = BoardLogFile::parse(storedBoard(0, messages));
    for (int p = 1; p <= 3; ++p) {
        for (int i = 0; i < messagesPerPage; ++i) {
            MessageRecord r = log->body().first();
            r.setNumber(QString::number(messages + (4 - p) * messagesPerPage - i));
            r.setDontRead(QStringLiteral("YES"));
            log->body().append(r);
        }
    }
    return log->serialize();
}

void BM_SortBigBoard(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BENCH000"));
    const QByteArray bytes = bigBoardAfterCut(int(state.range(0)));
    const SortingDefaults defaults{true, 30};
    for (auto _ : state) {
        state.PauseTiming();
        PropertyList::writeBytes(path, bytes);
        state.ResumeTiming();
        if (BoardLogSorting::sortFile(path, defaults) != BoardLogSorting::Outcome::Sorted)
            state.SkipWithError("sorting failed");
    }
    state.counters["board_MB"] = double(bytes.size()) / 1e6;
}

void BM_BigBoardFloor(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BENCH000"));
    const QByteArray bytes = bigBoardAfterCut(int(state.range(0)));
    PropertyList::writeBytes(path, bytes);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read");
        const QByteArray read = file.readAll();
        file.close();
        if (!PropertyList::writeBytes(path, read))
            state.SkipWithError("cannot write");
    }
    state.counters["board_MB"] = double(bytes.size()) / 1e6;
}

} // namespace

BENCHMARK(BM_BigBoardFloor)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortBigBoard)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WholeRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SpawnTrivialCut)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListTmp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoreExplanations)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SortingPass)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
