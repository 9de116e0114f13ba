#pragma once
// The reader's parts on the main window: the reading views, the page list, the open book's
// session and the window's side of it.

#include "app/TFormBook.h"
#include "reader/BookSession.h"
#include "reader/PageList.h"
#include "reader/ReadingViews.h"

#include <QLabel>

namespace folianto::app {

// What the open book's session asks of the main window.
class ReaderWindowHost : public reader::BookSessionHost {
public:
    explicit ReaderWindowHost(TFormBook& form) : form_(form) {}
    reader::BookSessionSettings sessionSettings() const override;
    bool bookOpen() const override { return form_.bookOpen(); }
    void setBookOpen(bool open) override { form_.setBookOpen(open); }
    bool catalogueShown() const override { return form_.catalogueShown(); }
    void showBookView() override { form_.showBookView(); }
    void showCatalogueView() override;
    void focusGrid() override { form_.focusGrid(); }
    void setOpenBookTitle(const QString& title) override { form_.sb_[3]->setText(title); }
    void setCaretText(const QString& text) override { form_.sb_[4]->setText(text); }
    bool shuttingDown() const override { return form_.shuttingDown(); }
    void editBookCard() override { form_.ShowBookCard(false); }
    void repaintWindow() override { form_.repaint(); }
    void updateViewState() override { form_.UpdateViewState(); }

private:
    TFormBook& form_;
};

struct TFormBook::Reader {
    explicit Reader(TFormBook& form);
    reader::ReadingViews* views; // owned by the book panel
    reader::PageList pages;
    ReaderWindowHost host;
    reader::BookSession session;
};

} // namespace folianto::app
