// Feeds arbitrary bytes, read as UTF-8 and as UTF-16, to the board page parser, the MyDesk
// page parser and the text part of the page check, and checks what must hold for any input.

#include "logcutter/BoardPage.h"
#include "logcutter/MessageBlock.h"
#include "logcutter/MyDeskPage.h"
#include "logcutter/PageCheck.h"
#include "logcutter/PageDate.h"

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

using tavrel::BoardPage;

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool inside(QStringView part, QStringView whole)
{
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

void exercise(QStringView page)
{
    static const QDateTime now(QDate(2010, 3, 4), QTime(5, 6));

    (void)BoardPage::decodedTitle(page);
    check(BoardPage::bodyTagColours(page).size() <= 5);

    for (QStringView block : BoardPage::messageBlocks(page)) {
        check(!block.isEmpty() && inside(block, page));
        const tavrel::CutMessage cut = tavrel::MessageBlock::cut(block, u"example.com", now);
        check(cut.record.contents().size() <= block.size());
        check(cut.record.dontRead() == u"YES");
        if (cut.record.contains(tavrel::MessageRecord::CommentURL))
            check(cut.postURL && cut.record.commentURL().startsWith(*cut.postURL));
        const QString date = cut.record.date();
        check(date.isEmpty() || date.size() == 25);
    }
    if (const std::optional<QStringView> last = BoardPage::lastCompleteBlock(page))
        check(inside(*last, page));

    for (const tavrel::MessageRecord& record : tavrel::MyDeskPage::messages(page, now)) {
        check(record.dontRead() == u"YES");
        check(record.number().size() >= 8);
    }

    const tavrel::PageCheckScan scan = tavrel::PageCheckScan::scan(page);
    qsizetype previous = -1;
    for (qsizetype at : scan.relativeLinks) {
        check(at > previous && at <= page.size());
        previous = at;
    }
    const QString rewritten =
        tavrel::PageCheckScan::absoluteLinks(page, scan.relativeLinks, u"http://h.example.com");
    check(rewritten.size() == page.size() + scan.relativeLinks.size() * 20);

    (void)tavrel::PageDate::fromText(page.first(qMin<qsizetype>(page.size(), 64)), now).dateText();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    exercise(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));

    // The same bytes as UTF-16 code units in native order, lone surrogates included.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, (size / 2) * 2);
    exercise(units);
    return 0;
}
