#pragma once
// What the export and DBF import commands need of the main window: the open catalogue, the
// progress bar `Pb`, the view-state refresh, the remembered delimiter and the multi-page dialog
// that shows the import page (the import's bulk change goes through the catalogue's own host).
// The main window implements it; tests may too.

#include <QChar>

namespace folianto::catalogue {
class Catalogue;
}

namespace folianto::exchange {

class ImportDbfPage;

class ExchangeCommandsHost {
public:
    virtual ~ExchangeCommandsHost() = default;

    virtual catalogue::Catalogue& catalogue() = 0;
    virtual void UpdateViewState() = 0;
    virtual void setProgressVisible(bool visible) = 0; // `Pb`
    virtual void setProgress(int percent) = 0;
    // The text export's delimiter, a byte of the `Conf` settings block.
    virtual QChar exportDelimiter() const = 0;
    virtual void setExportDelimiter(QChar delimiter) = 0;
    // Creates `FormTopic` with an empty page `ShImportDbf` and returns page.runIn(dialog, sheet).
    virtual int runImportDbfPage(ImportDbfPage& page) = 0;
};

} // namespace folianto::exchange
