#pragma once
// A main window made for one test, started through its start-up sequence with scripted prompts
// and with settings the test chooses (applied through the window's settings interface).

#include "WindowTestSupport.h"
#include "app/TFormBook.h"
#include "app/options/OptionsCommands.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCommands.h"
#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace folianto::test {

// Writes a catalogue file with these titles, in this order.
inline void writeTitles(const QString& path, const QStringList& titles)
{
    table::Dataset ds;
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.createEmpty();
    for (const QString& t : titles) {
        ds.append();
        ds.setValue(catalogue::field::BookName, t);
        ds.post();
    }
    ds.saveToFile(path);
}

class FormBookTest : public ::testing::Test {
protected:
    using Adjust = std::function<void(settings::ProgramSettings&)>;

    // Starts a window; `recent` is what the settings give as the recent catalogue.
    bool start(const QStringList& arguments = {}, const QString& recent = {}, const Adjust& adjust = {})
    {
        app::ShellServices services;
        services.loadSettings = [this, recent, adjust](settings::SettingsHost& host) {
            settingsHost = &host;
            settings::ProgramSettings s = host.designSettings();
            s.confirmClose = false;
            if (adjust)
                adjust(s);
            host.applySettings(s);
            return recent;
        };
        services.saveSettings = [this](const settings::SettingsHost& host) { saved = host.currentSettings(); };
        services.removeTraces = removeTraces;
        services.haProgram = haProgram;
        form = std::make_unique<app::TFormBook>(services);
        return form->FormCreate({arguments, launchDir(), exeDir()});
    }
    QString launchDir() const { return dir.file(QStringLiteral("launch")); }
    QString exeDir() const { return dir.file(QStringLiteral("bin")); }
    void SetUp() override
    {
        QDir().mkpath(launchDir());
        QDir().mkpath(exeDir());
    }
    bool enabled(const char* name) const { return form->command(QString::fromLatin1(name))->isEnabled(); }
    table::Dataset& ds() { return form->catalogue().Ds(); }

    TempDir dir;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    std::unique_ptr<app::TFormBook> form;
    std::optional<settings::ProgramSettings> saved;
    settings::SettingsHost* settingsHost = nullptr; // the window's, as the start-up gave it
    std::function<bool(const std::function<void()>&)> removeTraces; // unset: the command does nothing
    QString haProgram;                                              // the HA extractor the window runs
};

} // namespace folianto::test
