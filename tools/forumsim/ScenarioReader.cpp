#include "ScenarioReader.h"

#include "HtmlPage.h"
#include "JapanTime.h"
#include "MessageGenerator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

namespace tavrel::forumsim {

namespace {

QString text(const QJsonObject& object, const char16_t* key, const QString& fallback = QString())
{
    const QJsonValue value = object.value(QString::fromUtf16(key));
    return value.isString() ? value.toString() : fallback;
}

bool isColour(const QString& value)
{
    const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    return pattern.match(value).hasMatch();
}

} // namespace

ScenarioReader::ScenarioReader(const ServiceConfiguration& configuration, const QDateTime& now)
    : m_configuration(configuration)
    , m_now(now)
{}

QString ScenarioReader::plainToMarkup(const QString& text)
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = normalized.split(u'\n');
    for (QString& line : lines)
        line = HtmlPage::escape(line);
    return lines.join(QStringLiteral("<br>\n"));
}

bool ScenarioReader::isSafeIdentifier(const QString& id)
{
    const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_-]{0,63}$"));
    return pattern.match(id).hasMatch();
}

bool ScenarioReader::fail(const QString& message)
{
    m_error = m_where.isEmpty() ? message : m_where + QStringLiteral(": ") + message;
    return false;
}

bool ScenarioReader::read(const QByteArray& json, ForumState& state, SessionStore& sessions, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    bool ok = true;
    if (parseError.error != QJsonParseError::NoError) {
        ok = fail(QStringLiteral("not JSON (%1 at offset %2)")
                      .arg(parseError.errorString(), QString::number(parseError.offset)));
    } else if (!document.isObject()) {
        ok = fail(QStringLiteral("the scenario must be a JSON object"));
    }
    const QJsonObject root = document.object();
    const auto each = [&](const char16_t* key, auto&& readOne) {
        const QJsonArray items = root.value(QString::fromUtf16(key)).toArray();
        for (qsizetype i = 0; ok && i < items.size(); ++i) {
            m_where = QStringLiteral("%1[%2]").arg(QString::fromUtf16(key), QString::number(i));
            ok = items.at(i).isObject() ? readOne(items.at(i).toObject())
                                        : fail(QStringLiteral("not an object"));
        }
    };
    auto lock = state.lock();
    each(u"members", [&](const QJsonObject& o) { return readMember(o, state); });
    each(u"forums", [&](const QJsonObject& o) { return readForum(o, state); });
    each(u"boards", [&](const QJsonObject& o) { return readBoard(o, state); });
    each(u"mydesk", [&](const QJsonObject& o) { return readMyDesk(o, state); });
    if (ok)
        sessions.setLifetime(root.value(QStringLiteral("sessionLifetimeSeconds")).toInt(0));
    if (!ok)
        *error = m_error;
    return ok;
}

bool ScenarioReader::readMember(const QJsonObject& object, ForumState& state)
{
    Member member{text(object, u"id"), text(object, u"password"), text(object, u"name"),
                  text(object, u"email")};
    if (!isSafeIdentifier(member.id) || state.member(member.id))
        return fail(QStringLiteral("missing, unsafe or repeated id"));
    if (member.password.isEmpty())
        return fail(QStringLiteral("a member needs a password"));
    if (member.name.isEmpty())
        member.name = member.id;
    state.addMember(member);
    return true;
}

bool ScenarioReader::readForum(const QJsonObject& object, ForumState& state)
{
    Forum forum;
    forum.id = text(object, u"id");
    forum.name = text(object, u"name", forum.id);
    forum.welcome = text(object, u"welcome");
    forum.hasTopPage = object.value(QStringLiteral("topPage")).toBool(true);
    forum.hasBoardListUrl = object.value(QStringLiteral("boardListUrl")).toBool(true);
    if (object.contains(QStringLiteral("boardListAt"))) {
        forum.boardListAt.clear();
        for (const QJsonValue& attempt : object.value(QStringLiteral("boardListAt")).toArray()) {
            if (attempt.toInt(-1) < 0 || attempt.toInt(-1) > 3)
                return fail(QStringLiteral("boardListAt holds attempts 0 to 3"));
            forum.boardListAt.insert(attempt.toInt());
        }
    }
    for (const QJsonValue& member : object.value(QStringLiteral("members")).toArray())
        forum.memberIds.append(member.toString());
    if (!isSafeIdentifier(forum.id) || state.forum(forum.id))
        return fail(QStringLiteral("missing, unsafe or repeated id"));
    state.addForum(forum);
    return true;
}

bool ScenarioReader::readBoard(const QJsonObject& object, ForumState& state)
{
    BoardSettings settings;
    settings.id = text(object, u"id");
    settings.forumId = text(object, u"forum");
    if (!isSafeIdentifier(settings.id) || state.board(settings.id))
        return fail(QStringLiteral("missing, unsafe or repeated id"));
    if (!state.forum(settings.forumId))
        return fail(QStringLiteral("unknown forum \"%1\"").arg(settings.forumId));
    const auto kind = BoardKind::fromPrefix(text(object, u"kind", QStringLiteral("OPEN")));
    if (!kind)
        return fail(
            QStringLiteral("unknown kind; one of %1").arg(BoardKind::prefixes().join(QStringLiteral(", "))));
    settings.kind = *kind;
    settings.title = text(object, u"title", settings.id);
    settings.explanation = text(object, u"explanation");
    const QJsonObject colours =
        object.value(QStringLiteral("colors"))
            .toObject(QJsonObject{{QStringLiteral("bgcolor"), QStringLiteral("FFFFF5")},
                                  {QStringLiteral("text"), QStringLiteral("333333")},
                                  {QStringLiteral("link"), QStringLiteral("0033CC")},
                                  {QStringLiteral("vlink"), QStringLiteral("663399")},
                                  {QStringLiteral("alink"), QStringLiteral("CC0000")}});
    QString* targets[] = {&settings.bgColor, &settings.textColor, &settings.linkColor, &settings.vlinkColor,
                          &settings.alinkColor};
    const char16_t* names[] = {u"bgcolor", u"text", u"link", u"vlink", u"alink"};
    for (int i = 0; i < 5; ++i) {
        *targets[i] = text(colours, names[i]);
        if (!targets[i]->isEmpty() && !isColour(*targets[i]))
            return fail(
                QStringLiteral("colour %1 is not six hexadecimal digits").arg(QString::fromUtf16(names[i])));
    }
    const QString charset = text(object, u"charset", QStringLiteral("Shift_JIS")).toLower();
    if (charset != u"shift_jis" && charset != u"iso-2022-jp")
        return fail(QStringLiteral("charset is Shift_JIS or iso-2022-jp"));
    settings.charset = charset == u"iso-2022-jp" ? Charset::ISO2022JP : Charset::ShiftJIS;
    settings.password = text(object, u"password");
    settings.wrAdd = text(object, u"wrAdd");
    if (!settings.wrAdd.isEmpty() && !isSafeIdentifier(settings.wrAdd))
        return fail(QStringLiteral("wrAdd must be letters and digits"));
    settings.relativeLinks = object.value(QStringLiteral("relativeLinks")).toBool(false);
    const QString listing = text(object, u"listing", QStringLiteral("normal"));
    const QStringList listings = {QStringLiteral("normal"), QStringLiteral("skip"), QStringLiteral("deleted"),
                                  QStringLiteral("hidden")};
    if (!listings.contains(listing))
        return fail(QStringLiteral("listing is one of %1").arg(listings.join(QStringLiteral(", "))));
    settings.listing = BoardSettings::Listing(listings.indexOf(listing));
    Board& board = state.addBoard(settings);
    return readBoardMessages(object, board, state);
}

bool ScenarioReader::readBoardMessages(const QJsonObject& object, Board& board, const ForumState& state)
{
    board.skipNumbersTo(object.value(QStringLiteral("firstNumber")).toInt(1));
    const QJsonObject generate = object.value(QStringLiteral("generate")).toObject();
    const QJsonArray written = object.value(QStringLiteral("messages")).toArray();
    const QDateTime generatedEnd =
        m_now.addSecs(-60 * qMax(1, generate.value(QStringLiteral("endMinutesAgo")).toInt(60)));
    const int count = qBound(0, generate.value(QStringLiteral("count")).toInt(0), 5000);
    if (count > 0) {
        const BoardKind& kind = board.settings().kind;
        MessageGenerator::Options options{
            text(generate, u"topic"), !kind.isOldStyle() && !kind.isSecure(), !kind.isOldStyle(),
            QStringLiteral("http://") + m_configuration.forumHost() + QStringLiteral("/img/")};
        MessageGenerator generator(quint32(generate.value(QStringLiteral("seed")).toInt(1)), state.members(),
                                   options);
        const QDateTime from =
            generatedEnd.addSecs(-3600 * qMax(1, generate.value(QStringLiteral("spanHours")).toInt(72)));
        for (BoardMessage& message :
             generator.generate(count, from, generatedEnd, board.lastNumber() + 1, {}))
            board.append(message);
    }
    for (qsizetype i = 0; i < written.size(); ++i) {
        const QJsonObject item = written.at(i).toObject();
        const qint64 step = qMax<qint64>(60, generatedEnd.secsTo(m_now) / (written.size() + 1));
        const auto date = dateOf(item, generatedEnd.addSecs(step * (i + 1)));
        if (!date)
            return fail(QStringLiteral("messages[%1]: date is \"yyyy-MM-dd HH:mm\"").arg(i));
        BoardMessage message;
        message.comment = item.value(QStringLiteral("comment")).toInt(0);
        message.title = plainToMarkup(text(item, u"title", QStringLiteral("(無題)")));
        message.memberId = text(item, u"member");
        const Member* member = state.member(message.memberId);
        if (!message.memberId.isEmpty() && !member)
            return fail(QStringLiteral("messages[%1]: unknown member \"%2\"")
                            .arg(QString::number(i), message.memberId));
        message.name = plainToMarkup(text(item, u"name", member ? member->name : QStringLiteral("ななし")));
        message.email = text(item, u"email");
        message.body = item.value(QStringLiteral("html")).toBool(false) ? text(item, u"body")
                                                                        : plainToMarkup(text(item, u"body"));
        message.link = text(item, u"link");
        message.image = text(item, u"image");
        message.date = *date;
        board.append(message);
    }
    return true;
}

std::optional<QDateTime> ScenarioReader::dateOf(const QJsonObject& object, const QDateTime& fallback)
{
    if (object.contains(QStringLiteral("date")))
        return JapanTime::parse(text(object, u"date"));
    if (object.contains(QStringLiteral("minutesAgo")))
        return m_now.addSecs(-60 * object.value(QStringLiteral("minutesAgo")).toInt(0));
    return fallback;
}

bool ScenarioReader::readMyDesk(const QJsonObject& object, ForumState& state)
{
    MyDeskMessage message;
    message.toId = text(object, u"to");
    message.fromId = text(object, u"from");
    if (!state.member(message.toId))
        return fail(QStringLiteral("unknown recipient \"%1\"").arg(message.toId));
    if (!isSafeIdentifier(message.fromId))
        return fail(QStringLiteral("missing or unsafe sender"));
    const Member* sender = state.member(message.fromId);
    message.fromName = text(object, u"fromName", sender ? sender->name : message.fromId);
    message.text = text(object, u"text");
    message.read = object.value(QStringLiteral("read")).toBool(false);
    const auto date = dateOf(object, m_now.addSecs(-3600));
    if (!date || message.text.isEmpty())
        return fail(QStringLiteral("a MyDesk message needs a text and a valid date"));
    message.date = *date;
    state.deliver(message);
    return true;
}

} // namespace tavrel::forumsim
