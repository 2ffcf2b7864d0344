#include "store/Comparisons.h"

#include "store/DateText.h"
#include "text/IntegerValue.h"

#include <algorithm>

namespace tavrel {

namespace {

std::weak_ordering compareKeys(const MessageSortKey& a, const MessageSortKey& b)
{
    if (a.number != b.number)
        return a.number <=> b.number;
    if (a.date && b.date)
        return a.date->toMSecsSinceEpoch() <=> b.date->toMSecsSinceEpoch();
    return std::weak_ordering::equivalent;
}

std::weak_ordering compareText(const PlistDict& a, const PlistDict& b, QStringView key)
{
    const int result = QString::compare(a.string(key), b.string(key), Qt::CaseSensitive);
    return result <=> 0;
}

bool downloadChecked(const PlistDict& entry)
{
    const PlistValue* flag = entry.find(u"DownloadCheckBox");
    if (!flag)
        return false;
    return flag->type() == PlistValue::Type::Bool ? flag->toBool() : flag->toString() == u"YES";
}

} // namespace

MessageSortKey messageSortKey(const MessageRecord& record)
{
    return {record.numberValue(), record.dateValue()};
}

MessageSortKey messageSortKey(const PlistDict& record)
{
    return {integerValue(record.string(u"Number")), parseDateText(record.string(u"Date"))};
}

std::weak_ordering messageNumberCompare(const MessageRecord& a, const MessageRecord& b)
{
    return compareKeys(messageSortKey(a), messageSortKey(b));
}

std::weak_ordering messageNumberCompare(const PlistDict& a, const PlistDict& b)
{
    return compareKeys(messageSortKey(a), messageSortKey(b));
}

std::weak_ordering tsushinSetteiBoardNameCompare(const PlistDict& a, const PlistDict& b)
{
    return compareText(a, b, u"BbsID");
}

std::weak_ordering forumListGoCommandCompare(const PlistDict& a, const PlistDict& b)
{
    return compareText(a, b, u"ForumListGoCommand");
}

std::weak_ordering forumListForumNameCompare(const PlistDict& a, const PlistDict& b)
{
    return compareText(a, b, u"ForumListForumName");
}

std::weak_ordering forumListDownloadCheckCompare(const PlistDict& a, const PlistDict& b)
{
    // Checked entries first: "on" sorts as the smaller.
    return downloadChecked(b) <=> downloadChecked(a);
}

std::vector<qsizetype> messageNumberOrder(const std::vector<MessageSortKey>& keys)
{
    std::vector<qsizetype> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return keys[size_t(a)].number < keys[size_t(b)].number;
    });

    // Within each run of equal numbers, the dated items trade places among themselves.
    std::vector<size_t> places;
    std::vector<qsizetype> dated;
    for (size_t begin = 0; begin < order.size();) {
        size_t end = begin + 1;
        while (end < order.size() && keys[size_t(order[end])].number == keys[size_t(order[begin])].number)
            ++end;
        if (end - begin > 1) {
            places.clear();
            dated.clear();
            for (size_t i = begin; i < end; ++i) {
                if (keys[size_t(order[i])].date) {
                    places.push_back(i);
                    dated.push_back(order[i]);
                }
            }
            std::stable_sort(dated.begin(), dated.end(), [&](qsizetype a, qsizetype b) {
                return keys[size_t(a)].date->toMSecsSinceEpoch() < keys[size_t(b)].date->toMSecsSinceEpoch();
            });
            for (size_t i = 0; i < places.size(); ++i)
                order[places[i]] = dated[i];
        }
        begin = end;
    }
    return order;
}

} // namespace tavrel
