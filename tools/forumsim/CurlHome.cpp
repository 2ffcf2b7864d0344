#include "CurlHome.h"

#include <QDir>
#include <QSaveFile>

namespace tavrel::forumsim {

namespace {

bool writeAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QString CurlHome::quoted(const QString& value)
{
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QByteArray CurlHome::configText(const Ports& ports, const QString& authorityPath, bool bypassProxies)
{
    QString text =
        QStringLiteral("# Written by tavrel-forumsim: the service's host names lead to the simulator.\n");
    text +=
        QStringLiteral("connect-to = ") + quoted(QStringLiteral(":80:127.0.0.1:%1").arg(ports.http)) + u'\n';
    text += QStringLiteral("connect-to = ") + quoted(QStringLiteral(":443:127.0.0.1:%1").arg(ports.https)) +
            u'\n';
    text += QStringLiteral("cacert = ") + quoted(authorityPath) + u'\n';
    if (bypassProxies)
        text += QStringLiteral("noproxy = \"*\"\n");
    return text.toUtf8();
}

bool CurlHome::write(const QString& folder, const Ports& ports, const QByteArray& authorityPem,
                     bool bypassProxies, QString* error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QString authorityPath = QDir(folder).absoluteFilePath(QStringLiteral("forumsim-ca.pem"));
    return writeAtomically(authorityPath, authorityPem, error) &&
           writeAtomically(QDir(folder).absoluteFilePath(QStringLiteral(".curlrc")),
                           configText(ports, authorityPath, bypassProxies), error);
}

} // namespace tavrel::forumsim
