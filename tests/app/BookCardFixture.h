#pragma once
// A window on a catalogue made for one test of the book card, with the card's controls at
// hand inside scripted dialogs.

#include "../catalogue/CatalogueFixtures.h"
#include "FormBookFixture.h"
#include "catalogue/BookCard.h"
#include "catalogue/BookCardPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace folianto::test {

namespace field = catalogue::field;

class BookCardTest : public FormBookTest {
protected:
    void open(const std::vector<FixtureRow>& rows, const Adjust& adjust = {})
    {
        path = dir.file(QStringLiteral("c.bon"));
        writeCatalogue(path, rows);
        ASSERT_TRUE(start({path}, {}, adjust));
        workFolderWasThere = QFileInfo::exists(form->workFolder());
    }
    // A real file in the test folder, for the file dialog to return.
    QString bookFile(const QString& name) const { return dir.write(QStringLiteral("books/") + name, "text"); }
    bool goTo(const QString& title) { return ds().locate(field::BookName, title); }
    // Sets fields of the current row and posts it.
    void setFields(const QList<std::pair<QString, QVariant>>& values)
    {
        ds().edit();
        for (const auto& [name, value] : values)
            ds().setValue(name, value);
        ds().post();
    }
    // Rows of the catalogue file as written: the row with this title, or none.
    std::unique_ptr<table::Dataset> stored() const
    {
        auto file = std::make_unique<table::Dataset>();
        file->setFieldDefs(catalogue::catalogueFieldDefs());
        file->setFileName(path);
        file->open();
        file->setFileName({});
        return file;
    }
    // Listing an archive makes the work folder; the program would clear it when it closes.
    void closeForm()
    {
        if (form && !form->workFolder().isEmpty() && !workFolderWasThere)
            QDir(form->workFolder()).removeRecursively();
        form.reset();
    }
    void TearDown() override { closeForm(); }
    static catalogue::BookCardPage& card(QDialog& d)
    {
        auto* page = d.findChild<catalogue::BookCardPage*>();
        if (!page)
            throw std::runtime_error("no card page");
        return *page;
    }
    void expectCard(bool newRow, ScriptedInteraction::DialogFiller filler, int result = QDialog::Accepted)
    {
        ui.expectDialog(newRow ? catalogue::BookCard::newCaption() : catalogue::BookCard::editCaption(),
                        std::move(filler), result);
    }
    void expectFileDialog(const QString& answer) { ui.expectOpenFile(QString(), answer); }

    QString path;
    bool workFolderWasThere = true;
};

} // namespace folianto::test
