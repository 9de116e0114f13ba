#pragma once
// Copies that are real copies: each source is written beside its target under a temporary
// name, checked to be complete, flushed to disk and only then renamed over the target, so a
// target is either the whole source or untouched. A batch flushes all its copies with one
// sync of the file system, which keeps a copy of a thousand small files fast.
//
//   CopyBatch batch;
//   for (...) batch.stage(source, target);   // false: that copy failed, nothing left behind
//   batch.flush();                           // false: nothing of the batch may be trusted
//   for (...) batch.commit(i);               // puts copy i in place of its target
//   batch.settle();                          // the new names survive a crash

#include <QString>
#include <vector>

namespace folianto::fileops {

class CopyBatch {
public:
    CopyBatch() = default;
    ~CopyBatch(); // temporary files not committed are removed
    CopyBatch(const CopyBatch&) = delete;
    CopyBatch& operator=(const CopyBatch&) = delete;

    // Copies `source` to a temporary file in the target's folder. Returns the copy's number,
    // or -1 when the source cannot be read whole (also when it is a folder or vanished), the
    // target is the source itself, or the temporary file cannot be written.
    int stage(const QString& source, const QString& target);
    // Makes the staged copies durable. False when the file system reported an error; then no
    // copy is committed.
    bool flush();
    // Renames copy `n` over its target (after flush()). True when it is in place.
    bool commit(int n);
    // Flushes the folders of the committed copies, so that their new names are on disk before
    // a source is deleted.
    bool settle();
    int size() const { return int(copies_.size()); }

private:
    struct Copy {
        QString temporary;
        QString target;
        bool committed = false;
    };
    std::vector<Copy> copies_;
    bool flushed_ = false;
};

// One copy through a batch of one: true when `target` holds the whole of `source` on disk.
bool copyFileSafely(const QString& source, const QString& target);

// Flushes a file (or a folder's entries) to disk; false when the system reported an error.
bool flushToDisk(const QString& path);

// True when both paths name the same existing file (also through links or hard links).
bool sameFile(const QString& a, const QString& b);

// Renames a file without ever replacing another one: false when `target` names a different
// existing file. A change of letter case alone is a rename.
bool renameFileSafely(const QString& source, const QString& target);

} // namespace folianto::fileops
