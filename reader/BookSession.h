#pragma once
// The open book's life: the open command on the current catalogue row (locate the file,
// unpack it, convert it, then load it into a reading view or hand it to the external
// program) and the close that writes the reading progress back into the book's row.
//
// At most one book is open; its row carries `_Cur` = "Y" while it is. The window supplies a
// BookSessionHost for its panels, status bar and state, and forwards its commands here.

#include "catalogue/Catalogue.h"
#include "reader/ArchiveExtract.h"
#include "reader/BookLocation.h"
#include "reader/DocumentConverter.h"
#include "reader/LoadBookText.h"
#include "reader/PageList.h"
#include "reader/ReadingState.h"
#include "reader/ReadingViews.h"

#include <QString>
#include <memory>

namespace folianto::reader {

// What an opening reads of the settings, taken afresh for every opening.
struct BookSessionSettings {
    LocationSettings location;
    QString externalProgram;      // FProg
    bool archivesToExternal = false; // ChArc: an archive goes to the external program as it is
    ArchiveRequest archive;       // work folder, password, HA time-out
    int partSize = kDefaultPartSize;
    bool fastRead = false;
};

class BookSessionHost {
public:
    virtual ~BookSessionHost() = default;
    virtual BookSessionSettings sessionSettings() const = 0;
    virtual bool bookOpen() const = 0;           // `BookOpen`
    virtual void setBookOpen(bool open) = 0;
    virtual bool catalogueShown() const = 0;     // `CatalogueShown`
    virtual void showBookView() = 0;             // book panel in front, `CatalogueShown` := false
    virtual void showCatalogueView() = 0;        // catalogue in front, `CatalogueShown` := true, grid focused
    virtual void focusGrid() = 0;
    virtual void setOpenBookTitle(const QString& title) = 0; // fourth status panel
    virtual void setCaretText(const QString& text) = 0;      // fifth status panel
    virtual bool shuttingDown() const = 0;       // `ShuttingDown`
    virtual void editBookCard() = 0;             // the book card for the current row
    virtual void repaintWindow() = 0;
    virtual void updateViewState() = 0;          // `UpdateViewState`
};

class BookSession {
public:
    BookSession(catalogue::Catalogue& catalogue, ReadingViews& views, PageList& pages, BookSessionHost& host);
    ~BookSession();
    BookSession(const BookSession&) = delete;
    BookSession& operator=(const BookSession&) = delete;

    BookTextLoader& loader() { return *loader_; }
    QString currentBookFile() const { return state_.currentBookFile; } // `CurrentBookFile`
    // nullptr puts back the converter that converts nothing.
    void setConverter(std::unique_ptr<DocumentConverter> converter);

    // The open command; `external` when it came from a command tagged 21.
    void mOpenbookClick(bool external);
    // True when the book is shown in a reading view.
    bool OpenBook(bool external);
    void PrepareConversion(bool fromArchive);
    // Always ends with no book open, `CurrentBookFile` empty and status panels 4 and 5 empty;
    // a failure to write the progress reaches the caller after that.
    void CloseBook(bool atEnd);
    // The close commands tagged 1 (in place) and 2 (at the end): close, then the catalogue.
    void mCloseBookClick(bool atEnd);
    // "П&ерейти к открытой книге": the open book's row becomes current.
    void mpGoToBookClick();

private:
    void setBookOpen(bool open);
    bool openedExternally() const;
    void launchExternally();
    qint64 closingPosition(bool& atEnd, qint64& size);
    void writeProgress(bool atEnd);
    void finishClose();
    void clearReadingControls();
    void setMark(const QString& mark);

    catalogue::Catalogue& catalogue_;
    ReadingViews& views_;
    PageList& pages_;
    BookSessionHost& host_;
    ReadingState state_;
    std::unique_ptr<BookTextLoader> loader_;
    std::unique_ptr<DocumentConverter> converter_;
    BookSessionSettings settings_; // those of the opening in progress or of the open book
    bool external_ = false;        // the opening in progress runs in external mode
};

} // namespace folianto::reader
