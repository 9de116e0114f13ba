#pragma once
// The in-memory table that holds an open catalogue: rows shared by a main cursor and any
// number of second cursors (clones), each with its own filter, sort, case rule and position.
//
// Values are QVariant: a null QVariant is the empty (null) value; text fields hold QString,
// date fields QDate, integer fields int, the calculated boolean bool.

#include "engines/table/FieldDef.h"
#include "engines/table/TableError.h"

#include <QDate>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace folianto::table {

class RowStore; // rows shared between a dataset and its clones (private to the engine)

// A data-aware control watching one cursor: told about changes of its view (the rows passing
// the filter, in the active order) one row at a time, with "about to" calls before the view
// changes. Nothing is told while the controls are suspended; resuming sends one reset.
class DatasetListener {
public:
    virtual ~DatasetListener() = default;
    virtual void rowAboutToBeInserted(int viewRow) {}
    virtual void rowInserted(int viewRow) {}
    virtual void rowAboutToBeRemoved(int viewRow) {}
    virtual void rowRemoved(int viewRow) {}
    virtual void rowChanged(int viewRow) {}
    virtual void viewAboutToBeReset() {}
    virtual void viewReset() {}
    virtual void currentRowChanged() {}
};

enum class DatasetState { Inactive, Browse, Edit, Insert };

struct LocateOptions {
    bool partialKey = false;      // the field must begin with the value
    bool caseInsensitive = false;
};

// An opaque saved position: the identity of a row, valid while that row exists.
struct Bookmark {
    qint64 rowId = -1;
    bool isValid() const { return rowId >= 0; }
};

// One stored value of the view read in place, for bulk output.
struct CellView {
    bool isNull = true;
    QStringView text;  // a text field's text; valid until the rows change
    qint64 number = 0; // a number, a date's day number, a boolean's 0 or 1
};

struct IndexDef {
    QString name;
    QStringList fields; // from a ";"-separated list
    bool descending = false;
};

class Dataset {
public:
    Dataset();
    ~Dataset();
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    // --- definition and life ------------------------------------------------------------
    void setFieldDefs(const FieldDefs& defs);   // only while inactive
    const FieldDefs& fieldDefs() const;
    int fieldCount() const;
    int findField(const QString& name) const;  // -1 when absent
    int fieldIndex(const QString& name) const; // throws TableError when absent
    const FieldDef& fieldDef(int field) const;

    void createEmpty();                         // empty table from the field definitions; becomes active
    void setFileName(const QString& path);
    QString fileName() const;
    void open();                                // loads fileName(); throws TableError, stays inactive on failure
    void close();                               // writes fileName() (when set) then becomes inactive;
                                                // on a failed write throws and stays open
    void saveToFile(const QString& path) const; // ".xml" → XML form, otherwise .bon; atomic
    void mergeChangeLog() {}                    // changes are merged as they are posted
    void emptyTable();
    bool isActive() const;
    DatasetState state() const;
    bool isEditing() const { return state() == DatasetState::Edit || state() == DatasetState::Insert; }

    // --- navigation (through this cursor's filter and sort) -----------------------------
    void first();
    void next();
    void prior();
    void last();
    bool eof() const; // after next() past the last row, or no rows
    bool bof() const;
    int recordCount() const;       // rows passing the filter
    int recNo() const;             // 1-based; 0 when there is no current row
    void setRecNo(int n);          // clamps into 1..recordCount()
    bool hasCurrentRow() const;

    // --- editing ------------------------------------------------------------------------
    void append();   // new row at the end; Insert state; the new-row event runs
    void insert();   // new row before the current one; Insert state
    void edit();     // Edit state on the current row
    void post();     // throws TableError; on failure the state stays Edit/Insert
    void cancel();
    void remove();   // deletes the current row (cancels a pending insert)

    // --- fields -------------------------------------------------------------------------
    QVariant value(int field) const;
    QVariant value(const QString& field) const;
    bool isNull(const QString& field) const;
    QString asString(const QString& field) const;   // "" for null; dates as dd.MM.yyyy
    int asInt(const QString& field) const;          // 0 for null
    QDate asDate(const QString& field) const;       // invalid for null
    bool asBool(const QString& field) const;        // false for null
    // Writing needs Edit or Insert state. Empty text stores null; text is cut to the width;
    // a text given to a number or date field is converted (throws TableError when it cannot be).
    void setValue(int field, const QVariant& v);
    void setValue(const QString& field, const QVariant& v);
    // The same as setValue with the text as a QString, without making one (bulk loading).
    void setText(int field, QStringView text);
    void setNull(const QString& field) { setValue(field, QVariant()); }

    // --- search, filter, sort -----------------------------------------------------------
    bool locate(const QString& field, const QVariant& value, LocateOptions opts = {});

    void setFilterText(const QString& text);  // compiled when filtering is on
    QString filterText() const;
    void setFiltered(bool on);                // throws TableError on a text it cannot read (filter stays off)
    bool filtered() const;
    void setCaseInsensitive(bool on);         // the filter's case rule
    bool caseInsensitive() const;

    void addIndex(const QString& name, const QString& fields, bool descending = false);
    void deleteIndex(const QString& name);
    QList<IndexDef> indexDefs() const;
    void setIndexName(const QString& name);   // "" = storage order; throws for an unknown name
    QString indexName() const;

    Bookmark bookmark() const;
    void gotoBookmark(const Bookmark& b);     // throws TableError when the row is gone or filtered out
    bool bookmarkValid(const Bookmark& b) const;

    // --- second cursors -----------------------------------------------------------------
    // A clone sees the same rows; it starts without filter and sort, case-sensitive, on its
    // first row. Changes posted through it are seen by every cursor.
    std::unique_ptr<Dataset> clone() const;
    void gotoCursorOf(const Dataset& other);  // move to the other cursor's current row

    // --- data-aware controls and events -------------------------------------------------
    void disableControls();                   // nests
    void enableControls();
    bool controlsDisabled() const;

    struct Events {
        std::function<void()> afterOpen, afterClose, afterPost, afterDelete, afterScroll;
        std::function<void()> newRecord;     // on the new row, in Insert state
        std::function<void()> calcFields;    // set calculated fields with setCalcValue
        std::function<void()> dataChanged;   // rows, filter or order changed: views reset
        std::function<void()> controlsResumed;
    };
    Events& events();
    void setCalcValue(const QString& field, const QVariant& v); // only inside calcFields

    // --- the view by position, for data-aware controls (does not move the cursor) -------
    QVariant valueAt(int viewRow, int field) const;  // calculated fields computed for that row
    Bookmark bookmarkAt(int viewRow) const;
    // Every field of one row of the view at once, as valueAt reads a stored field but without
    // a QVariant or a copy of the text (cells gets one entry per field); calculated fields and
    // positions outside the view read as null.
    void cellsAt(int viewRow, std::vector<CellView>& cells) const;
    void addListener(DatasetListener* listener);
    void removeListener(DatasetListener* listener);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Edits the current row with `set`, then posts; a failed post cancels the edit and the
// failure goes on to the caller.
template <typename Set>
void editAndPost(Dataset& ds, Set set)
{
    ds.edit();
    try {
        set();
        ds.post();
    } catch (...) {
        ds.cancel();
        throw;
    }
}

} // namespace folianto::table
