#pragma once
// A window stand-in for the export and import commands: a real catalogue behind a fake
// catalogue host, the progress bar and delimiter as plain values, and the import page shown in
// a plain dialog through the Interaction seam, as the window shows it in `FormTopic`.

#include "catalogue/Catalogue.h"
#include "catalogue/FakeCatalogueHost.h"
#include "exchange/ExchangeCommandsHost.h"
#include "exchange/ImportDbfPage.h"

#include <QDialog>
#include <QVBoxLayout>

namespace folianto::test {

class FakeExchangeHost : public exchange::ExchangeCommandsHost {
public:
    catalogue::Catalogue& catalogue() override { return cat; }
    void UpdateViewState() override { ++viewStateUpdates; }
    void setProgressVisible(bool visible) override
    {
        progressShown = visible;
        if (visible)
            ++progressShows;
    }
    void setProgress(int percent) override { progress = percent; }
    QChar exportDelimiter() const override { return delimiter; }
    void setExportDelimiter(QChar d) override { delimiter = d; }
    int runImportDbfPage(exchange::ImportDbfPage& page) override
    {
        QDialog dialog;
        auto* sheet = new QWidget(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(sheet);
        return page.runIn(dialog, *sheet);
    }

    FakeCatalogueHost catalogueHost;
    catalogue::Catalogue cat{catalogueHost};
    int viewStateUpdates = 0;
    int progressShows = 0;
    bool progressShown = false;
    int progress = -1;
    QChar delimiter = u'\t';
};

} // namespace folianto::test
