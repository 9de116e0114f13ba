// Appearance settings make a round trip: what the store holds is applied to the window and comes
// back unchanged at exit, start after start.

#include "FormBookFixture.h"
#include "app/settings/LoadSettings.h"
#include "app/settings/MemorySettingsStore.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/GridLook.h"
#include "reader/ReaderCommands.h"

#include <QApplication>
#include <QPalette>
#include <QTableView>

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

// The stored columns' title colours and fonts reach the grid's titles and cells, the sort
// marking still colours the sorted title, and every column look outlasts the window.
TEST_F(Appearance, StoredColumnLooksAreDrawnAndTheSortMarkStillWins)
{
    catalogue = dir.file(QStringLiteral("c.bon"));
    writeTitles(catalogue, {QStringLiteral("Книга"), QStringLiteral("Другая")});
    ui.expectQuestion(app::TFormBook::closeQuestion(), util::Answer::Ok);
    run();

    settings::ProgramSettings wanted = stored();
    wanted.confirmClose = false;
    wanted.indexName = catalogue::field::BookName; // sorted ascending by the title
    const settings::FontSetting titleFont{QStringLiteral("DejaVu Serif"), 12, 204, settings::WinColor(0x00008000u),
                                          settings::StyleItalic};
    const settings::FontSetting cellFont{QStringLiteral("DejaVu Sans Mono"), 10, 204,
                                         settings::WinColor(0x00800080u), settings::StyleBold};
    const settings::WinColor titleColor(0x0080FFFFu);
    for (settings::GridColumn& c : wanted.gridColumns) {
        if (c.field == catalogue::field::BookName || c.field == catalogue::field::Author) {
            c.titleColor = titleColor;
            c.titleFont = titleFont;
        } else if (c.field == catalogue::field::Topic) {
            c.font = cellFont;
        }
    }
    settings::saveSettings(store, wanted);

    run([&] {
        auto* header = dynamic_cast<catalogue::GridHeader*>(form->grid()->horizontalHeader());
        ASSERT_NE(header, nullptr);
        QAbstractItemModel& model = *form->grid()->model();
        const int book = catalogue::catalogueFieldNumber(catalogue::field::BookName);
        const int author = catalogue::catalogueFieldNumber(catalogue::field::Author);
        const int topic = catalogue::catalogueFieldNumber(catalogue::field::Topic);

        // Titles: the plain column shows its own colour and font ...
        EXPECT_EQ(model.headerData(author, Qt::Horizontal, Qt::FontRole).value<QFont>(), titleFont.toQFont());
        EXPECT_EQ(header->titleBackground(author), titleColor.toQColor());
        EXPECT_EQ(header->titleTextColor(author), titleFont.color.toQColor());
        // ... the sorted one keeps its font but is coloured by the sort.
        EXPECT_EQ(model.headerData(book, Qt::Horizontal, Qt::FontRole).value<QFont>(), titleFont.toQFont());
        EXPECT_EQ(header->titleBackground(book), header->palette().color(QPalette::ToolTipBase));
        EXPECT_EQ(header->titleTextColor(book), catalogue::colour::Ascending);
        // A column without a look of its own keeps the grid's.
        EXPECT_FALSE(model.headerData(topic, Qt::Horizontal, Qt::FontRole).isValid());
        EXPECT_NE(header->titleBackground(topic), titleColor.toQColor());

        // Cells: every row of the column is in its font and colour; the others in the grid's.
        for (int row = 0; row < model.rowCount(); ++row) {
            EXPECT_EQ(model.index(row, topic).data(Qt::FontRole).value<QFont>(), cellFont.toQFont());
            EXPECT_EQ(model.index(row, topic).data(Qt::ForegroundRole).value<QColor>(), cellFont.color.toQColor());
            EXPECT_FALSE(model.index(row, author).data(Qt::FontRole).isValid());
        }
    });
    EXPECT_EQ(stored().gridColumns, wanted.gridColumns);
}

} // namespace
} // namespace folianto::test
