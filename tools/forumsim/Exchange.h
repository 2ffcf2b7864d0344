#pragma once

// One request of a client and the response being built for it, with the pieces the
// services read: host, path, cookies, basic authentication and form fields. It also carries
// what the request log records about the exchange.

#include "FormFields.h"

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <httplib.h>

#include <optional>
#include <utility>

namespace tavrel::forumsim {

class Exchange
{
public:
    Exchange(const httplib::Request& request, httplib::Response& response, bool secure);

    bool isSecure() const { return m_secure; }
    bool isPost() const { return m_request.method == "POST"; }
    QString method() const { return QString::fromLatin1(m_request.method); }
    // Lower case, without a port.
    const QString& host() const { return m_host; }
    // The path as sent (not percent-decoded).
    const QString& path() const { return m_path; }
    const QByteArray& query() const { return m_query; }
    QByteArray body() const { return QByteArray::fromStdString(m_request.body); }
    // Scheme, host, path and query as the client asked for them.
    QString url() const;

    // The value of a cookie sent with the request; empty when absent.
    QString cookie(const QString& name) const;
    // The ID and password of basic authentication; nothing when none was sent.
    std::optional<std::pair<QString, QString>> basicCredentials() const;
    std::optional<FormFields> queryFields() const { return FormFields::parse(m_query); }
    std::optional<FormFields> bodyFields() const;

    httplib::Response& response() { return m_response; }

    // What the request log shows.
    void setLoggedMember(const QString& memberId) { m_loggedMember = memberId; }
    const QString& loggedMember() const { return m_loggedMember; }
    void setLoggedFields(const QVariantMap& fields) { m_loggedFields = fields; }
    const QVariantMap& loggedFields() const { return m_loggedFields; }

private:
    const httplib::Request& m_request;
    httplib::Response& m_response;
    bool m_secure;
    QString m_host;
    QString m_path;
    QByteArray m_query;
    QString m_loggedMember;
    QVariantMap m_loggedFields;
};

} // namespace tavrel::forumsim
