#include "app/settings/SettingsList.h"

#include "engines/codepage/CodePages.h"

namespace folianto::settings {

QByteArray encodeList(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        bytes += codepage::toCp1251(entry);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList decodeList(const QByteArray& bytes)
{
    QStringList entries;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        entries << codepage::fromCp1251(QByteArrayView(bytes).sliced(start, i - start));
        ++i;
        if (c == '\r' && i < bytes.size() && bytes[i] == '\n')
            ++i;
        start = i;
    }
    if (start < bytes.size())
        entries << codepage::fromCp1251(QByteArrayView(bytes).sliced(start));
    return entries;
}

} // namespace folianto::settings
