#include "util/DesktopShell.h"

#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <QUrl>
#include <gtest/gtest.h>

using namespace folianto;

TEST(DesktopShell, UrlForOpeningKeepsAddressesAndMakesPathsFileUrls)
{
    test::TempDir dir;
    const QString book = dir.write(QStringLiteral("Книга один.txt"), "x");
    EXPECT_EQ(util::urlForOpening(book), QUrl::fromLocalFile(book));
    EXPECT_EQ(util::urlForOpening(dir.path()), QUrl::fromLocalFile(dir.path()));
    EXPECT_EQ(util::urlForOpening(QStringLiteral("/no/such/file.txt")),
              QUrl::fromLocalFile(QStringLiteral("/no/such/file.txt")));
    EXPECT_EQ(util::urlForOpening(QStringLiteral("mailto:a@example.org")),
              QUrl(QStringLiteral("mailto:a@example.org")));
    EXPECT_EQ(util::urlForOpening(QStringLiteral("https://example.org/a?b=1")),
              QUrl(QStringLiteral("https://example.org/a?b=1")));
    EXPECT_EQ(util::urlForOpening(QStringLiteral("www.example.org")),
              QUrl(QStringLiteral("http://www.example.org")));
    EXPECT_FALSE(util::urlForOpening(QString()).isValid());
}

TEST(DesktopShell, StartProgramRefusesAnEmptyOrMissingProgram)
{
    util::DesktopShell shell;
    EXPECT_FALSE(shell.startProgram(QString(), {QStringLiteral("/tmp/a.txt")}));
    EXPECT_FALSE(shell.startProgram(QStringLiteral("/no/such/program"), {}));
}

TEST(DesktopShell, GlobalInstanceIsReplaceableAndRestored)
{
    util::Shell* const desktop = &util::shell();
    {
        test::RecordingShell recording;
        test::InstalledShell installed(recording);
        EXPECT_EQ(&util::shell(), &recording);
        util::shell().startProgram(QStringLiteral("reader"), {QStringLiteral("a b.txt")});
        ASSERT_EQ(recording.started.size(), 1u);
        EXPECT_EQ(recording.started[0].arguments, QStringList{QStringLiteral("a b.txt")});
    }
    EXPECT_EQ(&util::shell(), desktop);
}
