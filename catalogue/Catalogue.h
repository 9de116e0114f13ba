#pragma once
// The open catalogue: the table `Ds` with its file, the per-row reactions while `RowEventsOn`
// is set (write-through, position display, file check), and the catalogue's life: opening
// (with the copy offer for a file that cannot be written), switching, writing and closing.
// At most one catalogue is open at a time; none is open after construction.

#include "catalogue/CatalogueHost.h"
#include "engines/table/Dataset.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace folianto::catalogue {

class Catalogue {
public:
    explicit Catalogue(CatalogueHost& host);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    table::Dataset& Ds() { return ds_; }
    const table::Dataset& Ds() const { return ds_; }
    // The window it is shown in (what a bulk change and the row commands report to).
    CatalogueHost& host() const { return host_; }
    bool isOpen() const { return ds_.isActive(); }
    // The table's file name; it stays after a close (the recent catalogue) and is empty after a
    // failed open.
    QString fileName() const { return ds_.fileName(); }

    // `RowEventsOn`: while set, every posted or deleted row is written at once, the position
    // display follows the cursor and `_TestFile` is computed.
    bool rowEventsOn() const { return rowEventsOn_; }
    void setRowEventsOn(bool on) { rowEventsOn_ = on; }

    // Opens a catalogue by name; a file that cannot be made writable is offered for copying
    // first. Failures are reported to the user; afterwards a catalogue or none is open.
    void OpenCatalogue(const QString& path);
    // Closes the current catalogue (marking its current row and writing it) and opens `path`,
    // or none when it is empty. False only when closing the current catalogue failed; then it
    // stays open and nothing else changes.
    bool SwitchCatalogue(const QString& path);
    // Writes the whole table to its file; throws table::TableError when that fails (the file
    // then keeps its previous content).
    void WriteCatalogueFile();
    // Status panel 1: "current/total" ("0/0" without a catalogue); only while RowEventsOn.
    void ShowRowPosition();

    // "&Каталог...": choose an existing catalogue or name a new one.
    void mCatalogClick();
    // "&Сохранить": writes the file when a catalogue is open and no row is being edited.
    void mSaveClick();

    // Posts a pending edit of the current row; cancels it when the post fails, and cancels a
    // new row that still holds only what it was created with (nobody filled it in).
    void finishPendingEdit();
    // finishPendingEdit, then whether a catalogue is open with a current row to act on.
    bool finishEditOnRow();
    // A new row is pending whose stored values are still those it was created with.
    bool pendingInsertUntouched() const;
    // Begins and cancels an edit of the current row so that its `_TestFile` is computed afresh
    // (only while the check is on and the table is open, browsing and not empty).
    void recomputeFileCheck();
    // The catalogue filter's case rule ("&Чувствительность к регистру (поиск и фильтр)").
    void setCaseSensitive(bool on);

    // Why the last close of a catalogue failed (empty when it did not).
    QString lastCloseError() const { return lastCloseError_; }

    static QString accessErrorText();   // "Ошибка обращения к каталогу!"
    static QString noCatalogueInfoText(); // `LabInfo` after a close

private:
    void wireEvents();
    bool closeCurrent();
    void openTable(const QString& path);
    void loadTable(const QString& path);
    void clearLeftoverMarks();
    void restoreCursorToLastCurrent();
    bool clearMark(const QString& mark);
    void afterPostOrDelete();
    void calcFields();
    void newRecord();

    CatalogueHost& host_;
    table::Dataset ds_;
    bool rowEventsOn_ = false;
    QString lastCloseError_;
    std::vector<QVariant> newRowValues_; // the pending new row as it was created
};

} // namespace folianto::catalogue
