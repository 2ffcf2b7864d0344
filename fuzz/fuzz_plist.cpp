// Property-list and board log file reading on arbitrary bytes. Whatever reads must write back
// to something that reads again to the same form.

#include "store/BoardLogFile.h"
#include "store/BoardLogReader.h"
#include "store/PropertyList.h"

#include <cstdint>
#include <cstdlib>

using namespace tavrel;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    QString error;
    if (std::optional<PlistValue> value = PropertyList::parse(bytes, &error)) {
        const QByteArray written = PropertyList::serialize(*value);
        std::optional<PlistValue> again = PropertyList::parse(written, &error);
        check(again.has_value());
        check(PropertyList::serialize(*again) == written);
    } else {
        check(!error.isEmpty());
    }

    if (std::optional<BoardLogFile> file = BoardLogFile::parse(bytes, &error)) {
        const QByteArray written = file->serialize();
        std::optional<BoardLogFile> again = BoardLogFile::parse(written, &error);
        check(again.has_value());
        check(again->serialize() == written);
        // Written header first, the header reads alone.
        bool needMore = false;
        const qsizetype end = BoardLogReader::headerEnd(written, &needMore);
        check(end > 0 && BoardLogReader::endsComplete(written));
        std::optional<BoardLogHeader> header =
            BoardLogReader::readHeaderPrefix(QByteArrayView(written).first(end), &error);
        check(header.has_value());
        check(header->toDict().keys() == again->header().toDict().keys());
    }

    bool needMore = false;
    const qsizetype end = BoardLogReader::headerEnd(bytes, &needMore);
    if (end >= 0) {
        check(end <= bytes.size());
        BoardLogReader::readHeaderPrefix(bytes.first(end), &error);
    }
    return 0;
}
