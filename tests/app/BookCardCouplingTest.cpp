// The card's opening mode and decoding controls: the external program excludes Word conversion
// and the decoding, the two Word boxes exclude each other.

#include "catalogue/BookCardPage.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace folianto::test {
namespace {

class Coupling : public ::testing::Test {
protected:
    Coupling() : page(new catalogue::BookCardPage(&dialog)) { (new QVBoxLayout(&dialog))->addWidget(page); }
    bool freeOfExternal() const
    {
        return page->RgChar->isEnabled() && page->ChRtf->isEnabled() && page->ChTxt->isEnabled();
    }
    QDialog dialog;
    catalogue::BookCardPage* page;
};

TEST_F(Coupling, CheckingTheExternalProgramUnchecksAndDisablesWordAndDecoding)
{
    for (QCheckBox* word : {page->ChRtf, page->ChTxt}) {
        SCOPED_TRACE(word->objectName().toStdString());
        word->setChecked(true);
        page->ChAlter->setFocus(); // a click gives the box the focus first
        page->ChAlter->setChecked(true);
        EXPECT_TRUE(page->ChAlter->isChecked());
        EXPECT_FALSE(page->ChRtf->isChecked());
        EXPECT_FALSE(page->ChTxt->isChecked());
        EXPECT_FALSE(page->RgChar->isEnabled());
        EXPECT_FALSE(page->ChRtf->isEnabled());
        EXPECT_FALSE(page->ChTxt->isEnabled());
        page->ChAlter->setChecked(false);
        EXPECT_TRUE(freeOfExternal());
        page->DBEBook->setFocus();
    }
}

TEST_F(Coupling, TheExternalProgramLosesItsCheckToAWordBoxOrDecodingWithoutTheFocus)
{
    page->ChAlter->setChecked(true); // as the card sets it from the row, nothing else checked
    EXPECT_TRUE(page->ChAlter->isChecked());
    page->DBEBook->setFocus();
    page->setDecoding(3);
    EXPECT_FALSE(page->ChAlter->isChecked());
    EXPECT_TRUE(freeOfExternal());
    EXPECT_EQ(page->decoding(), 3);

    // Checked from code while a Word box is checked and the box has no focus: the Word box's
    // unchecking takes the external program's check away again.
    page->ChRtf->setChecked(true);
    page->ChAlter->setChecked(true);
    EXPECT_FALSE(page->ChAlter->isChecked());
    EXPECT_FALSE(page->ChRtf->isChecked());
    EXPECT_TRUE(freeOfExternal());
}

TEST_F(Coupling, TheWordBoxesExcludeEachOther)
{
    page->ChRtf->setChecked(true);
    page->ChTxt->setChecked(true);
    EXPECT_TRUE(page->ChTxt->isChecked());
    EXPECT_FALSE(page->ChRtf->isChecked());
    page->ChRtf->setChecked(true);
    EXPECT_TRUE(page->ChRtf->isChecked());
    EXPECT_FALSE(page->ChTxt->isChecked());
    page->setDecoding(1); // a decoding keeps the Word box
    EXPECT_TRUE(page->ChRtf->isChecked());
    EXPECT_EQ(page->decoding(), 1);
}

} // namespace
} // namespace folianto::test
