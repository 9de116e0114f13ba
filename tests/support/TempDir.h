#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace folianto::test {

// A fresh folder removed with its contents when the object goes away.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes bytes to a file below the folder (creating sub-folders) and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    static QByteArray read(const QString& path);

private:
    QTemporaryDir dir_;
};

// The shared fixtures folder (beside the checkout), or an empty string when it is absent.
QString sharedFixture(const QString& relative);

} // namespace folianto::test
