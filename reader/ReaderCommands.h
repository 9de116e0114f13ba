#pragma once
// The reader's commands: opening and closing the book, going to its row, and the parts of a
// long book. They own the reading views, the page list and the open book's session. The
// window places the views in its book panel, binds the page controls to pages() and its
// menu items and tool buttons to these methods.

#include "reader/BookSession.h"
#include "reader/PageList.h"
#include "reader/ReaderCommandsHost.h"
#include "reader/ReadingViews.h"

#include <QObject>
#include <QPointer>

namespace folianto::reader {

class ReaderCommands : public QObject {
    Q_OBJECT
public:
    ReaderCommands(catalogue::Catalogue& catalogue, ReaderCommandsHost& host);

    ReadingViews& views() { return *views_.view; } // `ReRich`, `ReFast`; unparented until placed
    PageList& pages() { return pages_; }
    BookSession& session() { return session_; }

    void mOpenbookClick(int tag);  // tag 21: with the external program
    void mCloseBookClick(int tag); // tag 2: at the end
    void m1ClosebookClick();       // closes the book in place and stays in the catalogue
    void mpGoToBookClick();
    void mPageClick();
    void CbPageClick(); // a part picked in `CbPage`

private:
    // The views belong to the window's book panel once placed there; until then, to this.
    struct Views {
        QPointer<ReadingViews> view;
        ~Views();
    };

    ReaderCommandsHost& host_;
    Views views_;
    PageList pages_;
    BookSession session_;
};

} // namespace folianto::reader
