#pragma once
// FictionBook files made at test time from Russian prose (Debian's fortunes-ru when installed).

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QStringEncoder>
#include <QStringList>

namespace folianto::test {

// Paragraphs of prose, without XML specials.
inline QStringList proseParagraphs(int count)
{
    QString raw;
    QFile f(QStringLiteral("/usr/share/games/fortunes/ru/book"));
    if (f.open(QIODevice::ReadOnly))
        raw = QString::fromUtf8(f.readAll());
    if (raw.isEmpty())
        raw = QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю.\n%\n"
                             "В чащах юга жил бы цитрус? Да, но фальшивый экземпляр!\n%\n");
    QStringList paragraphs;
    for (QString p : raw.split(QLatin1Char('%'))) {
        p = p.simplified().remove(QLatin1Char('<')).remove(QLatin1Char('>')).remove(QLatin1Char('&'));
        if (p.size() > 20)
            paragraphs << p;
    }
    QStringList out;
    for (int i = 0; out.size() < count; ++i)
        out << paragraphs.at(i % paragraphs.size());
    return out;
}

inline QByteArray pngBase64(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toBase64();
}

// The XML text of a FictionBook with `body` inside its main body; the declaration names the
// encoding the caller will write it in.
inline QString fb2Xml(const QString& body, const QString& encoding = QStringLiteral("utf-8"),
                      const QString& tail = QString())
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n"
                          "<FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\" "
                          "xmlns:l=\"http://www.w3.org/1999/xlink\">\n"
                          "<description><title-info><genre>prose_classic</genre><genre>humor</genre>\n"
                          "<author><first-name>Лев</first-name><middle-name>Николаевич</middle-name>"
                          "<last-name>Толстой</last-name></author><author><last-name>Второй</last-name></author>\n"
                          "<book-title>Анна  Каренина</book-title><lang>ru</lang></title-info></description>\n"
                          "<body>%2</body>%3</FictionBook>\n")
        .arg(encoding, body, tail);
}

inline QByteArray encodedAs(const QString& xml, const char* encoding)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(xml);
}

} // namespace folianto::test
