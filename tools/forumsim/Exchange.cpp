#include "Exchange.h"

namespace tavrel::forumsim {

Exchange::Exchange(const httplib::Request& request, httplib::Response& response, bool secure)
    : m_request(request)
    , m_response(response)
    , m_secure(secure)
{
    QString host = QString::fromLatin1(request.get_header_value("Host")).toLower();
    const qsizetype colon = host.lastIndexOf(u':');
    if (colon >= 0 && !host.endsWith(u']'))
        host.truncate(colon);
    m_host = host;
    const QByteArray target = QByteArray::fromStdString(request.target);
    const qsizetype question = target.indexOf('?');
    m_path = QString::fromLatin1(question < 0 ? target : target.first(question));
    m_query = question < 0 ? QByteArray() : target.sliced(question + 1);
}

QString Exchange::url() const
{
    QString url = (m_secure ? QStringLiteral("https://") : QStringLiteral("http://")) + m_host + m_path;
    if (!m_query.isEmpty())
        url += u'?' + QString::fromLatin1(m_query);
    return url;
}

QString Exchange::cookie(const QString& name) const
{
    const size_t count = m_request.get_header_value_count("Cookie");
    for (size_t i = 0; i < count; ++i) {
        const QString header = QString::fromLatin1(m_request.get_header_value("Cookie", i));
        for (const QString& pair : header.split(u';')) {
            const qsizetype equals = pair.indexOf(u'=');
            if (equals > 0 && pair.left(equals).trimmed() == name)
                return pair.mid(equals + 1).trimmed();
        }
    }
    return {};
}

std::optional<std::pair<QString, QString>> Exchange::basicCredentials() const
{
    const QByteArray header =
        QByteArray::fromStdString(m_request.get_header_value("Authorization")).trimmed();
    if (!header.toLower().startsWith("basic "))
        return std::nullopt;
    const auto decoded =
        QByteArray::fromBase64Encoding(header.mid(6).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QByteArray& pair = decoded.decoded;
    const qsizetype colon = pair.indexOf(':');
    if (colon < 0)
        return std::nullopt;
    return std::pair{QString::fromUtf8(pair.first(colon)), QString::fromUtf8(pair.sliced(colon + 1))};
}

std::optional<FormFields> Exchange::bodyFields() const
{
    return FormFields::parse(QByteArray::fromStdString(m_request.body));
}

} // namespace tavrel::forumsim
