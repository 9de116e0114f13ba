#pragma once
// Shared pieces of the settings tests: a window's design state and a host that records what
// the load applied.

#include "app/settings/LoadSettings.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace folianto::settings::test {

// The design state of a window with three grid columns, started from `folder`.
inline ProgramSettings designSettings(const QString& folder)
{
    ProgramSettings s;
    s.recentDir = QDir::toNativeSeparators(folder);
    for (const auto& [field, title] : {std::pair{"_BookName", "Книга"}, std::pair{"_Author", "Автор"},
                                       std::pair{"_Topic", "Тема"}}) {
        GridColumn c;
        c.field = QString::fromUtf8(field);
        c.title = QString::fromUtf8(title);
        c.width = 80;
        s.gridColumns << c;
    }
    return s;
}

class RecordingHost : public SettingsHost {
public:
    explicit RecordingHost(ProgramSettings design) : design_(std::move(design)), current_(design_) {}

    ProgramSettings designSettings() const override { return design_; }
    void applySettings(const ProgramSettings& s) override
    {
        current_ = s;
        ++applied;
    }
    ProgramSettings currentSettings() const override { return current_; }
    bool savingEnabled() const override { return saving; }

    ProgramSettings& current() { return current_; }
    int applied = 0;
    bool saving = true;

private:
    ProgramSettings design_;
    ProgramSettings current_;
};

// Keeps the current directory of the test process, which loading the settings changes.
class SettingsTest : public ::testing::Test {
protected:
    void TearDown() override { QDir::setCurrent(savedCurrent_); }

    folianto::test::TempDir dir;
    ProgramSettings design = designSettings(dir.path());

private:
    QString savedCurrent_ = QDir::currentPath();
};

} // namespace folianto::settings::test
