// The topic cache and the topic window's update, search and filter.

#include "CatalogueViewFixture.h"
#include "catalogue/TopicPage.h"

#include <QListWidget>
#include <QPushButton>

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::TopicPage;

class TopicWindow : public CatalogueViewTest {
protected:
    void SetUp() override
    {
        open({{QStringLiteral("А"), {}, QStringLiteral("Проза")},
              {QStringLiteral("Б"), {}, QStringLiteral("проза")},
              {QStringLiteral("В"), {}, QStringLiteral("Поэзия")},
              {QStringLiteral("Г"), {}, {}}});
    }
    QWidget sheet;
    TopicPage page{&sheet};
    bool connected = [this] {
        commands.topics().connectPage(page);
        return true;
    }();
    void choose(const QString& topic)
    {
        page.LbTopic()->setCurrentItem(page.LbTopic()->findItems(topic, Qt::MatchExactly).value(0));
    }
};

TEST_F(TopicWindow, TopicsAreDistinctWithoutCaseInCaseBlindOrderFirstSpellingKept)
{
    EXPECT_TRUE(topicCache.stale());
    commands.topics().ButTopicClick(page);
    EXPECT_FALSE(topicCache.stale());
    EXPECT_EQ(topicCache.topics(), (QStringList{QStringLiteral("Поэзия"), QStringLiteral("Проза")}));
    EXPECT_EQ(page.LbTopic()->count(), 2);
    EXPECT_EQ(page.LbTopic()->currentRow(), 0);
}

TEST_F(TopicWindow, FilterToggleFiltersByTheChosenTopicAndListClicksRefilterOnlyWhileDown)
{
    commands.topics().ButTopicClick(page);
    ds().locate(f::BookName, QStringLiteral("Г"));
    choose(QStringLiteral("Проза"));
    page.ButFilterTopic()->click();
    EXPECT_EQ(ds().filterText(), QStringLiteral("_Topic='Проза'"));
    EXPECT_EQ(titles(), QStringList{QStringLiteral("А")}); // case-sensitive by default
    EXPECT_EQ(mpFilter->text(), QStringLiteral("&Фильтр:Тема=Проза"));
    EXPECT_TRUE(mFilter->isChecked());
    EXPECT_FALSE(page.ButFindTopic()->isEnabled());

    choose(QStringLiteral("Поэзия"));
    commands.topics().ButFilterTopicClick(page, true);
    EXPECT_EQ(titles(), QStringList{QStringLiteral("В")});

    page.ButFilterTopic()->click(); // up again: the filter goes
    EXPECT_FALSE(ds().filtered());
    EXPECT_FALSE(mpFilter->isChecked());
    EXPECT_EQ(mpFilter->text(), QStringLiteral("&Фильтр"));
    EXPECT_TRUE(page.ButFindTopic()->isEnabled());

    choose(QStringLiteral("Проза"));
    commands.topics().ButFilterTopicClick(page, true); // while up, a list click does nothing
    EXPECT_FALSE(ds().filtered());
}

TEST_F(TopicWindow, TopicFilterClosesAnOpenBookAndReplacesTheComposedFilter)
{
    commands.topics().ButTopicClick(page);
    host.open = true;
    mpFiltGroup->setChecked(true);
    page.ButFilterTopic()->click();
    EXPECT_EQ(host.bookCloses, 1);
    EXPECT_FALSE(mpFiltGroup->isChecked());
}

TEST_F(TopicWindow, SearchFindsTheExactTopic)
{
    commands.topics().ButTopicClick(page);
    cat.setCaseSensitive(false); // the search stays exact whatever the rule
    ds().addIndex(QStringLiteral("d_BookName"), f::BookName, true);
    ds().setIndexName(QStringLiteral("d_BookName")); // Г, В, Б (проза), А (Проза)
    choose(QStringLiteral("Проза"));
    commands.topics().ButFindTopicClick(page);
    EXPECT_EQ(current(), QStringLiteral("А"));
}

} // namespace
} // namespace folianto::test
