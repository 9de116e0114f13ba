#include "reader/BookSession.h"

#include "catalogue/CatalogueRecord.h"
#include "catalogue/WaitCursor.h"
#include "util/Clock.h"
#include "util/FileSystem.h"
#include "util/Interaction.h"
#include "util/Paths.h"
#include "util/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <limits>
#include <optional>

namespace folianto::reader {

namespace field = catalogue::field;
namespace mark = catalogue::mark;
namespace alter = catalogue::alter;

namespace {

QString workFolderCreationFailure() { return QStringLiteral("Невозможно создать временную папку !"); }

// The fast view's offsets count each line break as CR LF: true when offset - 1 is such a CR.
bool carriageReturnBefore(const textview::FastTextView& view, qint64 offset)
{
    const auto lc = view.lineColumnAt(offset - 1);
    if (!lc || lc->line + 1 >= view.lineCount())
        return false;
    return offset - 1 == view.lineStartOffset(lc->line + 1) - 2;
}

bool sameFolder(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

BookSession::BookSession(catalogue::Catalogue& catalogue, ReadingViews& views, PageList& pages, BookSessionHost& host)
    : catalogue_(catalogue), views_(views), pages_(pages), host_(host),
      loader_(std::make_unique<BookTextLoader>(catalogue.Ds(), state_, views, pages)),
      converter_(std::make_unique<NoDocumentConverter>())
{
}

BookSession::~BookSession() = default;

void BookSession::setConverter(std::unique_ptr<DocumentConverter> converter)
{
    converter_ = converter ? std::move(converter) : std::make_unique<NoDocumentConverter>();
}

void BookSession::setBookOpen(bool open)
{
    state_.bookOpen = open;
    host_.setBookOpen(open);
}

void BookSession::setMark(const QString& value)
{
    table::Dataset& ds = catalogue_.Ds();
    if (ds.hasCurrentRow() && ds.asString(field::Cur) != value)
        table::editAndPost(ds, [&] { ds.setValue(field::Cur, value); });
}

// --- opening --------------------------------------------------------------------------------

void BookSession::mOpenbookClick(bool external)
{
    table::Dataset& ds = catalogue_.Ds();
    if (!catalogue_.isOpen() || ds.recordCount() == 0)
        return;
    catalogue_.finishPendingEdit();
    if (ds.asString(field::FileName).isEmpty())
        return;

    if (host_.bookOpen()) {
        if (ds.asString(field::Cur) == mark::OpenBook) {
            host_.showBookView();
            views_.focusViewInUse();
            host_.updateViewState();
            return;
        }
        CloseBook(false);
    }

    setBookOpen(true);
    bool opened = false;
    try {
        opened = OpenBook(external);
    } catch (...) {
        // The failure is reported by the caller; the row must not stay marked as open.
        setBookOpen(false);
        state_.currentBookFile.clear();
        try {
            setMark(QString());
        } catch (...) {
        }
        host_.updateViewState();
        throw;
    }
    if (!opened) {
        setBookOpen(false);
        setMark(QString());
    } else {
        setMark(mark::OpenBook);
        host_.setOpenBookTitle(ds.asString(field::BookName));
    }
    host_.updateViewState();
}

bool BookSession::openedExternally() const
{
    return external_ || catalogue_.Ds().asString(field::Alter) == alter::External;
}

bool BookSession::OpenBook(bool external)
{
    if (!host_.bookOpen())
        return false;
    table::Dataset& ds = catalogue_.Ds();
    std::optional<catalogue::WaitCursor> hourglass;
    hourglass.emplace();
    settings_ = host_.sessionSettings();
    external_ = external;
    state_.bookOpen = true;
    state_.currentBookFile.clear();

    const QString link = ds.asString(field::FileName);
    QString found = LocateBookFile(ds, settings_.location, link);
    if (found.isEmpty()) {
        if (!external) {
            hourglass.reset();
            host_.editBookCard();
            return false;
        }
        found = link;
    }

    ClearUnpackFolder(settings_.archive.workFolder);
    if (archiveKindOf(found) != ArchiveKind::None) {
        if (openedExternally() && settings_.archivesToExternal) {
            state_.currentBookFile = found;
        } else {
            ArchiveRequest request = settings_.archive;
            request.arc = ds.asInt(field::Arc);
            state_.currentBookFile = ExtractFromArchive(found, nullptr, request);
        }
        PrepareConversion(true);
    } else {
        state_.currentBookFile = found;
        PrepareConversion(false);
    }
    host_.focusGrid();

    if (openedExternally()) {
        if (!state_.currentBookFile.isEmpty()) {
            hourglass.reset();
            launchExternally();
        }
        state_.currentBookFile.clear();
        return false;
    }

    if (!state_.currentBookFile.isEmpty()) {
        loader_->setPartSize(settings_.partSize);
        loader_->setFastRead(settings_.fastRead);
        bool loaded = false;
        try {
            loaded = loader_->LoadBookText();
        } catch (...) {
            loaded = false;
        }
        if (!loaded || host_.catalogueShown())
            state_.currentBookFile.clear();
    }
    return !state_.currentBookFile.isEmpty();
}

void BookSession::launchExternally()
{
    const QString& program = settings_.externalProgram;
    if (!program.isEmpty() && QFileInfo(program).isFile())
        util::shell().startProgram(program, {state_.currentBookFile});
    else
        util::shell().open(state_.currentBookFile);
}

void BookSession::PrepareConversion(bool fromArchive)
{
    if (openedExternally() || state_.currentBookFile.isEmpty())
        return;
    util::EnsureWritable(state_.currentBookFile);
    const QString how = catalogue_.Ds().asString(field::Alter);
    if (how != alter::WordToRtf && how != alter::WordToText)
        return;
    const QString extension = util::extensionOfPath(state_.currentBookFile).toUpper();
    if (extension != QLatin1String(".DOC") && extension != QLatin1String(".HTML")
        && extension != QLatin1String(".HTM")
        && !util::interaction().confirm(QStringLiteral("Тип файла ") + extension + QStringLiteral(" Продолжить ?")))
        return;
    const QString& work = settings_.archive.workFolder;
    if (work.isEmpty() || !util::CreateHiddenFolder(work))
        throw ArchiveFailure(workFolderCreationFailure());
    converter_->ConvertWithWord(state_.currentBookFile, how == alter::WordToRtf, fromArchive, work);
}

// --- closing --------------------------------------------------------------------------------

void BookSession::clearReadingControls()
{
    views_.clearViews();
    pages_.clear();
}

qint64 BookSession::closingPosition(bool& atEnd, qint64& size)
{
    qint64 n = 0;
    if (views_.fastViewInUse()) {
        textview::FastTextView& view = views_.fastView();
        if (size <= view.selectionStartOffset())
            atEnd = true;
        if (atEnd) {
            n = size;
        } else if (size != 0) {
            view.setCaretOffset(view.lineStartOffset(view.topLine()));
            n = view.selectionStartOffset();
        }
        if (n > 0 && size == n + 1 && carriageReturnBefore(view, n))
            n += 1;
    } else {
        RichReadingView& view = views_.richView();
        if (loader_->documentShown())
            size = view.textLength();
        if (size <= view.selectionStart())
            atEnd = true;
        if (atEnd)
            n = size;
        else if (size != 0)
            n = view.firstVisibleLinePosition();
    }
    return std::min(n, size);
}

void BookSession::writeProgress(bool atEnd)
{
    table::Dataset& ds = catalogue_.Ds();
    // The row that was current comes back through the return marker "N".
    if (ds.hasCurrentRow() && ds.asString(field::Cur) != mark::OpenBook)
        setMark(mark::Returning);

    if (ds.locate(field::Cur, mark::OpenBook)) {
        qint64 size = std::max(0, ds.asInt(field::Size));
        qint64 n = closingPosition(atEnd, size);
        if (!atEnd)
            n = loader_->bookPositionOf(n);
        clearReadingControls();
        // Never more than 100: a text shown longer than its file must not read as beyond the end.
        const int percent = size != 0 ? int(std::clamp<qint64>(n * 100 / size, 0, 100)) : 0;
        const QDate today = util::clock().today();
        table::editAndPost(ds, [&] {
            ds.setValue(field::Pos, int(std::clamp<qint64>(n, 0, std::numeric_limits<int>::max())));
            ds.setValue(field::Percent, percent);
            ds.setValue(field::Last, today);
            if (ds.isNull(field::First))
                ds.setValue(field::First, today);
            ds.setValue(field::Cur, QString());
        });
    } else {
        // The book's row is gone or filtered out: its progress has nowhere to go.
        clearReadingControls();
    }

    if (ds.locate(field::Cur, mark::Returning))
        setMark(QString());
}

void BookSession::finishClose()
{
    const QString work = host_.sessionSettings().archive.workFolder;
    setBookOpen(false);
    const QString file = state_.currentBookFile;
    if (!host_.shuttingDown() && !file.isEmpty() && sameFolder(util::folderOfPath(file, util::Trailing::Drop), work))
        QFile::remove(file);
    state_.currentBookFile.clear();
    if (host_.shuttingDown())
        util::ClearFolder(work);
}

void BookSession::CloseBook(bool atEnd)
{
    host_.repaintWindow();
    table::Dataset& ds = catalogue_.Ds();
    if (catalogue_.isOpen())
        catalogue_.finishPendingEdit();

    auto emptyPanels = [this] {
        host_.setOpenBookTitle(QString());
        host_.setCaretText(QString());
    };
    if (!host_.bookOpen()) {
        views_.clearViews();
        emptyPanels();
        return;
    }
    if (!ds.isActive()) {
        const QString work = host_.sessionSettings().archive.workFolder;
        setBookOpen(false);
        emptyPanels();
        ClearUnpackFolder(work);
        state_.currentBookFile.clear();
        if (host_.shuttingDown())
            util::ClearFolder(work); // an empty or missing work folder is left alone
        else
            host_.updateViewState();
        return;
    }

    std::exception_ptr failure;
    ds.disableControls();
    try {
        writeProgress(atEnd);
    } catch (...) {
        failure = std::current_exception();
        clearReadingControls();
    }
    ds.enableControls();
    finishClose();
    emptyPanels();
    if (!host_.shuttingDown())
        host_.updateViewState();
    if (failure)
        std::rethrow_exception(failure);
}

void BookSession::mCloseBookClick(bool atEnd)
{
    std::exception_ptr failure;
    try {
        CloseBook(atEnd);
    } catch (...) {
        failure = std::current_exception();
    }
    host_.showCatalogueView();
    host_.updateViewState();
    if (failure)
        std::rethrow_exception(failure);
}

void BookSession::mpGoToBookClick()
{
    if (!host_.bookOpen() || !catalogue_.isOpen())
        return;
    catalogue_.finishPendingEdit();
    catalogue_.Ds().locate(field::Cur, mark::OpenBook);
}

} // namespace folianto::reader
