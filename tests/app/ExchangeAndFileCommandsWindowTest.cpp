// The import, export and file items of the window's menus reach their commands: each one,
// answered Cancel at its first prompt, asks that prompt and leaves the catalogue as it was.

#include "BookCardFixture.h"
#include "WindowTestSupport.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ImportDbfPage.h"

namespace folianto::test {
namespace {

using ExchangeAndFileItems = BookCardTest;

TEST_F(ExchangeAndFileItems, EachItemAsksItsFirstPromptAndCancelChangesNothing)
{
    struct Case {
        const char* item;
        std::function<void(ScriptedInteraction&)> expectFirstPrompt;
    };
    const Case cases[] = {
        {"mSaveCatAs", [](ScriptedInteraction& ui) { ui.expectSaveFile(exchange::ExchangeCommands::saveCaption(), {}); }},
        {"mImport", [](ScriptedInteraction& ui) { ui.expectOpenFile(exchange::ImportDbfPage::caption(), {}); }},
    };
    open({{QStringLiteral("Книга 1")}, {QStringLiteral("Книга 2")}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        c.expectFirstPrompt(ui);
        triggerCommand(*form, c.item);
        ui.verifyAllConsumed();
        EXPECT_EQ(ds().recordCount(), 2);
    }
}

} // namespace
} // namespace folianto::test
