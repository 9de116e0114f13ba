#include "catalogue/TopicCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/CatalogueViewHost.h"
#include "catalogue/FilterCommands.h"
#include "catalogue/TopicCache.h"
#include "catalogue/TopicPage.h"
#include "util/Interaction.h"
#include "util/TFormTopic.h"

#include <QListWidget>
#include <QPushButton>

namespace folianto::catalogue {

TopicCommands::TopicCommands(Catalogue& catalogue, TopicCache& cache, FilterCommands& filters,
                             CatalogueViewHost& host)
    : catalogue_(catalogue), cache_(cache), filters_(filters), host_(host)
{
}

QString TopicCommands::caption() { return QStringLiteral("Темы, разделы, жанры..."); }

void TopicCommands::mpTopicClick()
{
    util::runCommand([this] {
        catalogue_.finishPendingEdit();
        util::TFormTopic dialog(host_.dialogParent());
        TopicPage page(dialog.addPage(TopicPage::name()));
        dialog.selectPage(TopicPage::name());
        dialog.PanOk()->hide();
        dialog.setWindowTitle(caption());
        // Resizable, 320 pixels wide, at 450 pixels from the left.
        dialog.setMinimumSize(160, 120);
        dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        dialog.resize(320, util::TFormTopic::clientSize().height());
        dialog.move(450, dialog.y());
        if (!cache_.stale())
            page.setTopics(cache_.topics());
        dialog.setShowHandler(TopicPage::name(), [this, &page] {
            if (cache_.stale())
                rebuild(page);
        });
        connectPage(page);
        util::interaction().runDialog(dialog);
    });
    host_.UpdateViewState();
}

void TopicCommands::connectPage(TopicPage& page)
{
    QObject::connect(&page, &TopicPage::refreshClicked, &page, [this, &page] { ButTopicClick(page); });
    QObject::connect(&page, &TopicPage::findClicked, &page, [this, &page] { ButFindTopicClick(page); });
    QObject::connect(&page, &TopicPage::filterClicked, &page,
                     [this, &page](bool fromList) { ButFilterTopicClick(page, fromList); });
}

void TopicCommands::rebuild(TopicPage& page)
{
    if (util::TFormTopic* window = util::TFormTopic::current())
        window->repaint();
    page.setTopics(cache_.rebuild(catalogue_.Ds()));
}

void TopicCommands::ButTopicClick(TopicPage& page)
{
    try {
        rebuild(page);
    } catch (const std::exception&) {
    }
}

void TopicCommands::ButFindTopicClick(TopicPage& page)
{
    QString topic;
    if (!catalogue_.isOpen() || !page.selectedTopic(topic))
        return;
    // The exact topic, whatever the case rule.
    util::runCommand([&] { catalogue_.Ds().locate(field::Topic, topic, {false, false}); });
    host_.UpdateViewState();
}

void TopicCommands::ButFilterTopicClick(TopicPage& page, bool fromList)
{
    QPushButton& toggle = *page.ButFilterTopic();
    if (!catalogue_.isOpen() || !catalogue_.Ds().hasCurrentRow())
        return;
    // Choosing a topic re-filters only while the toggle is down.
    if (fromList && !toggle.isChecked())
        return;
    QString topic;
    const bool chosen = page.selectedTopic(topic);
    if (!chosen)
        toggle.setChecked(false); // nothing to filter by
    // "Поиск" works only while the toggle is up.
    page.ButFindTopic()->setEnabled(!toggle.isChecked());
    if (chosen)
        util::runCommand([&] { filters_.applyTopicFilter(topic, toggle.isChecked()); });
}

} // namespace folianto::catalogue
