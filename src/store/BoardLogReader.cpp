#include "store/BoardLogReader.h"

#include "store/MappedFile.h"
#include "store/PlistValueReader.h"

#include <cstring>

namespace tavrel {

namespace {

using Element = PlistDocument::Element;

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

qsizetype skipSpace(QByteArrayView text, qsizetype at)
{
    while (at < text.size() && isSpace(text[at]))
        ++at;
    return at;
}

} // namespace

template<typename Fields>
bool BoardLogReader::readFields(const PlistDocument& document, pugi::xml_node dict, int depth, Fields& fields,
                                QString* error)
{
    int hint = 0;
    return document.forEachEntry(
        dict,
        [&](QByteArrayView key, pugi::xml_node value) {
            const int index = Fields::keyIndex(key, hint);
            if (index >= 0 && PlistDocument::elementOf(value) == Element::String) {
                std::optional<QString> text = PlistDocument::text(value);
                if (!text)
                    return fail(error, document.failure(value, QStringLiteral("a bare \"&\", a bad reference "
                                                                              "or an element in <string>")));
                fields.setValue(typename Fields::Key(index), std::move(*text));
                hint = index + 1;
                return true;
            }
            PlistValueReader reader(document);
            std::optional<PlistValue> item = reader.read(value, depth + 1);
            if (!item)
                return fail(error, reader.error());
            fields.setOther(QString::fromUtf8(key), std::move(*item));
            return true;
        },
        error);
}

std::optional<BoardLogFile> BoardLogReader::read(QByteArray bytes, QString* error)
{
    PlistDocument document;
    if (!document.load(std::move(bytes), error))
        return std::nullopt;
    return fromDocument(document, error);
}

std::optional<BoardLogFile> BoardLogReader::readFile(const QString& path, QString* error)
{
    PlistDocument document;
    if (!document.loadFile(path, error))
        return std::nullopt;
    QString message;
    std::optional<BoardLogFile> file = fromDocument(document, &message);
    if (!file)
        fail(error, path + u": " + message);
    return file;
}

std::optional<AppendableBoardLog> BoardLogReader::readAppendableFile(const QString& path, QString* error)
{
    // The records are kept straight from the file's pages; the parse works on its own copy.
    PlistDocument document;
    const std::shared_ptr<const MappedFile> source = MappedFile::open(path);
    if (source) {
        QString message;
        if (!document.load(source->bytes().toByteArray(), &message)) {
            fail(error, path + u": " + message);
            return std::nullopt;
        }
        if (std::optional<AppendableBoardLog> kept = keepRecords(document, source))
            return kept;
    } else if (!document.loadFile(path, error)) {
        return std::nullopt;
    }
    QString message;
    std::optional<BoardLogFile> file = fromDocument(document, &message);
    if (!file) {
        fail(error, path + u": " + message);
        return std::nullopt;
    }
    return AppendableBoardLog(std::move(*file));
}

std::optional<AppendableBoardLog> BoardLogReader::keepRecords(const PlistDocument& document,
                                                              const std::shared_ptr<const MappedFile>& source)
{
    // Anything unusual leaves the file to the whole reading, which also words any fault.
    const pugi::xml_node root = document.rootValue();
    if (PlistDocument::elementOf(root) != Element::Dict || PlistDocument::holdsText(root))
        return std::nullopt;
    // The root holds exactly <key>Header</key> <dict> <key>Body</key> <array>.
    pugi::xml_node elements[4];
    int count = 0;
    for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            if (PlistDocument::isBlank(child))
                continue;
            return std::nullopt;
        }
        if (count == 4)
            return std::nullopt;
        elements[count++] = child;
    }
    const auto isKey = [](pugi::xml_node node, QByteArrayView name) {
        return PlistDocument::elementOf(node) == Element::Key && !node.first_child() &&
               QByteArrayView(node.value()) == name;
    };
    if (count != 4 || !isKey(elements[0], "Header") ||
        PlistDocument::elementOf(elements[1]) != Element::Dict || !isKey(elements[2], "Body") ||
        PlistDocument::elementOf(elements[3]) != Element::Array || PlistDocument::holdsText(elements[3]))
        return std::nullopt;

    AppendableBoardLog log;
    QString ignored;
    if (!readFields(document, elements[1], 1, log.m_file.m_header, &ignored))
        return std::nullopt;

    // Every record a dictionary of texts that read well; only what sorting and merging need
    // is taken.
    QList<AppendableBoardLog::KeptRecord>& kept = log.m_kept;
    for (pugi::xml_node child = elements[3].first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) {
            if (PlistDocument::isBlank(child))
                continue;
            return std::nullopt;
        }
        if (PlistDocument::elementOf(child) != Element::Dict)
            return std::nullopt;
        AppendableBoardLog::KeptRecord record;
        // A record starts with its indentation, two tabs in the written form.
        record.offset = document.offsetOf(child) - 2;
        const bool readable = document.forEachEntry(
            child,
            [&record](QByteArrayView key, pugi::xml_node value) {
                if (PlistDocument::elementOf(value) != Element::String)
                    return false;
                QString* into = key == "Number" ? &record.number : key == "Date" ? &record.date : nullptr;
                if (!into && key != "DontRead")
                    return PlistDocument::hasText(value);
                std::optional<QString> text = PlistDocument::text(value);
                if (!text)
                    return false;
                if (into)
                    *into = std::move(*text);
                else
                    record.unread = *text == u"YES";
                return true;
            },
            &ignored);
        if (!readable)
            return std::nullopt;
        kept.append(std::move(record));
    }

    // The bytes around the records must be what the writer gives for this header.
    const QByteArray start = log.m_file.serializedStart();
    const QByteArrayView bytes = source->bytes();
    const QByteArrayView end = BoardLogFile::writtenEnd();
    if (kept.isEmpty() || bytes.size() < start.size() + end.size() || !bytes.startsWith(start) ||
        !bytes.endsWith(end))
        return std::nullopt;
    for (AppendableBoardLog::KeptRecord& record : kept) {
        record.offset -= start.size();
        if (record.offset < 0 || !bytes.sliced(start.size() + record.offset).startsWith("\t\t<dict"))
            return std::nullopt;
    }
    log.m_keptFrom = start.size();
    log.m_keptSize = bytes.size() - start.size() - end.size();
    log.m_keptSource = source;
    return log;
}

std::optional<BoardLogFile> BoardLogReader::fromDocument(const PlistDocument& document, QString* error)
{
    QString message;
    const pugi::xml_node root = document.rootValue();
    if (PlistDocument::elementOf(root) != Element::Dict) {
        fail(error, QStringLiteral("the root is not a dictionary"));
        return std::nullopt;
    }

    BoardLogFile file;
    file.m_hasBody = false;
    const bool ok = document.forEachEntry(
        root,
        [&](QByteArrayView key, pugi::xml_node value) {
            if (key == "Header") {
                if (PlistDocument::elementOf(value) != Element::Dict)
                    return fail(&message,
                                document.failure(value, QStringLiteral("\"Header\" is not a dictionary")));
                file.m_header = BoardLogHeader();
                return readFields(document, value, 1, file.m_header, &message);
            }
            if (key == "Body") {
                if (PlistDocument::elementOf(value) != Element::Array)
                    return fail(&message,
                                document.failure(value, QStringLiteral("\"Body\" is not an array")));
                if (PlistDocument::holdsText(value))
                    return fail(&message, document.failure(value, QStringLiteral("text in <array>")));
                file.m_hasBody = true;
                file.m_body.clear();
                qsizetype count = 0;
                for (pugi::xml_node child = value.first_child(); child; child = child.next_sibling())
                    count += child.type() == pugi::node_element;
                file.m_body.reserve(count);
                for (pugi::xml_node child = value.first_child(); child; child = child.next_sibling()) {
                    if (child.type() != pugi::node_element) {
                        if (PlistDocument::isBlank(child))
                            continue;
                        return fail(&message, document.failure(child, QStringLiteral("text in <array>")));
                    }
                    if (PlistDocument::elementOf(child) != Element::Dict)
                        return fail(
                            &message,
                            document.failure(child, QStringLiteral("a message record is not a dictionary")));
                    file.m_body.emplaceBack();
                    if (!readFields(document, child, 2, file.m_body.last(), &message))
                        return false;
                }
                return true;
            }
            PlistValueReader reader(document);
            std::optional<PlistValue> item = reader.read(value, 1);
            if (!item)
                return fail(&message, reader.error());
            file.m_otherRootKeys.insert(QString::fromUtf8(key), std::move(*item));
            return true;
        },
        &message);
    if (!ok) {
        fail(error, message);
        return std::nullopt;
    }
    return file;
}

qsizetype BoardLogReader::headerEnd(QByteArrayView start, bool* needMore)
{
    *needMore = false;
    // The opening of the root dictionary and of the header: <plist ...> <dict> <key>Header</key>
    const qsizetype plist = start.indexOf("<plist");
    if (plist < 0) {
        // The XML header and DOCTYPE are short; a long start without <plist is not ours.
        *needMore = start.size() < 4096;
        return -1;
    }
    const qsizetype plistEnd = start.indexOf('>', plist);
    if (plistEnd < 0 || start.first(plist).contains("<!--")) {
        *needMore = plistEnd < 0;
        return -1;
    }
    qsizetype at = plistEnd + 1;
    for (const QByteArrayView expected : {QByteArrayView("<dict>"), QByteArrayView("<key>Header</key>")}) {
        at = skipSpace(start, at);
        if (start.size() - at < expected.size()) {
            *needMore = true;
            return -1;
        }
        if (start.sliced(at, expected.size()) != expected)
            return -1;
        at += expected.size();
    }
    at = skipSpace(start, at);
    // The header's own dictionary, to its matching end; nothing in between may be a comment or
    // a CDATA section (where "<dict>" would not be a tag).
    int depth = 0;
    while (true) {
        at = start.indexOf('<', at);
        if (at < 0 || start.size() - at < 8) {
            *needMore = true;
            return -1;
        }
        const QByteArrayView tag = start.sliced(at);
        if (tag.startsWith("<!"))
            return -1;
        if (tag.startsWith("<dict>")) {
            ++depth;
            at += 6;
        } else if (tag.startsWith("<dict/>")) {
            at += 7;
            if (depth == 0)
                return at;
        } else if (tag.startsWith("</dict>")) {
            --depth;
            at += 7;
            if (depth <= 0)
                return depth == 0 ? at : -1;
        } else if (depth == 0) {
            return -1; // the header is not a dictionary
        } else {
            ++at;
        }
    }
}

std::optional<BoardLogHeader> BoardLogReader::readHeaderPrefix(QByteArrayView prefix, QString* error)
{
    QByteArray document = prefix.toByteArray();
    document.append("\n</dict>\n</plist>\n");
    std::optional<BoardLogFile> file = read(std::move(document), error);
    if (!file)
        return std::nullopt;
    return std::move(file->header());
}

bool BoardLogReader::endsComplete(QByteArrayView tail)
{
    qsizetype end = tail.size();
    while (end > 0 && isSpace(tail[end - 1]))
        --end;
    tail = tail.first(end);
    if (!tail.endsWith("</plist>"))
        return false;
    tail.chop(8);
    end = tail.size();
    while (end > 0 && isSpace(tail[end - 1]))
        --end;
    return tail.first(end).endsWith("</dict>");
}

} // namespace tavrel
