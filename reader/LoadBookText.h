#pragma once
// `LoadBookText`: shows the open book's file, or its current part, in one of the reading
// views at the position stored in its catalogue row; and the page change of divided books
// (`CbPageClick`, `mPageClick`).
//
// The window creates one loader for its catalogue, views and page list; feeds it the settings
// `PartSize` and `mFastRead`; connects bookPanelRequested (bring the book panel to the front,
// `CatalogueShown` := false) and viewStateChanged (`UpdateViewState`); and connects
// "Следующая страни&ца" to mPageClick. A choice in `CbPage` arrives through PageList::picked.

#include "reader/BookEncoding.h"
#include "reader/BookParts.h"
#include "reader/PageList.h"
#include "reader/ReadingState.h"
#include "reader/ReadingViews.h"

#include <QObject>

namespace folianto::table {
class Dataset;
}

namespace folianto::reader {

inline constexpr int kDefaultPartSize = 1000000;

class BookTextLoader : public QObject {
    Q_OBJECT
public:
    BookTextLoader(table::Dataset& catalogue, ReadingState& state, ReadingViews& views, PageList& pages,
                   QObject* parent = nullptr);

    // Both take effect at the next load. A part size of 0 (or less) never divides a book.
    void setPartSize(int size) { partSize_ = size; }
    int partSize() const { return partSize_; }
    void setFastRead(bool on) { fastRead_ = on; }
    bool fastRead() const { return fastRead_; }

    // True when the text is shown. Read failures of the file and failures to store its size
    // or the page position reach the caller (as BookReadError or table::TableError).
    bool LoadBookText();
    // While a book is open: store the selected part's start as `_Pos` and load that part.
    void CbPageClick();
    // While the page list is shown: select the next part (the first after the last) and load it.
    void mPageClick();

    // The reading position in the book of a character offset in the shown text, and back:
    // byte offsets in the file for plain text (whatever its encoding).
    qint64 bookPositionOf(qint64 shownOffset) const { return shown_.bookPositionOf(shownOffset); }
    qint64 shownOffsetOf(qint64 bookPosition) const { return shown_.indexOfBookPosition(bookPosition); }
    // True when the rich view shows a formatted document (RTF or FictionBook): positions and
    // sizes then count the shown text, not the file.
    bool documentShown() const { return documentShown_; }

Q_SIGNALS:
    void bookPanelRequested();
    void viewStateChanged();

private:
    bool preparedForLoad(qint64& fileSize);
    void storeSize(qint64 fileSize);
    void detectEncodingOnce(const QByteArray& bytes, bool rtf);
    void showInView(const QByteArray& windowsBytes, bool rtf);
    void showPlainOrRtf(ByteRange range, qint64 fileSize, bool rtf);
    void showFb2();
    void showUnicodeText(const QString& text);
    void storePosition(qint64 position);

    table::Dataset& catalogue_;
    ReadingState& state_;
    ReadingViews& views_;
    PageList& pages_;
    int partSize_ = kDefaultPartSize;
    bool fastRead_ = false;
    ShownPart shown_;
    bool documentShown_ = false;
};

} // namespace folianto::reader
