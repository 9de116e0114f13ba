#pragma once
// What the catalogue's commands need of the window beyond every command's needs: the open
// book (a new card closes it), the link check, the default author and topic, the info label,
// the book file search (which the reader owns), packing a file into a zip archive and reading
// a FictionBook's description, zipped or not.

#include "engines/fb2/Fb2Description.h"
#include "util/CommandHost.h"

#include <QString>
#include <functional>
#include <optional>

class QProgressBar;

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

struct CardFileEntries;

class CatalogueCommandsHost : public util::CommandHost {
public:
    virtual bool bookOpen() const = 0;
    // Closes an open book in place, writing its progress into its row.
    virtual void closeOpenBook() = 0;
    virtual bool warnSimilarLink() const = 0; // "Предупреждать о &наличии подобной ссылки"
    virtual QString defaultAuthor() const = 0; // `FDef_Author`
    virtual QString defaultTopic() const = 0; // `FDef_Topic`
    virtual void setDefaultAuthor(const QString& author) = 0;
    virtual void setDefaultTopic(const QString& topic) = 0;
    virtual QString infoText() const = 0; // `LabInfo`
    // Packs a file into a zip archive showing the card's progress bar (`ButZip`); true when the
    // archive holds it.
    virtual bool zipFile(const QString& file, const QString& archive, QProgressBar* bar) = 0;
    // Locates the row's `_FileName` and lists its archive's entries; `whileSearching` runs
    // during a long search so that the windows stay painted.
    virtual CardFileEntries cardFileEntries(table::Dataset& row, const std::function<void()>& whileSearching) = 0;
    // The title, author and genre of a FictionBook file or of one packed in a zip archive.
    virtual std::optional<fb2::Fb2Description> bookDescription(const QString& file) = 0;
};

} // namespace folianto::catalogue
