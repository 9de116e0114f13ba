#pragma once
// "&Темы...": the resizable topic window over the topic cache, with its update, its search by
// the chosen topic and its topic filter.

#include <QString>

namespace folianto::catalogue {

class Catalogue;
class CatalogueViewHost;
class FilterCommands;
class TopicCache;
class TopicPage;

class TopicCommands {
public:
    TopicCommands(Catalogue& catalogue, TopicCache& cache, FilterCommands& filters, CatalogueViewHost& host);

    void mpTopicClick();
    static QString caption(); // "Темы, разделы, жанры..."

    // Binds the page's buttons and list to the handlers below.
    void connectPage(TopicPage& page);
    // The page's buttons, on the page of the window that is open.
    void ButTopicClick(TopicPage& page);      // "Обновление"
    void ButFindTopicClick(TopicPage& page);  // "Поиск"
    void ButFilterTopicClick(TopicPage& page, bool fromList);

private:
    void rebuild(TopicPage& page);

    Catalogue& catalogue_;
    TopicCache& cache_;
    FilterCommands& filters_;
    CatalogueViewHost& host_;
};

} // namespace folianto::catalogue
