#pragma once
// Books made at test time: Russian prose (from Debian's fortunes-ru when installed, else a
// text of our own) in each code page, and a catalogue holding one row for the book.

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/table/Dataset.h"
#include "reader/LoadBookText.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace folianto::test {

// Prose limited to what all three Cyrillic code pages hold (ASCII, the Russian letters, Ё
// and ё), lines ending in "\n", at least minChars long.
inline QString russianProse(qsizetype minChars)
{
    QString raw;
    const QString folder = QStringLiteral("/usr/share/games/fortunes/ru");
    for (const QString& name : {QStringLiteral("book"), QStringLiteral("life"), QStringLiteral("love")}) {
        QFile f(folder + QLatin1Char('/') + name);
        if (f.open(QIODevice::ReadOnly))
            raw += QString::fromUtf8(f.readAll());
    }
    if (raw.isEmpty())
        raw = QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю.\n"
                             "В чащах юга жил бы цитрус? Да, но фальшивый экземпляр!\n"
                             "Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\n");
    QString clean;
    clean.reserve(raw.size());
    for (QChar c : raw) {
        const bool fits = (c >= QLatin1Char(' ') && c.unicode() < 0x7F) || c == QLatin1Char('\n')
            || (c.unicode() >= 0x410 && c.unicode() <= 0x44F) || c.unicode() == 0x401 || c.unicode() == 0x451;
        clean += fits ? c : QLatin1Char(' ');
    }
    QString text = clean;
    while (text.size() < minChars)
        text += clean;
    return text;
}

// The text in a code page through ICU, with CR LF line breaks as DOS and Windows books have.
inline QByteArray encoded(const QString& text, const char* codePage)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QStringEncoder encoder(codePage);
    EXPECT_TRUE(encoder.isValid()) << codePage;
    return encoder.encode(crlf);
}

// What a view gives back of a text whose lines end in CR LF (toPlainText() reads a no-break
// space as a space).
inline QString shownText(const QByteArray& windowsBytes)
{
    QString text = codepage::fromCp1251(windowsBytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(0xA0), QLatin1Char(' '));
    return text;
}

class LoadBookTextTest : public ::testing::Test {
protected:
    LoadBookTextTest() : installed_(ui)
    {
        catalogue.setFieldDefs(catalogue::catalogueFieldDefs());
        catalogue.createEmpty();
        views.resize(600, 400);
        views.show();
    }

    // Appends a row for the book, marked as the open book, and leaves it current.
    void addBookRow(const QString& path, const QString& oem = {}, std::optional<int> pos = {})
    {
        namespace field = catalogue::field;
        catalogue.append();
        catalogue.setValue(field::BookName, QFileInfo(path).completeBaseName());
        catalogue.setValue(field::FileName, QDir::toNativeSeparators(path));
        catalogue.setValue(field::Cur, catalogue::mark::OpenBook);
        if (!oem.isEmpty())
            catalogue.setValue(field::Oem, oem);
        if (pos)
            catalogue.setValue(field::Pos, *pos);
        catalogue.post();
    }

    void addOtherRow(const QString& title)
    {
        catalogue.append();
        catalogue.setValue(catalogue::field::BookName, title);
        catalogue.post();
    }

    bool load(const QString& path)
    {
        state.bookOpen = true;
        state.currentBookFile = path;
        return loader.LoadBookText();
    }

    QString field(const QString& name) const { return catalogue.asString(name); }

    TempDir dir;
    ScriptedInteraction ui;
    table::Dataset catalogue;
    reader::ReadingState state;
    reader::ReadingViews views;
    reader::PageList pages;
    reader::BookTextLoader loader{catalogue, state, views, pages};

private:
    InstalledInteraction installed_;
};

} // namespace folianto::test
