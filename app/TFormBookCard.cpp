// The book card on the main window: the dialog frame around the card's page, and what the
// window does when the card ends (post, position display, topic cache, view state).

#include "app/TFormBook.h"
#include "app/TFormTopic.h"
#include "catalogue/BookCard.h"
#include "catalogue/BookCardLink.h"
#include "catalogue/BookCardPage.h"
#include "catalogue/CatalogueRecord.h"
#include "reader/ArchiveExtract.h"
#include "reader/BookLocation.h"
#include "util/Interaction.h"

#include <QComboBox>
#include <QVBoxLayout>

namespace folianto::app {

namespace {

const QString kCardPage = QStringLiteral("ShCard");

// `ListArchiveEntries` for the card's row. The row is being edited: a found path written
// back goes into that edit and is posted with the card's OK, so that Cancel still drops it.
catalogue::CardFileEntries locateCardFile(table::Dataset& row, const reader::LocationSettings& where,
                                          const reader::ArchiveRequest& archive)
{
    catalogue::CardFileEntries out;
    out.found = reader::LocateBookFile(row, where, row.asString(catalogue::field::FileName));
    reader::ArchiveRequest request = archive;
    request.arc = row.asInt(catalogue::field::Arc);
    const reader::ArchiveEntries entries = reader::ListArchiveEntries(out.found, request);
    out.items = entries.items;
    out.selected = entries.selected;
    out.dropDown = entries.dropDown;
    return out;
}

} // namespace

bool TFormBook::ShowBookCard(bool newRow)
{
    return ShowBookCard(newRow, {});
}

bool TFormBook::ShowBookCard(bool newRow, const QString& givenFile)
{
    bool posted = false;
    runCommand([&] {
        repaint();
        catalogue_->finishPendingEdit();
        if (!catalogue_->isOpen())
            return;
        table::Dataset& ds = catalogue_->Ds();
        if (!newRow && !ds.hasCurrentRow())
            return;
        const bool warn = menus_.action(QStringLiteral("mConFile"))->isChecked();
        const QString file = newRow ? catalogue::ChooseBookFile(ds, givenFile, warn) : QString();

        TFormTopic dialog(this);
        QWidget* sheet = dialog.addPage(kCardPage);
        dialog.selectPage(kCardPage);
        auto* page = new catalogue::BookCardPage(sheet);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        sheetLayout->addWidget(page);
        page->setTopicList(topicCacheStale_ ? std::nullopt : std::optional(catalogue::topicsIn(*cb_)));

        catalogue::BookCardServices services;
        services.warnSimilarLink = warn;
        const reader::ArchiveRequest archive = archiveRequest();
        // While a long search runs, the windows repaint; no other command can start meanwhile.
        auto repaintWindows = [this] {
            repaint();
            if (TFormTopic* card = TFormTopic::current())
                card->repaint();
        };
        services.listEntries = [this, archive, repaintWindows](table::Dataset& row) {
            return locateCardFile(row, locationSettings(repaintWindows), archive);
        };
        services.rebuildTopics = [this]() -> std::optional<QStringList> {
            QStringList topics = catalogue::RebuildTopicCache(catalogue_->Ds(), *cb_);
            topicCacheStale_ = false;
            return topics;
        };
        catalogue::BookCard card(*page, ds, services);

        if (newRow) {
            dialog.setWindowTitle(catalogue::BookCard::newCaption());
            if (bookOpen())
                closeOpenBook();
            card.beginNew(file, settings_.defaultTopic);
        } else {
            dialog.setWindowTitle(catalogue::BookCard::editCaption());
            card.beginEdit();
        }
        card.locateFile();
        card.updateZipButton();
        // A row without a link cannot be written through the button; Enter in the comment can.
        dialog.setOkCheck(kCardPage, [&] {
            if (!card.okAllowed()) {
                dialog.reject();
                return false;
            }
            return true;
        });
        dialog.setShowHandler(kCardPage, [&] { card.prepareShow(); });
        connect(page, &catalogue::BookCardPage::commentEnterPressed, &dialog,
                [&dialog] { dialog.done(QDialog::Accepted); });

        if (util::interaction().runDialog(dialog) != QDialog::Accepted) {
            card.cancel();
            return;
        }
        card.acceptChanges();
        ds.post(); // a failure reaches the error box; the row stays in its edit
        posted = true;
        catalogue_->ShowRowPosition();
        const QString topic = ds.asString(catalogue::field::Topic);
        if (card.topicDropDown() && !topic.isEmpty())
            catalogue::addTopicToCache(*cb_, topic);
    });
    UpdateViewState();
    return posted;
}

} // namespace folianto::app
