#include "engines/archive/EntryName.h"

namespace folianto::archive {

QString bareFileName(const QString& storedPath)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < storedPath.size(); ++i) {
        const QChar c = storedPath.at(i);
        if (c == u'/' || c == u'\\' || (c == u':' && i == 1))
            start = i + 1;
    }
    QString name = storedPath.mid(start);
    if (name == u"." || name == u"..")
        return {};
    return name;
}

} // namespace folianto::archive
