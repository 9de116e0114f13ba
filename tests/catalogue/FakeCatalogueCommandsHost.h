#pragma once
// A window stand-in for the catalogue's commands: counts refreshes and book closes, keeps the
// defaults the commands set, and answers the settings a test sets.

#include "FakeCatalogueHost.h"
#include "catalogue/BookCard.h"
#include "catalogue/CatalogueCommandsHost.h"

namespace folianto::test {

class FakeCatalogueCommandsHost : public FakeCatalogueHost, public catalogue::CatalogueCommandsHost {
public:
    void UpdateViewState() override { FakeCatalogueHost::UpdateViewState(); }
    void closeOpenBook() override { FakeCatalogueHost::closeOpenBook(); }
    QString defaultAuthor() const override { return FakeCatalogueHost::defaultAuthor(); }
    QString defaultTopic() const override { return FakeCatalogueHost::defaultTopic(); }
    void repaintWindow() override {}
    QWidget* dialogParent() override { return nullptr; }
    bool bookOpen() const override { return open; }
    bool warnSimilarLink() const override { return false; }
    void setDefaultAuthor(const QString& a) override { author = a; }
    void setDefaultTopic(const QString& t) override { topic = t; }
    QString infoText() const override { return info; }
    bool zipFile(const QString&, const QString&, QProgressBar*) override { return false; }
    catalogue::CardFileEntries cardFileEntries(table::Dataset&, const std::function<void()>&) override { return {}; }
    std::optional<fb2::Fb2Description> bookDescription(const QString& file) override
    {
        return fb2::readDescription(file);
    }

    bool open = false;
};

} // namespace folianto::test
