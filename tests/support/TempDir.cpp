#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace folianto::test {

TempDir::TempDir()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
    return path;
}

QByteArray TempDir::read(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString sharedFixture(const QString& relative)
{
    QString root = qEnvironmentVariable("FOLIANTO_SHARED");
    if (root.isEmpty())
        root = QStringLiteral(FOLIANTO_SOURCE_DIR "/../shared");
    const QString path = QDir(root).filePath(relative);
    return QFileInfo::exists(path) ? QFileInfo(path).absoluteFilePath() : QString();
}

} // namespace folianto::test
