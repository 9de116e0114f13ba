#include "reader/LoadBookText.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/fb2/Fb2Document.h"
#include "engines/fb2/Fb2Stream.h"
#include "engines/table/Dataset.h"
#include "reader/BookEncoding.h"
#include "reader/BookFileBytes.h"
#include "reader/BookParts.h"
#include "util/Interaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <limits>

namespace folianto::reader {

namespace field = catalogue::field;
namespace mark = catalogue::mark;

namespace {

// The hourglass for the life of the object.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Makes the catalogue row that was current at construction current again; a row that has
// gone meanwhile is not an error.
class CurrentRowKept {
public:
    explicit CurrentRowKept(table::Dataset& ds) : ds_(ds), row_(ds.bookmark()) {}
    ~CurrentRowKept()
    {
        try {
            if (ds_.bookmarkValid(row_))
                ds_.gotoBookmark(row_);
        } catch (...) {
        }
    }
    CurrentRowKept(const CurrentRowKept&) = delete;
    CurrentRowKept& operator=(const CurrentRowKept&) = delete;

private:
    table::Dataset& ds_;
    table::Bookmark row_;
};

constexpr qint64 kCharacterTail = 4;
constexpr qint64 kFb2Head = 1024;

int clampToInt(qint64 v)
{
    return int(std::clamp<qint64>(v, 0, std::numeric_limits<int>::max()));
}

} // namespace

BookTextLoader::BookTextLoader(table::Dataset& catalogue, ReadingState& state, ReadingViews& views,
                               PageList& pages, QObject* parent)
    : QObject(parent), catalogue_(catalogue), state_(state), views_(views), pages_(pages)
{
    connect(&pages_, &PageList::picked, this, [this](int) { CbPageClick(); });
}

bool BookTextLoader::preparedForLoad(qint64& fileSize)
{
    if (!catalogue_.isActive() || catalogue_.recordCount() == 0 || !state_.bookOpen)
        return false;
    fileSize = bookFileSize(state_.currentBookFile);
    if (fileSize <= 0) {
        util::interaction().message(QStringLiteral("Файл пуст !"));
        state_.currentBookFile.clear();
        return false;
    }
    if (catalogue_.asString(field::Cur) != mark::OpenBook)
        catalogue_.locate(field::Cur, mark::OpenBook);
    return true;
}

void BookTextLoader::storeSize(qint64 fileSize)
{
    const int size = clampToInt(fileSize); // `_Size` is a 32-bit field
    if (catalogue_.isNull(field::Size) || catalogue_.asInt(field::Size) != size)
        table::editAndPost(catalogue_, [&] { catalogue_.setValue(field::Size, size); });
}

void BookTextLoader::detectEncodingOnce(const QByteArray& bytes, bool rtf)
{
    if (!catalogue_.asString(field::Oem).isEmpty())
        return;
    try {
        table::editAndPost(catalogue_, [&] { catalogue_.setValue(field::Oem, detectOemCode(bytes, rtf)); });
    } catch (...) {
        // Not stored: the text is shown as it is and the next load detects again.
    }
}

void BookTextLoader::showInView(const QByteArray& windowsBytes, bool rtf)
{
    if (fastRead_ && !rtf)
        views_.showFastText(codepage::fromCp1251(windowsBytes));
    else if (rtf)
        views_.showRichRtf(windowsBytes);
    else
        views_.showRichText(codepage::fromCp1251(windowsBytes));
}

void BookTextLoader::showPlainOrRtf(ByteRange range, qint64 fileSize, bool rtf)
{
    // A few bytes past the part's end let a Unicode part end with the character begun in it.
    const ByteRange read{range.offset, std::min(range.length + kCharacterTail, fileSize - range.offset)};
    QByteArray bytes = readBookBytes(state_.currentBookFile, read);
    const qint64 partLength = std::min<qint64>(range.length, bytes.size());

    detectEncodingOnce(bytes.first(partLength), rtf);
    const QString code = catalogue_.asString(field::Oem);
    shown_ = ShownPart{range.offset, std::nullopt};
    if (isUnicodeCode(code) && !rtf) {
        const QByteArray head = range.offset == 0 ? bytes.first(std::min<qsizetype>(bytes.size(), 4))
                                                  : readBookBytes(state_.currentBookFile, {0, 4});
        UnicodePart part = decodeUnicodePart(bytes, range.offset, partLength, head);
        bytes = QByteArray(); // the decoded text replaces the bytes
        shown_ = std::move(part.shown);
        showUnicodeText(part.text);
    } else {
        bytes.truncate(partLength);
        showInView(recodeToWindows(bytes, code), rtf);
    }
}

void BookTextLoader::showFb2()
{
    QFile file(state_.currentBookFile);
    if (!file.open(QIODevice::ReadOnly))
        throw BookReadError(QDir::toNativeSeparators(state_.currentBookFile) + QStringLiteral(": ") + file.errorString());
    fb2::RenderLimits limits;
    limits.imageWidth = views_.richView().pictureWidth();
    // A damaged book shows as far as it could be read.
    views_.showRichDocument([&](QTextDocument& doc) { fb2::readFb2Into(file, doc, limits); });
}

void BookTextLoader::showUnicodeText(const QString& text)
{
    if (fastRead_)
        views_.showFastText(text);
    else
        views_.showRichText(text);
}

bool BookTextLoader::LoadBookText()
{
    qint64 fileSize = 0;
    if (!preparedForLoad(fileSize))
        return false;
    storeSize(fileSize);

    const qint64 position = std::max(0, catalogue_.asInt(field::Pos));
    const QString suffix = QFileInfo(state_.currentBookFile).suffix();
    const bool rtf = isRtfSuffix(suffix);
    // FictionBook is known by its content, whatever the file is called, and read whole like RTF.
    const bool fb2 = !rtf && fb2::looksLikeFb2(readBookBytes(state_.currentBookFile, {0, kFb2Head}));
    documentShown_ = rtf || fb2;
    const BookDivision division = fb2 ? BookDivision{} : divideBook(fileSize, partSize_, suffix);
    if (!division.divided)
        pages_.clear(); // no stale part number may shift the position of a book read whole
    pages_.setShown(division.divided);

    {
        const WaitCursor hourglass;
        const CurrentRowKept row(catalogue_);

        ByteRange range{0, fileSize};
        if (division.divided) {
            if (pages_.count() != division.partCount)
                pages_.refill(division.partCount);
            pages_.select(division.partForPosition(position, partSize_));
            range = partRange(pages_.selected(), partSize_, fileSize);
        }
        shown_ = ShownPart{};
        if (fb2) {
            detectEncodingOnce({}, true); // the book declares its own encoding
            showFb2();
        } else {
            showPlainOrRtf(range, fileSize, rtf);
        }
    }

    Q_EMIT bookPanelRequested();
    views_.restorePosition(shown_.indexOfBookPosition(position));
    views_.focusViewInUse();

    views_.showCaretPosition();
    Q_EMIT viewStateChanged();
    return true;
}

void BookTextLoader::storePosition(qint64 position)
{
    table::editAndPost(catalogue_, [&] { catalogue_.setValue(field::Pos, clampToInt(position)); });
}

void BookTextLoader::CbPageClick()
{
    if (!state_.bookOpen)
        return;
    storePosition(qint64(std::max(0, pages_.selected())) * std::max(0, partSize_));
    LoadBookText();
}

void BookTextLoader::mPageClick()
{
    if (!pages_.isShown() || pages_.count() == 0)
        return;
    pages_.select((pages_.selected() + 1) % pages_.count());
    CbPageClick();
}

} // namespace folianto::reader
