#pragma once
// Copying or moving the files of many rows into one folder. Every row is copied by its stored
// link; rows that link the same file share one copy. Names that meet in the target folder are
// never allowed to overwrite each other: the first row of the view that claims a name keeps
// it (a file already lying there under its own row's link claims it before all), and the other
// rows are passed over, their files and links untouched.

#include "engines/table/Dataset.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace folianto::fileops {

struct GroupRow {
    table::Bookmark row;
    QString source; // the stored link; it names an existing file
};

struct GroupCopyResult {
    int copied = 0;  // rows whose file now lies in the folder
    int deleted = 0; // rows whose source was deleted (moves)
    QStringList passedOver; // sources of the rows passed over for a name collision
    // For each row, in order: the copy's path, or empty when the row was not copied.
    QStringList targets;
};

class GroupCopy {
public:
    GroupCopy(QString folder, std::vector<GroupRow> rows);

    // Copies every distinct source, flushed and in place; `progress` gets 0..100 as it goes.
    void copy(const std::function<void(int)>& progress);
    // The source of this row must stay (its link could not be changed to the copy).
    void keepSourceOf(size_t row);
    // Deletes the sources of the copied rows, except those kept; call only after the links are
    // safely written.
    void deleteSources();
    const GroupCopyResult& result() const { return result_; }
    const std::vector<GroupRow>& rows() const { return rows_; }

private:
    QString folder_;
    std::vector<GroupRow> rows_;
    GroupCopyResult result_;
    std::vector<int> sourceOf_; // row → index of its distinct source
    QStringList sources_;       // distinct sources
    std::vector<char> kept_;    // per distinct source
};

} // namespace folianto::fileops
