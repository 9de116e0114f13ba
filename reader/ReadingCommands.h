#pragma once
// The commands used while a book is shown: find, the bookmark, the views' font and
// background, saving the shown text or a selection to a file, copying it, and pasting a
// selection into the book's title, author or comment. Each acts on the view in use (the
// fast view when `FastViewInUse`, else the rich view).

#include "catalogue/Catalogue.h"
#include "reader/FindDialog.h"
#include "reader/LoadBookText.h"
#include "reader/ReaderCommandsHost.h"
#include "reader/ReadingViews.h"

#include <QObject>
#include <QPointer>

namespace folianto::reader {

class ReadingCommands : public QObject {
    Q_OBJECT
public:
    ReadingCommands(catalogue::Catalogue& catalogue, ReadingViews& views, BookTextLoader& loader,
                    ReaderCommandsHost& host);
    ~ReadingCommands() override;

    void mSearchClick();
    void FindDlgFind();
    void mSetbookmarkClick();
    void mGotobookmarkClick();
    void mFontClick();
    void mColorClick();
    void mSaveasClick();
    void ButCopyClipClick();
    void mpCopyToNameClick(int tag); // 1 title, 2 author, 3 comment
    // `PmePopup`: "&Вставить в свойства книги" is offered exactly when this holds.
    bool hasSelection() const;

    qint64 bookmarkPos() const { return bookmarkPos_; } // `BookmarkPos`
    FindDialog* findDialog() const { return findDlg_; }  // null until the first search

private:
    QTextCursor cursorInUse() const;
    QByteArray shownTextBytes() const;
    void pasteIntoRecord(int tag);

    catalogue::Catalogue& catalogue_;
    ReadingViews& views_;
    BookTextLoader& loader_;
    ReaderCommandsHost& host_;
    qint64 bookmarkPos_ = 0;
    QPointer<FindDialog> findDlg_;
};

} // namespace folianto::reader
