#include "Commands.h"

#include "Console.h"
#include "engines/codepage/TextDetect.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool detectOne(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        printError(QStringLiteral("folianto-cat detect: %1: is a folder").arg(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("folianto-cat detect: %1: %2").arg(path, file.errorString()));
        return false;
    }
    printOut(folianto::codepage::plainTextEncodingCode(file) + u'\t' + path + u'\n');
    return true;
}

} // namespace

int runDetect(const QStringList& args)
{
    if (args.isEmpty()) {
        printError(QStringLiteral("usage: folianto-cat detect FILE..."));
        return 2;
    }
    bool allRead = true;
    for (const QString& path : args)
        allRead = detectOne(path) && allRead;
    return allRead ? 0 : 1;
}
