#pragma once
// The common frame of the reader's extractor tests: a scratch folder with the work folder
// inside it, the request the extractors take, and scripted prompts.

#include "archive/ArchiveFixtures.h"
#include "reader/ArchiveExtract.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace folianto::test {

class ExtractFixture : public ::testing::Test {
protected:
    ExtractFixture()
    {
        request.workFolder = dir.file(QStringLiteral("BOOKDATA"));
        request.haProgram = foliantoHaProgram();
    }

    QString work(const QString& name) const { return QDir(request.workFolder).filePath(name); }
    // Everything in the work folder, hidden files and folders included.
    QStringList workEntries() const
    {
        return QDir(request.workFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Everything beside the work folder: what an escaping entry name would have written.
    QStringList scratchEntries() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }
    QStringList listing(QString (*extractor)(const QString&, QStringList*, const reader::ArchiveRequest&),
                        const QString& archive)
    {
        QStringList list;
        EXPECT_TRUE(extractor(archive, &list, request).isEmpty());
        return list;
    }

    TempDir dir;
    reader::ArchiveRequest request;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
};

} // namespace folianto::test
