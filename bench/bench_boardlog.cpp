// Reading and writing board log files of 1K, 10K and 50K messages of Japanese markup
// (about 2 KB each), next to the floor: reading the same bytes and writing them atomically.

#include "store/BoardLogFile.h"
#include "store/DateText.h"
#include "store/PropertyList.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

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

QString contents(std::mt19937& random, int number)
{
    QString text = QStringLiteral("<font color=\"#000080\">") + QString::number(number) +
                   QStringLiteral("</font> <b>題名</b><br>\r\n<a href=\"http://example.com/m/") +
                   QString::number(number) + QStringLiteral("\">リンク</a><br>\r\n");
    // About 2 KB of UTF-8.
    while (text.toUtf8().size() < 2000) {
        for (int i = 0; i < 8; ++i)
            text += QString::fromUtf16(phrases[random() % std::size(phrases)]);
        text += QStringLiteral("<br>\r\n");
    }
    return text;
}

BoardLogFile makeFile(int count)
{
    std::mt19937 random(count);
    BoardLogFile file;
    file.header() = BoardLogHeader::newFileHeader();
    file.header().setKaigishitsuName(QStringLiteral("ニフティ：会議室：フォーラム：雑談"));
    file.header().setNumberOfLastMes(QString::number(count));
    const QDateTime start(QDate(2004, 1, 1), QTime(0, 0), japanTime());
    for (int n = 1; n <= count; ++n) {
        MessageRecord record;
        record.setNumber(QString::number(n));
        record.setComment(QString::number(n > 3 ? n - 3 : 0));
        record.setTitle(QStringLiteral("Ｒｅ：会議の件 ") + QString::number(n));
        record.setName(QStringLiteral("山田 太郎"));
        record.setDate(formatDateText(start.addSecs(qint64(n) * 600)));
        record.setContents(contents(random, n));
        record.setCommentURL(QStringLiteral("http://example.com/nbbin/nb_wrent/comment?no=") +
                             QString::number(n));
        record.setDontRead(n % 3 ? QStringLiteral("NO") : QStringLiteral("YES"));
        record.setLock(QStringLiteral("NO"));
        record.setMemo(QString());
        record.setLabel(QString());
        record.setIndentLevel(QStringLiteral("0"));
        file.body().append(std::move(record));
    }
    return file;
}

struct Fixture
{
    QString path;
    QString outPath;
    BoardLogFile file;
    qint64 bytes = 0;
};

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

Fixture& fixture(int count)
{
    static std::map<int, Fixture> fixtures;
    auto it = fixtures.find(count);
    if (it != fixtures.end())
        return it->second;
    Fixture& f = fixtures[count];
    f.path = folder().filePath(QStringLiteral("board%1").arg(count));
    f.outPath = folder().filePath(QStringLiteral("out%1").arg(count));
    f.file = makeFile(count);
    if (!f.file.write(f.path))
        qFatal("cannot write the benchmark file");
    f.bytes = QFile(f.path).size();
    return f;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read");
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        qFatal("cannot write");
}

void setBytes(benchmark::State& state, const Fixture& f)
{
    state.SetBytesProcessed(state.iterations() * f.bytes);
    state.counters["MB"] = double(f.bytes) / 1e6;
}

// Heap bytes in use, to weigh what a model holds.
double heapMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1e6;
}

// The floor: the bytes read, then written atomically (written, synced, renamed).
void BM_FloorReadAndWrite(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        QByteArray bytes = readBytes(f.path);
        writeBytes(f.outPath, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state, f);
}

void BM_FloorRead(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        QByteArray bytes = readBytes(f.path);
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state, f);
}

void BM_FloorWrite(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    const QByteArray bytes = readBytes(f.path);
    for (auto _ : state)
        writeBytes(f.outPath, bytes);
    setBytes(state, f);
}

void BM_ReadIntoModel(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    double held = 0;
    for (auto _ : state) {
        const double before = heapMegabytes();
        std::optional<BoardLogFile> file = BoardLogFile::read(f.path);
        if (!file || file->body().size() != state.range(0))
            state.SkipWithError("read failed");
        held = heapMegabytes() - before;
        benchmark::DoNotOptimize(file);
    }
    setBytes(state, f);
    state.counters["heldMB"] = held;
}

// The same file read into generic values (a dictionary per record), and further into
// QVariantMaps, for comparison with the record model.
void BM_ReadIntoDictionaries(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    double held = 0;
    for (auto _ : state) {
        const double before = heapMegabytes();
        std::optional<PlistValue> value = PropertyList::readFile(f.path);
        if (!value)
            state.SkipWithError("read failed");
        held = heapMegabytes() - before;
        benchmark::DoNotOptimize(value);
    }
    setBytes(state, f);
    state.counters["heldMB"] = held;
}

void BM_ReadIntoVariantMaps(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    double held = 0;
    for (auto _ : state) {
        const double before = heapMegabytes();
        QVariant variant;
        {
            std::optional<PlistValue> value = PropertyList::readFile(f.path);
            if (!value)
                state.SkipWithError("read failed");
            variant = value->toVariant();
        }
        held = heapMegabytes() - before;
        benchmark::DoNotOptimize(variant);
    }
    setBytes(state, f);
    state.counters["heldMB"] = held;
}

void BM_WriteFromModel(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        if (!f.file.write(f.outPath))
            state.SkipWithError("write failed");
    }
    setBytes(state, f);
}

void BM_ReadHeaderOnly(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    for (auto _ : state) {
        std::optional<BoardLogHeader> header = BoardLogFile::readHeader(f.path);
        if (!header)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(header);
    }
}

void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_FloorReadAndWrite)->Apply(sizes);
BENCHMARK(BM_FloorRead)->Apply(sizes);
BENCHMARK(BM_FloorWrite)->Apply(sizes);
BENCHMARK(BM_ReadIntoModel)->Apply(sizes);
BENCHMARK(BM_WriteFromModel)->Apply(sizes);
BENCHMARK(BM_ReadIntoDictionaries)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadIntoVariantMaps)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadHeaderOnly)->Apply(sizes);

BENCHMARK_MAIN();
