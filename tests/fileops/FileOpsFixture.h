#pragma once
// A window stand-in for the book-file commands and a catalogue of books made in a temporary
// folder, with the scripted prompts and the recording shell installed.

#include "catalogue/CatalogueFixtures.h"
#include "catalogue/FakeCatalogueHost.h"
#include "fileops/FileCommands.h"
#include "fileops/FileCommandsHost.h"
#include "support/RecordingShell.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace folianto::test {

class FakeFileHost : public fileops::FileCommandsHost {
public:
    catalogue::Catalogue& catalogue() override { return cat; }
    reader::LocationSettings locationSettings() override { return location; }
    void repaintWindow() override { ++repaints; }

    FakeCatalogueHost host;
    catalogue::Catalogue cat{host};
    reader::LocationSettings location;
    int repaints = 0;
};

inline QByteArray bookBytes(const QString& name, int size = 1000)
{
    QByteArray bytes = name.toUtf8() + '\n';
    while (bytes.size() < size)
        bytes += char('a' + bytes.size() % 26);
    return bytes.left(size);
}

class FileOps : public ::testing::Test {
protected:
    // Writes `links` as rows ("Книга 1", ...) linked to those paths and opens the catalogue.
    void open(const QStringList& links)
    {
        std::vector<FixtureRow> rows;
        for (int i = 0; i < links.size(); ++i)
            rows.push_back({QStringLiteral("Книга %1").arg(i + 1), {}, links[i]});
        ASSERT_TRUE(window.cat.SwitchCatalogue({})); // closing writes the previous one
        path = dir.file(QStringLiteral("books.bon"));
        writeCatalogue(path, rows);
        ASSERT_TRUE(window.cat.SwitchCatalogue(path));
        window.cat.setRowEventsOn(true);
        window.cat.Ds().first();
        window.host.bookCloses = 0;
    }
    // A book file below the temporary folder.
    QString book(const QString& name, int size = 1000) const { return dir.write(name, bookBytes(name, size)); }
    // `_FileName` of every row as written in the catalogue file.
    QStringList storedLinks() const
    {
        return readRows(path, [](const table::Dataset& ds) { return ds.asString(catalogue::field::FileName); });
    }
    QString link() const { return window.cat.Ds().asString(catalogue::field::FileName); }
    static bool exists(const QString& p) { return QFileInfo::exists(p); }
    static QByteArray contentOf(const QString& p) { return TempDir::read(p); }
    // The files of a folder by name, hidden ones (a left-over temporary copy) included.
    static QStringList filesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // A folder nobody may create files in: a read-only folder, or for root (who passes every
    // permission) a folder of the process file system.
    QString unwritableFolder() const
    {
        if (::geteuid() == 0)
            return QStringLiteral("/proc/self");
        const QString folder = dir.file(QStringLiteral("locked"));
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return folder;
    }

    TempDir dir;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    RecordingShell shell;
    InstalledShell shellInstalled{shell};
    FakeFileHost window;
    fileops::FileCommands commands{window};
    QString path;
};

} // namespace folianto::test
