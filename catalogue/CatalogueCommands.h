#pragma once
// The catalogue's commands: opening and saving the catalogue, the book card and the row
// commands beside it, and the topic cache they share. Built from the open catalogue, the
// catalogue's controls on the window and a CatalogueCommandsHost; the window binds its menu
// items and tool buttons to these methods.

#include "catalogue/CatalogueCommandsHost.h"

#include <QString>

class QComboBox;
class QTableView;

namespace folianto::catalogue {

class Catalogue;

// The window's controls that show the catalogue.
struct CatalogueControls {
    QTableView& grid;   // `DBG`
    QComboBox& topics;  // `Cb`, the topic cache
};

class CatalogueCommands {
public:
    CatalogueCommands(Catalogue& catalogue, CatalogueControls controls, CatalogueCommandsHost& host);

    void mCatalogClick();
    void mSaveClick();
    void LabInfoClick(); // the info label: the catalogue dialog when it shows a text

    // The book card for a new row (`newRow`) or for editing the current one; `givenFile`: a
    // file to link without the file dialog (a dropped file). True when a row was posted.
    bool ShowBookCard(bool newRow, const QString& givenFile = {});
    void mNewClick(int tag); // tag 1 adds, tag 2 edits
    void mDeleteClick();
    void mpCloneClick();
    void mpDefClick();
    // "Установить по умолчани&ю" is offered only on the author and topic columns.
    bool mpDefOffered() const;

    // The topic cache: emptied and marked stale when the catalogue changes.
    void clearTopicCache();
    bool topicCacheStale() const { return topicCacheStale_; }

private:
    QString selectedColumnField() const;

    Catalogue& catalogue_;
    CatalogueControls controls_;
    CatalogueCommandsHost& host_;
    bool topicCacheStale_ = true;
};

} // namespace folianto::catalogue
