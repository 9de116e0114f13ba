#include "reader/ReadingCommands.h"

#include "catalogue/CatalogueRecord.h"
#include "catalogue/WaitCursor.h"
#include "engines/rtf/RtfWriter.h"
#include "engines/table/AtomicFile.h"
#include "reader/BookEncoding.h"
#include "reader/SelectionText.h"
#include "reader/TextFind.h"
#include "util/Interaction.h"

#include <QTextCursor>

namespace folianto::reader {

namespace field = catalogue::field;

namespace {

struct PasteTarget {
    const QString& field;
    const char* sizeName; // how the question names the field
};

PasteTarget pasteTarget(int tag)
{
    switch (tag) {
    case 1:
        return {field::BookName, " Размер названия = "};
    case 2:
        return {field::Author, " Размер автора = "};
    default:
        return {field::Comment, " Размер примечания = "};
    }
}

} // namespace

ReadingCommands::ReadingCommands(catalogue::Catalogue& catalogue, ReadingViews& views, BookTextLoader& loader,
                                 ReaderCommandsHost& host)
    : catalogue_(catalogue), views_(views), loader_(loader), host_(host)
{
}

ReadingCommands::~ReadingCommands()
{
    delete findDlg_.data();
}

QTextCursor ReadingCommands::cursorInUse() const
{
    return views_.fastViewInUse() ? views_.fastView().textCursor() : views_.richView().textCursor();
}

bool ReadingCommands::hasSelection() const
{
    return cursorInUse().hasSelection();
}

// --- find ------------------------------------------------------------------------------------

void ReadingCommands::mSearchClick()
{
    if (!findDlg_) {
        findDlg_ = new FindDialog(host_.dialogParent());
        connect(findDlg_, &FindDialog::findNext, this, &ReadingCommands::FindDlgFind);
    }
    // The rich view searches downwards unless the direction was set up in the fast view.
    findDlg_->setDirectionShown(views_.fastViewInUse());
    const QTextCursor cursor = cursorInUse();
    if (cursor.hasSelection())
        findDlg_->setFindText(cursor.selectedText());
    findDlg_->show();
    findDlg_->raise();
    findDlg_->activateWindow();
}

void ReadingCommands::FindDlgFind()
{
    if (!findDlg_)
        return;
    const FindRequest request = findDlg_->request();
    if (request.text.isEmpty())
        return;
    const bool found = views_.fastViewInUse() ? findInFastView(views_.fastView(), request)
                                              : findInRichView(views_.richView(), request);
    if (!found)
        util::interaction().message(QStringLiteral("Not found"));
}

// --- the bookmark ----------------------------------------------------------------------------

void ReadingCommands::mSetbookmarkClick()
{
    bookmarkPos_ = views_.fastViewInUse() ? views_.fastView().selectionStartOffset()
                                          : views_.richView().selectionStart();
}

void ReadingCommands::mGotobookmarkClick()
{
    if (views_.fastViewInUse()) {
        views_.fastView().setCaretOffset(bookmarkPos_); // beyond the text: the caret stays
        views_.fastView().ensureCursorVisible();
    } else {
        views_.richView().setCaretPosition(int(std::min<qint64>(bookmarkPos_, views_.richView().textLength())));
        views_.richView().ensureCursorVisible();
    }
    views_.focusViewInUse();
}

// --- font and background ---------------------------------------------------------------------

void ReadingCommands::mFontClick()
{
    const bool fast = views_.fastViewInUse();
    ReadingLook look = views_.look();
    QFont& font = fast ? look.fastFont : look.richFont;
    const std::optional<QFont> chosen = util::interaction().chooseViewFont(font, fast);
    if (!chosen)
        return;
    font = *chosen;
    {
        const catalogue::WaitCursor hourglass;
        views_.applyLook(look);
    }
    host_.readingLookChanged(look);
}

void ReadingCommands::mColorClick()
{
    ReadingLook look = views_.look();
    const std::optional<QColor> chosen = util::interaction().chooseColor(look.background);
    if (!chosen || !chosen->isValid())
        return;
    look.background = *chosen;
    views_.applyLook(look);
    host_.readingLookChanged(look);
}

// --- save and copy ---------------------------------------------------------------------------

QByteArray ReadingCommands::shownTextBytes() const
{
    const QTextCursor cursor = cursorInUse();
    const QString oem = loader_.unicodeShown() ? catalogue::oem::Unicode : catalogue::oem::Win;
    if (cursor.hasSelection())
        return encodeBookText(withCrLf(cursor.selectedText()), oem);
    if (views_.fastViewInUse())
        return encodeBookText(withCrLf(views_.fastView().toPlainText()), oem);
    if (loader_.rtfShown())
        return rtf::writeRtf(*views_.richView().document());
    return encodeBookText(withCrLf(views_.richView().toPlainText()), oem);
}

void ReadingCommands::mSaveasClick()
{
    util::runCommand([this] {
        util::FileDialogRequest request;
        request.caption = QStringLiteral("Сохранение текста из книги");
        request.mustExist = false;
        const QString path = util::interaction().saveFileName(request);
        if (path.isEmpty())
            return;
        // Written whole beside the target and renamed over it: a failure leaves nothing half-done.
        table::writeFileAtomically(path, shownTextBytes());
    });
}

void ReadingCommands::ButCopyClipClick()
{
    if (views_.fastViewInUse())
        views_.fastView().copy();
    else
        views_.richView().copy();
}

// --- paste into the record -------------------------------------------------------------------

void ReadingCommands::mpCopyToNameClick(int tag)
{
    util::runCommand([this, tag] { pasteIntoRecord(tag); });
    host_.UpdateViewState();
}

void ReadingCommands::pasteIntoRecord(int tag)
{
    table::Dataset& ds = catalogue_.Ds();
    if (!catalogue_.isOpen() || !ds.hasCurrentRow())
        return;
    QString text = selectionForField(cursorInUse().selectedText());
    if (text.isEmpty()) {
        util::interaction().message(QStringLiteral("Надо что-то выделить!"));
        return;
    }
    catalogue_.finishPendingEdit();
    const PasteTarget target = pasteTarget(tag);
    const int width = catalogue::catalogueField(target.field)->def.size;
    ds.edit();
    bool set = true;
    if (text.size() > width) {
        set = util::interaction().confirm(QStringLiteral("Размер выбранного = ") + QString::number(text.size())
                                          + QString::fromUtf8(target.sizeName) + QString::number(width)
                                          + QStringLiteral(" Продолжить?"));
        text.truncate(width);
    }
    if (!set) {
        ds.cancel();
        return;
    }
    try {
        ds.setValue(target.field, text);
        ds.post();
    } catch (...) {
        ds.cancel();
        throw;
    }
}

} // namespace folianto::reader
