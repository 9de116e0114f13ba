#pragma once
// A shown main window on a catalogue of books made for the test, with a fixed clock and a
// recording shell, and the helpers the open and close tests share.

#include "../catalogue/CatalogueFixtures.h"
#include "archive/ArchiveFixtures.h"
#include "FormBookFixture.h"
#include "reader/ReaderCommands.h"
#include "support/FixedClock.h"
#include "support/RecordingShell.h"

#include "util/FileSystem.h"
#include "util/Paths.h"

#include <QAction>
#include <QComboBox>
#include <QTableView>
#include <vector>

namespace folianto::test {

// ASCII text of `count` lines of `bytes` bytes each, CR LF included; `first` numbers them.
inline QByteArray bookLines(int count, int bytes, int first = 0)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        QByteArray line = QByteArray::number(first + i).rightJustified(5, '0') + ' ';
        while (line.size() < bytes - 2)
            line += char('a' + (line.size() % 26));
        out += line.left(bytes - 2) + "\r\n";
    }
    return out;
}

class OpenBookTest : public FormBookTest {
protected:
    // The work folder is the user's own: leave nothing of the tests in it.
    void TearDown() override
    {
        form.reset();
        const QString work = util::joinPath(util::TempPath(), QStringLiteral("BOOKDATA"));
        if (!util::TempPath().isEmpty() && QFileInfo::exists(work))
            util::ClearFolder(work);
    }
    void startWith(const std::vector<FixtureRow>& rows, const Adjust& adjust = {})
    {
        catalogueFile = dir.file(QStringLiteral("c.bon"));
        writeCatalogue(catalogueFile, rows);
        ASSERT_TRUE(start({catalogueFile}, {}, adjust));
        form->resize(900, 700);
        form->show();
    }
    QString book(const QString& name, const QByteArray& bytes) { return dir.write(name, bytes); }

    void select(const QString& title) { ASSERT_TRUE(ds().locate(catalogue::field::BookName, title)); }
    void trigger(const char* name) { triggerCommand(*form, name); }
    void open(const QString& title, const char* command = "mOpenbook")
    {
        select(title);
        trigger(command);
    }
    // A field of a row, read through a second cursor.
    QString value(const QString& title, const QString& field) const
    {
        auto other = form->catalogue().Ds().clone();
        EXPECT_TRUE(other->locate(catalogue::field::BookName, title)) << title.toStdString();
        return other->asString(field);
    }
    // The same, as the catalogue file holds it.
    QString stored(const QString& title, const QString& field) const
    {
        table::Dataset file;
        file.setFieldDefs(catalogue::catalogueFieldDefs());
        file.setFileName(catalogueFile);
        file.open();
        EXPECT_TRUE(file.locate(catalogue::field::BookName, title));
        const QString v = file.asString(field);
        file.setFileName({});
        file.close();
        return v;
    }
    void setField(const QString& title, const QString& field, const QVariant& v)
    {
        select(title);
        ds().edit();
        ds().setValue(field, v);
        ds().post();
    }
    reader::ReadingViews& views() { return form->readerCommands().views(); }
    reader::BookSession& session() { return form->readerCommands().session(); }
    bool bookShown() const { return form->frontView() == form->bookView(); }

    QString catalogueFile;
    FixedClock clock{QDateTime(QDate(2024, 3, 15), QTime(12, 0))};
    InstalledClock installedClock{clock};
    RecordingShell shell;
    InstalledShell installedShell{shell};
};

} // namespace folianto::test
