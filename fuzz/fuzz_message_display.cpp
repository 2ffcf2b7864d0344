// Feeds arbitrary bytes to the message display steps and to tree order, and checks what must
// hold for any input: the steps end, remove or add only what they say, and tree order gives a
// permutation that keeps the first record first.

#include "app/MessageHtml.h"
#include "app/MessageTreeOrder.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void exerciseHtml(const QString& text)
{
    const QString clean = tavrel::withoutControlCharacters(text);
    check(clean.size() <= text.size());
    for (qsizetype i = 0; i < clean.size(); ++i) {
        const QChar c = clean[i];
        check(c.category() != QChar::Other_Control || c == u'\t' || c == u'\n' || c == u'\r');
        if (c.isHighSurrogate())
            check(i + 1 < clean.size() && clean[++i].isLowSurrogate());
        else
            check(!c.isLowSurrogate());
    }

    const QString withoutBlock = tavrel::withoutUserActionBlock(text, u"ACTION");
    check(withoutBlock.size() <= text.size());
    check(withoutBlock.endsWith(
        text.sliced(qMax<qsizetype>(0, text.indexOf(u"<!-- CON B -->", 0, Qt::CaseInsensitive)))));

    QString linked = text;
    tavrel::imgTagAddLink(linked);
    check(linked.size() >= text.size());
    // Links are only inserted: the text is still there, in order.
    qsizetype at = 0;
    for (QChar c : linked) {
        if (at < text.size() && c == text[at])
            ++at;
    }
    check(at == text.size());
}

void exerciseTreeOrder(const QString& text)
{
    // Lines of "number comment level"; missing fields stay absent.
    const QStringList lines = text.split(u'\n');
    std::vector<QStringList> fields;
    for (const QString& line : lines)
        fields.push_back(line.split(u' '));
    std::vector<tavrel::MessageTreeOrder::Entry> entries;
    for (const QStringList& f : fields) {
        tavrel::MessageTreeOrder::Entry entry;
        if (f.size() > 0)
            entry.number = QStringView(f[0]);
        if (f.size() > 1)
            entry.comment = QStringView(f[1]);
        if (f.size() > 2)
            entry.level = f[2].toInt();
        entries.push_back(entry);
    }
    const std::vector<tavrel::MessageTreeOrder::Placement> placements =
        tavrel::MessageTreeOrder::arrange(entries);
    check(placements.size() == entries.size());
    std::vector<bool> seen(entries.size());
    for (const auto& placement : placements) {
        check(placement.entry >= 0 && size_t(placement.entry) < entries.size() &&
              !seen[size_t(placement.entry)]);
        seen[size_t(placement.entry)] = true;
    }
    check(placements.empty() || (placements[0].entry == 0 && !placements[0].newLevel));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    exerciseHtml(text);
    if (size % 2 == 0)
        exerciseHtml(QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2)));
    exerciseTreeOrder(text);
    return 0;
}
