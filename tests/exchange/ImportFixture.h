#pragma once
// The import commands on a real catalogue in a temporary folder, with a window stand-in that
// records what the commands ask of it and runs pages in a plain dialog through the
// interaction seam.

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/FakeCatalogueHost.h"
#include "exchange/ImportCommands.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace folianto::test {

class FakeImportHost : public exchange::ImportCommandsHost {
public:
    FakeImportHost() : cat(window) {}

    catalogue::Catalogue& catalogue() override { return cat; }
    exchange::FileDefaults fileDefaults() const override { return defaults; }
    bool catalogueShown() const override { return shown; }
    bool pageDialogOpen() const override { return dialogOpen; }
    void bringToFront() override { ++raised; }
    void addBookForFile(const QString& path) override { cardFiles.append(path); }
    bool runPage(const exchange::PageRun& run) override
    {
        QDialog dialog;
        dialog.setWindowTitle(run.caption);
        auto* layout = new QVBoxLayout(&dialog);
        auto* page = new QWidget(&dialog);
        page->setObjectName(run.page);
        layout->addWidget(page);
        run.build(page);
        pagesRun.append(run.page);
        if (util::interaction().runDialog(dialog) != QDialog::Accepted)
            return false;
        run.collect();
        return true;
    }

    FakeCatalogueHost window;
    catalogue::Catalogue cat;
    exchange::FileDefaults defaults;
    bool shown = true;
    bool dialogOpen = false;
    int raised = 0;
    QStringList cardFiles;
    QStringList pagesRun;
};

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        catalogueFile = dir.file(QStringLiteral("main.bon"));
        host.cat.OpenCatalogue(catalogueFile);
        ASSERT_TRUE(host.cat.isOpen());
    }

    table::Dataset& ds() { return host.cat.Ds(); }

    // Column `field` of every row, in storage order.
    QStringList column(const QString& field)
    {
        auto c = ds().clone();
        QStringList values;
        for (c->first(); !c->eof(); c->next())
            values.append(c->asString(field));
        return values;
    }

    // The rows of the catalogue file as written on disk.
    int rowsOnDisk()
    {
        if (!QFile::exists(catalogueFile))
            return -1;
        table::Dataset disk;
        disk.setFieldDefs(catalogue::catalogueFieldDefs());
        disk.setFileName(catalogueFile);
        disk.open();
        return disk.recordCount();
    }

    TempDir dir;
    QString catalogueFile;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    FakeImportHost host;
    exchange::ImportCommands commands{host};
};

// Creates a file (and its folders) with the given bytes.
inline QString makeFile(const QString& path, const QByteArray& bytes = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

} // namespace folianto::test
