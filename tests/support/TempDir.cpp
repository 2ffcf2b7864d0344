#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrel::test {

TempDir::TempDir()
    : m_dir(QDir::tempPath() + QStringLiteral("/tavrel-test-XXXXXX"))
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder: %s", qPrintable(m_dir.errorString()));
}

QString TempDir::makeDir(const QString& relative) const
{
    const QString path = filePath(relative);
    QDir().mkpath(path);
    return path;
}

QString TempDir::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString fixturePath(const QString& relative)
{
    return QStringLiteral(TAVREL_FIXTURES_DIR "/") + relative;
}

QByteArray readFixture(const QString& relative)
{
    return readFile(fixturePath(relative));
}

QString binaryDir()
{
    return QStringLiteral(TAVREL_BIN_DIR);
}

} // namespace tavrel::test
