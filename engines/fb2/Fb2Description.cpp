#include "engines/fb2/Fb2Description.h"

#include "engines/fb2/Fb2Genres.h"
#include "engines/fb2/Fb2Stream.h"

#include <QFile>

namespace folianto::fb2 {

namespace {

constexpr qint64 kHeadChunk = 8 * 1024;
constexpr qint64 kSniffBytes = 1024;
constexpr qint64 kLongestHead = 1 << 20; // a description longer than this is not one

QString simplified(const QString& text) { return text.simplified(); }

} // namespace

std::optional<Fb2Description> readDescription(QIODevice& device)
{
    if (!looksLikeFb2(device.peek(kSniffBytes)))
        return std::nullopt;
    Fb2Stream in(device, kHeadChunk);
    Fb2Description found;
    QString first, last, nick, *into = nullptr;
    int authors = 0;
    bool inTitleInfo = false, inAuthor = false;
    QString* text = nullptr;
    QString genre;
    while (in.readNext() && in.bytesRead() <= kLongestHead) {
        QXmlStreamReader& xml = in.xml();
        const QStringView qualified = xml.qualifiedName();
        const QStringView name = qualified.sliced(qualified.indexOf(u':') + 1);
        if (xml.isStartElement()) {
            if (name == u"title-info") {
                inTitleInfo = true;
            } else if (name == u"body") {
                break;
            } else if (inTitleInfo && name == u"author") {
                inAuthor = ++authors == 1;
            } else if (inTitleInfo && inAuthor) {
                into = name == u"first-name" ? &first : name == u"last-name" ? &last : name == u"nickname" ? &nick : nullptr;
            } else if (inTitleInfo && name == u"book-title") {
                text = &found.title;
            } else if (inTitleInfo && name == u"genre" && found.genre.isEmpty()) {
                text = &genre;
            }
        } else if (xml.isEndElement()) {
            if (name == u"title-info")
                break;
            if (name == u"author")
                inAuthor = false;
            if (name == u"genre" && found.genre.isEmpty())
                found.genre = genreName(simplified(genre));
            into = nullptr;
            text = nullptr;
        } else if (xml.isCharacters()) {
            if (into)
                *into += xml.text();
            else if (text)
                *text += xml.text();
        }
    }
    if (!inTitleInfo)
        return std::nullopt;
    found.title = simplified(found.title);
    found.author = simplified(simplified(last) + u' ' + simplified(first));
    if (found.author.isEmpty())
        found.author = simplified(nick);
    return found;
}

std::optional<Fb2Description> readDescription(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDescription(file);
}

} // namespace folianto::fb2
