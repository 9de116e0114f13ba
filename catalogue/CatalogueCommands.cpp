#include "catalogue/CatalogueCommands.h"

#include "catalogue/BookCard.h"
#include "catalogue/BookCardLink.h"
#include "catalogue/BookCardPage.h"
#include "catalogue/BookCardRowCommands.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/FilterForms.h"
#include "util/Interaction.h"
#include "util/TFormTopic.h"

#include <QComboBox>
#include <QTableView>
#include <QVBoxLayout>

namespace folianto::catalogue {

namespace {
const QString kCardPage = QStringLiteral("ShCard");
}

CatalogueCommands::CatalogueCommands(Catalogue& catalogue, CatalogueControls controls, CatalogueCommandsHost& host)
    : catalogue_(catalogue), controls_(controls), host_(host), topicCache_(controls.topics)
{
}

void CatalogueCommands::mCatalogClick()
{
    util::runCommand([this] { catalogue_.mCatalogClick(); });
    host_.UpdateViewState();
}

void CatalogueCommands::mSaveClick()
{
    util::runCommand([this] { catalogue_.mSaveClick(); });
}

void CatalogueCommands::LabInfoClick()
{
    if (!host_.infoText().isEmpty())
        mCatalogClick();
}

bool CatalogueCommands::ShowBookCard(bool newRow, const QString& givenFile)
{
    bool posted = false;
    util::runCommand([&] {
        host_.repaintWindow();
        catalogue_.finishPendingEdit();
        if (!catalogue_.isOpen())
            return;
        table::Dataset& ds = catalogue_.Ds();
        if (!newRow && !ds.hasCurrentRow())
            return;
        const bool warn = host_.warnSimilarLink();
        const QString file = newRow ? ChooseBookFile(ds, givenFile, warn) : QString();

        util::TFormTopic dialog(host_.dialogParent());
        QWidget* sheet = dialog.addPage(kCardPage);
        dialog.selectPage(kCardPage);
        auto* page = new BookCardPage(sheet);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        sheetLayout->addWidget(page);
        page->setTopicList(topicCache_.stale() ? std::nullopt : std::optional(topicCache_.topics()));

        BookCardServices services;
        services.warnSimilarLink = warn;
        services.defaultAuthor = host_.defaultAuthor();
        services.defaultTopic = host_.defaultTopic();
        // While a long search runs, the windows repaint; no other command can start meanwhile.
        services.listEntries = [this](table::Dataset& row) {
            return host_.cardFileEntries(row, [this] {
                host_.repaintWindow();
                if (util::TFormTopic* card = util::TFormTopic::current())
                    card->repaint();
            });
        };
        services.zipFile = [this](const QString& file, const QString& archive, QProgressBar* bar) {
            return host_.zipFile(file, archive, bar);
        };
        services.bookDescription = [this](const QString& file) { return host_.bookDescription(file); };
        services.rebuildTopics = [this]() -> std::optional<QStringList> { return topicCache_.rebuild(catalogue_.Ds()); };
        BookCard card(*page, ds, services);

        if (newRow) {
            dialog.setWindowTitle(BookCard::newCaption());
            if (host_.bookOpen())
                host_.closeOpenBook();
            card.beginNew(file, host_.defaultTopic());
        } else {
            dialog.setWindowTitle(BookCard::editCaption());
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
        QObject::connect(page, &BookCardPage::commentEnterPressed, &dialog,
                         [&dialog] { dialog.done(QDialog::Accepted); });

        if (util::interaction().runDialog(dialog) != QDialog::Accepted) {
            card.cancel();
            return;
        }
        card.acceptChanges();
        ds.post(); // a failure reaches the error box; the row stays in its edit
        posted = true;
        catalogue_.ShowRowPosition();
        const QString topic = ds.asString(field::Topic);
        if (card.topicDropDown())
            topicCache_.add(topic);
    });
    host_.UpdateViewState();
    return posted;
}

void CatalogueCommands::mNewClick(int tag)
{
    ShowBookCard(tag == 1);
}

void CatalogueCommands::mDeleteClick()
{
    util::runCommand([this] { DeleteCurrentRow(catalogue_); });
    host_.UpdateViewState();
}

void CatalogueCommands::mpCloneClick()
{
    DuplicateCurrentRow(catalogue_, host_);
}

QString CatalogueCommands::selectedColumnField() const
{
    const table::Dataset& ds = catalogue_.Ds();
    const int column = controls_.grid.currentIndex().column();
    if (!ds.isActive() || column < 0 || column >= ds.fieldCount())
        return {};
    return ds.fieldDef(column).name;
}

bool CatalogueCommands::mpDefOffered() const
{
    const QString f = selectedColumnField();
    return (f == field::Author || f == field::Topic) && catalogue_.Ds().recordCount() > 0;
}

bool CatalogueCommands::mpReplaceOffered() const
{
    const QString f = selectedColumnField();
    return !f.isEmpty() && catalogue_.Ds().recordCount() > 0
        && isTextField(catalogue_.Ds().fieldDef(catalogue_.Ds().fieldIndex(f)).type);
}

void CatalogueCommands::mpDefClick()
{
    const table::Dataset& ds = catalogue_.Ds();
    if (!catalogue_.isOpen() || !ds.hasCurrentRow())
        return;
    const QString f = selectedColumnField();
    if (f == field::Topic)
        host_.setDefaultTopic(ds.asString(f));
    else if (f == field::Author)
        host_.setDefaultAuthor(ds.asString(f));
}

} // namespace folianto::catalogue
