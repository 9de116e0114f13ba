#pragma once
// A window stand-in for the catalogue's life: records what the catalogue writes to the controls
// and how often it asks for a refresh, and answers the settings a test sets.

#include "catalogue/CatalogueHost.h"

#include <QStringList>

namespace folianto::test {

class FakeCatalogueHost : public catalogue::CatalogueHost {
public:
    void UpdateViewState() override { ++viewStateUpdates; }
    void closeOpenBook() override { ++bookCloses; }
    void resetFilterCommands() override { ++filterResets; }
    void clearTopicCache() override { ++topicCacheClears; }
    void setCatalogueCaption(const QString& text) override { caption = text; }
    void setPositionText(const QString& text) override { positions.append(text); }
    void setInfoText(const QString& text) override { info = text; }
    void setProgressVisible(bool visible) override { progressShown = visible; }
    void setProgress(int percent) override { progress = percent; }
    bool shuttingDown() const override { return shutting; }
    bool propertiesPanelActive() const override { return panelActive; }
    bool fileCheckOn() const override { return fileCheck; }
    QString defaultAuthor() const override { return author; }
    QString defaultTopic() const override { return topic; }
    QString rememberedSort() const override { return sort; }

    QString position() const { return positions.isEmpty() ? QString() : positions.last(); }

    int viewStateUpdates = 0;
    int bookCloses = 0;
    int filterResets = 0;
    int topicCacheClears = 0;
    QString caption;
    QStringList positions;
    QString info = QStringLiteral("(unset)");
    bool progressShown = false;
    int progress = -1;

    bool shutting = false;
    bool panelActive = false;
    bool fileCheck = false;
    QString author;
    QString topic;
    QString sort = QStringLiteral("_BookName");
};

} // namespace folianto::test
