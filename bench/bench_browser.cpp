// The browser's costs: opening a board of 1K, 10K and 50K messages (reading the file, putting
// the list in order, the model answering a screenful of rows) next to the floor of reading
// the same file; tree order against number order; and building the board tree over 500 board
// log files of about 2 GB in all (header-only reading).
//
// The 500 files are generated once per run in a temporary folder (about 2 GB of disk). Set
// TAVREL_BENCH_TREE_MB to a smaller total (in MB) where the disk is short; the figures then
// scale with the number of files, not with their size.

#include "app/BoardTreeBuilder.h"
#include "app/BoardTreeModel.h"
#include "app/MessageListModel.h"
#include "app/MessageOrder.h"
#include "platform/AlertPanel.h"
#include "platform/SystemLog.h"
#include "platform/Trash.h"
#include "store/BoardLogFile.h"
#include "store/DateText.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <random>

using namespace tavrel;

namespace {

const char16_t* const phrases[] = {
    u"こんにちは、皆さん。",
    u"昨日の会議の件ですが、",
    u"資料を添付しますのでご確認ください。",
    u"ＰｏｗｅｒＢｏｏｋ　Ｇ４の調子が悪く、",
    u"再起動すると直りました。",
    u"よろしくお願いいたします。",
    u"ｶﾀｶﾅも少し混ざります。",
    u"Mac OS X 10.3 で試したところ、",
    u"&amp; 記号や &lt;タグ&gt; の話も出ます。",
    u"それでは、また。",
};

// About 2 KB of UTF-8 markup.
QString contents(std::mt19937& random, int number)
{
    QString text = QStringLiteral("<font color=\"#000080\">") + QString::number(number) +
                   QStringLiteral("</font> <b>題名</b><br>\r\n");
    qsizetype bytes = text.size();
    while (bytes < 2000) {
        for (int i = 0; i < 8; ++i) {
            const QString phrase = QString::fromUtf16(phrases[random() % std::size(phrases)]);
            text += phrase;
            bytes += phrase.size() * 3;
        }
        text += QStringLiteral("<br>\r\n");
    }
    return text;
}

// A board of `count` messages in number order; about 60% comment on an earlier message
// (mostly a recent one), so tree order has real work to do.
BoardLogFile makeFile(int count, const QString& id, const QString& forum)
{
    std::mt19937 random(count);
    BoardLogFile file;
    file.header() = BoardLogHeader::newFileHeader();
    file.header().setForumID(id);
    file.header().setForumName(forum);
    file.header().setKaigishitsuName(QStringLiteral("ニフティ：会議室：") + forum + QStringLiteral("：雑談"));
    file.header().setNumberOfLastMes(QString::number(count));
    const QDateTime start(QDate(2004, 1, 1), QTime(0, 0), japanTime());
    int unread = 0;
    for (int n = 1; n <= count; ++n) {
        int comment = 0;
        if (n > 1 && random() % 10 < 6)
            comment =
                random() % 4 == 0 ? 1 + int(random() % uint(n - 1)) : qMax(1, n - 1 - int(random() % 20));
        MessageRecord record;
        record.setNumber(QString::number(n));
        record.setComment(QString::number(comment));
        record.setTitle(QStringLiteral("Ｒｅ：会議の件 ") + QString::number(n));
        record.setName(QStringLiteral("山田 太郎"));
        record.setDate(formatDateText(start.addSecs(qint64(n) * 600)));
        record.setContents(contents(random, n));
        record.setDontRead(n % 3 ? QStringLiteral("NO") : QStringLiteral("YES"));
        unread += n % 3 == 0;
        record.setLock(QStringLiteral("NO"));
        record.setMemo(QString());
        record.setLabel(QString());
        record.setIndentLevel(QStringLiteral("0"));
        file.body().append(std::move(record));
    }
    file.header().setMidokuSu(QString::number(unread));
    return file;
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

struct Board
{
    QString path;
    qint64 bytes = 0;
    QList<MessageRecord> body; // in file order
};

Board& board(int count)
{
    static std::map<int, Board> boards;
    auto it = boards.find(count);
    if (it != boards.end())
        return it->second;
    Board& b = boards[count];
    b.path = folder().filePath(QStringLiteral("board%1").arg(count));
    const BoardLogFile file = makeFile(count, QStringLiteral("board%1").arg(count), QStringLiteral("F"));
    if (!file.write(b.path))
        qFatal("cannot write the benchmark board");
    b.bytes = QFile(b.path).size();
    b.body = file.body();
    return b;
}

void setBytes(benchmark::State& state, const Board& b)
{
    state.SetBytesProcessed(state.iterations() * b.bytes);
    state.counters["MB"] = double(b.bytes) / 1e6;
}

// Floor 1: the file's bytes read.
void BM_ReadBytesFloor(benchmark::State& state)
{
    const Board& b = board(int(state.range(0)));
    for (auto _ : state) {
        QFile file(b.path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("read failed");
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state, b);
}

// Floor 2: the file read into the board log file model (what any reader of the file pays).
void BM_ReadBoardLogFloor(benchmark::State& state)
{
    const Board& b = board(int(state.range(0)));
    for (auto _ : state) {
        std::optional<BoardLogFile> file = BoardLogFile::read(b.path);
        if (!file)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(file);
    }
    setBytes(state, b);
}

// Opening a board: the list read, put in order (0 number, 1 tree), and the rows a window of
// 40 rows asks for drawn (text, bold, colour).
void BM_OpenBoard(benchmark::State& state)
{
    const Board& b = board(int(state.range(0)));
    const TitleOrder order = state.range(1) == 0 ? TitleOrder::Bangou : TitleOrder::Tree;
    MessageListModel model;
    model.setUnreadTitleColor({true, RgbaColor{1, 0, 0, 1}});
    for (auto _ : state) {
        if (!model.readFromFile(b.path))
            state.SkipWithError("read failed");
        model.applyOrder(order);
        for (int row = 0; row < qMin(40, model.rowCount()); ++row) {
            const QModelIndex index = model.index(row, 0);
            benchmark::DoNotOptimize(model.data(index));
            benchmark::DoNotOptimize(model.data(index, IsBoldRole));
            benchmark::DoNotOptimize(model.data(index, UnreadTitleColorRole));
        }
    }
    setBytes(state, b);
    state.SetLabel(order == TitleOrder::Bangou ? "number order" : "tree order");
}

// The order step alone, on the list as read (0 number, 1 tree).
void BM_Order(benchmark::State& state)
{
    const Board& b = board(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QList<MessageRecord> list = b.body;
        list.detach();
        state.ResumeTiming();
        if (state.range(1) == 0)
            MessageOrder::sortTitleArrayBangouJun(list);
        else
            MessageOrder::sortTitleArrayTreeJun(list);
        benchmark::DoNotOptimize(list);
        state.PauseTiming();
        list = {};
        state.ResumeTiming();
    }
    state.SetLabel(state.range(1) == 0 ? "number order" : "tree order");
}

class SilentAlerts : public AlertPanel
{
public:
    AlertAnswer runAlert(const AlertRequest&) override { return AlertAnswer::Default; }
    void beep() override {}
};

class NoTrash : public Trash
{
public:
    bool moveToTrash(const QString&) override { return false; }
};

class NoLog : public SystemLog
{
protected:
    void writeLine(const QString&) override {}
};

// 500 board log files in 50 forums, each about 1/500 of the total.
struct Warehouse
{
    QString path;
    qint64 bytes = 0;
    int files = 0;
};

const Warehouse& warehouse()
{
    static Warehouse w = [] {
        Warehouse w;
        w.path = folder().filePath(QStringLiteral("Warehouse"));
        QDir().mkpath(w.path);
        const qint64 totalMB = qEnvironmentVariableIsSet("TAVREL_BENCH_TREE_MB")
                                   ? qEnvironmentVariableIntValue("TAVREL_BENCH_TREE_MB")
                                   : 2000;
        const int files = 500;
        // About 2.2 KB per message in the file.
        const int messages = qMax(1, int(totalMB * 1000000 / files / 2200));
        // One body for every file; the headers differ. A placeholder header of fixed width is
        // patched per file.
        const QByteArray bytes =
            makeFile(messages, QStringLiteral("ID#####"), QStringLiteral("FORUM##")).serialize();
        for (int i = 0; i < files; ++i) {
            QByteArray copy = bytes;
            copy.replace("ID#####", QStringLiteral("id%1").arg(i, 5, 10, QLatin1Char('0')).toLatin1());
            copy.replace("FORUM##",
                         QStringLiteral("forum%1").arg(i % 50, 2, 10, QLatin1Char('0')).toLatin1());
            QSaveFile file(w.path + QStringLiteral("/id%1").arg(i, 5, 10, QLatin1Char('0')));
            if (!file.open(QIODevice::WriteOnly) || file.write(copy) != copy.size() || !file.commit())
                qFatal("cannot write the benchmark warehouse");
            w.bytes += copy.size();
        }
        w.files = files;
        return w;
    }();
    return w;
}

void BM_BuildBoardTree(benchmark::State& state)
{
    const Warehouse& w = warehouse();
    SilentAlerts alerts;
    NoTrash trash;
    NoLog log;
    BoardTreeBuilder builder(alerts, trash, log);
    BoardTreeModel model;
    for (auto _ : state) {
        model.setKaigishitsuArray(builder.makeBrowseKaigishitsuTable(w.path));
        if (model.flatRowCount() != w.files + 50)
            state.SkipWithError("tree incomplete");
    }
    state.counters["files"] = w.files;
    state.counters["GB"] = double(w.bytes) / 1e9;
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void orders(benchmark::internal::Benchmark* b)
{
    for (int count : {1000, 10000, 50000}) {
        b->Args({count, 0});
        b->Args({count, 1});
    }
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_ReadBytesFloor)->Apply(sizes);
BENCHMARK(BM_ReadBoardLogFloor)->Apply(sizes);
BENCHMARK(BM_OpenBoard)->Apply(orders);
BENCHMARK(BM_Order)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildBoardTree)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

BENCHMARK_MAIN();
