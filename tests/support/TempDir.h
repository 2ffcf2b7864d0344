#pragma once

// Temporary folders for tests: created fresh, removed with everything in them.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tavrel::test {

class TempDir
{
public:
    TempDir();

    QString path() const { return m_dir.path(); }
    // Absolute path of a name inside the folder.
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // Creates the folder `relative` (and its parents) inside this one; returns its path.
    QString makeDir(const QString& relative) const;
    // Writes `bytes` to `relative` inside this folder (parents created); returns its path.
    QString writeFile(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

// Reads a whole file; an empty array when it cannot be read.
QByteArray readFile(const QString& path);
// Path of a file under tests/fixtures.
QString fixturePath(const QString& relative);
// Contents of a file under tests/fixtures.
QByteArray readFixture(const QString& relative);
// Folder of the built programs (tavrelsplit, tavrel-forumsim, ...).
QString binaryDir();

} // namespace tavrel::test
