// The font and background commands: the font of the view in use only, the background of
// both, both kept in the settings that the next start applies.

#include "OpenBookFixture.h"

namespace folianto::test {
namespace {

class ReadingLook : public OpenBookTest {};

TEST_F(ReadingLook, TheFontChangesTheViewInUseAndTheColourBothAndTheSettingsKeepThem)
{
    startWith({{QStringLiteral("Книга"), {}, book(QStringLiteral("a.txt"), bookLines(20, 30))}});
    form->command(QStringLiteral("mFastRead"))->setChecked(true);
    open(QStringLiteral("Книга"));
    ASSERT_TRUE(views().fastViewInUse());
    const QFont richBefore = views().richView().font();

    QFont mono(QStringLiteral("DejaVu Sans Mono"), 14);
    ui.expectFont(mono);
    trigger("TlBtFont");
    EXPECT_EQ(views().fastView().font().pointSize(), 14);
    EXPECT_EQ(views().richView().font(), richBefore);
    EXPECT_EQ(form->settings().fastFont.size, 14);
    EXPECT_EQ(form->settings().fastFont.name, mono.family());

    ui.expectColor(QColor(10, 20, 30));
    trigger("mColor");
    EXPECT_EQ(views().fastView().palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(views().richView().palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(form->settings().background.toQColor(), QColor(10, 20, 30));

    ui.expectFont(std::nullopt); // Cancel changes nothing
    trigger("mFont");
    EXPECT_EQ(views().fastView().font().pointSize(), 14);
}

} // namespace
} // namespace folianto::test
