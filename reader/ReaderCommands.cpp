#include "reader/ReaderCommands.h"

namespace folianto::reader {

namespace {
constexpr int kExternalTag = 21;
constexpr int kAtEndTag = 2;
}

ReaderCommands::ReaderCommands(catalogue::Catalogue& catalogue, ReaderCommandsHost& host)
    : host_(host), views_{new ReadingViews}, session_(catalogue, *views_.view, pages_, host)
{
    BookTextLoader& loader = session_.loader();
    connect(&loader, &BookTextLoader::bookPanelRequested, this, [this] { host_.showBookView(); });
    connect(&loader, &BookTextLoader::viewStateChanged, this, [this] { host_.UpdateViewState(); });
    // A part picked in `CbPage` runs as a command, so that a failure to store the position is
    // shown in the error box instead of leaving through the combo box's signal.
    disconnect(&pages_, &PageList::picked, &loader, nullptr);
    connect(&pages_, &PageList::picked, this, [this] { CbPageClick(); });
    connect(views_.view, &ReadingViews::caretMoved, views_.view, &ReadingViews::showCaretPosition);
    connect(views_.view, &ReadingViews::caretPositionShown, this,
            [this](const QString& text) { host_.setCaretText(text); });
}

ReaderCommands::Views::~Views()
{
    if (view && !view->parent())
        delete view.data();
}

void ReaderCommands::mOpenbookClick(int tag)
{
    util::runCommand([&] { session_.mOpenbookClick(tag == kExternalTag); });
}

void ReaderCommands::mCloseBookClick(int tag)
{
    util::runCommand([&] { session_.mCloseBookClick(tag == kAtEndTag); });
}

void ReaderCommands::m1ClosebookClick()
{
    util::runCommand([this] { session_.CloseBook(false); });
    host_.UpdateViewState();
}

void ReaderCommands::mpGoToBookClick()
{
    util::runCommand([this] { session_.mpGoToBookClick(); });
    host_.UpdateViewState();
}

void ReaderCommands::mPageClick()
{
    util::runCommand([this] { session_.loader().mPageClick(); });
    host_.UpdateViewState();
}

void ReaderCommands::CbPageClick()
{
    util::runCommand([this] { session_.loader().CbPageClick(); });
    host_.UpdateViewState();
}

} // namespace folianto::reader
