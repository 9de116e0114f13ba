// Appearance settings make a round trip: what the store holds is applied to the window and comes
// back unchanged at exit, start after start.

#include "FormBookFixture.h"
#include "app/settings/LoadSettings.h"
#include "app/settings/MemorySettingsStore.h"
#include "reader/ReaderCommands.h"

#include <QApplication>
#include <QPalette>

namespace folianto::test {
namespace {

class Appearance : public FormBookTest {
protected:
    // One run of the program on the store: load, show, close (which saves).
    void run(const std::function<void()>& whileShown = {})
    {
        app::ShellServices services;
        services.loadSettings = [this](settings::SettingsHost& host) { return settings::LoadSettings(store, host); };
        services.saveSettings = [this](const settings::SettingsHost& host) { settings::SaveSettings(store, host); };
        form = std::make_unique<app::TFormBook>(services);
        ASSERT_TRUE(form->FormCreate({{catalogue}, launchDir(), exeDir()}));
        form->show();
        QApplication::processEvents();
        if (whileShown)
            whileShown();
        form->close();
        form.reset();
    }
    settings::ProgramSettings stored() { return settings::loadSettings(store, {}); }

    settings::MemorySettingsStore store;
    QString catalogue;
};

TEST_F(Appearance, ReadingLookColumnsAndGeometryTakeEffectAndComeBackUnchanged)
{
    catalogue = dir.file(QStringLiteral("c.bon"));
    writeTitles(catalogue, {QStringLiteral("Книга")});
    ui.expectQuestion(app::TFormBook::closeQuestion(), util::Answer::Ok);
    run(); // the first start writes every setting

    settings::ProgramSettings wanted = stored();
    wanted.confirmClose = false;
    wanted.fastFont = {QStringLiteral("DejaVu Sans Mono"), 13, 204, settings::WinColor(0x000080u),
                       settings::StyleBold};
    wanted.richFont = {QStringLiteral("DejaVu Serif"), 15, 204, settings::WinColor(0x008000u),
                       settings::StyleItalic};
    wanted.background = settings::WinColor(0x00C0FFFFu);
    wanted.geometry = QRect(120, 90, 640, 480);
    ASSERT_GE(wanted.gridColumns.size(), 3);
    wanted.gridColumns[0].titleColor = settings::WinColor(0x00FF0000u);
    wanted.gridColumns[0].titleFont = {QStringLiteral("DejaVu Sans"), 11, 204, settings::WinColor(0x0000FFu),
                                       settings::StyleUnderline};
    wanted.gridColumns[1].font = {QStringLiteral("DejaVu Sans"), 9, 204, settings::WinColor(0x00FFu), 0};
    wanted.gridColumns[2].visible = false; // kept, though not shown
    settings::saveSettings(store, wanted);

    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(start);
        run([&] {
            reader::ReadingViews& views = form->readerCommands().views();
            const std::pair<QWidget*, settings::FontSetting> shown[] = {{&views.fastView(), wanted.fastFont},
                                                                        {&views.richView(), wanted.richFont}};
            for (const auto& [view, font] : shown) {
                EXPECT_EQ(view->font(), font.toQFont());
                EXPECT_EQ(view->palette().color(QPalette::Base), wanted.background.toQColor());
                EXPECT_EQ(view->palette().color(QPalette::Text), font.color.toQColor());
            }
            EXPECT_EQ(form->normalGeometry(), wanted.geometry);
        });
        const settings::ProgramSettings back = stored();
        EXPECT_EQ(back.fastFont, wanted.fastFont);
        EXPECT_EQ(back.richFont, wanted.richFont);
        EXPECT_EQ(back.background, wanted.background);
        EXPECT_EQ(back.geometry, wanted.geometry) << "the window must not creep";
        EXPECT_EQ(back.gridColumns, wanted.gridColumns);
    }
}

} // namespace
} // namespace folianto::test
