#include "fileops/GroupCopy.h"

#include "fileops/FileCopy.h"
#include "util/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace folianto::fileops {

namespace {

// What happens to one distinct source file.
enum class Fate { Pending, Copied, Failed, PassedOver };

// Names are compared without regard to case, so that a target folder on a case-blind disk
// cannot let two files overwrite each other either.
QString nameKey(const QString& path)
{
    return util::nameOfPath(path).toCaseFolded();
}

QString identityOf(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

GroupCopy::GroupCopy(QString folder, std::vector<GroupRow> rows)
    : folder_(std::move(folder)), rows_(std::move(rows))
{
    QHash<QString, int> seen;
    for (const GroupRow& r : rows_) {
        const QString id = identityOf(r.source);
        auto it = seen.constFind(id);
        if (it == seen.constEnd()) {
            it = seen.insert(id, int(sources_.size()));
            sources_.append(r.source);
        }
        sourceOf_.push_back(*it);
    }
    kept_.assign(size_t(sources_.size()), 0);
}

void GroupCopy::keepSourceOf(size_t row)
{
    kept_[size_t(sourceOf_.at(row))] = 1;
}

void GroupCopy::copy(const std::function<void(int)>& progress)
{
    const int n = int(sources_.size());
    std::vector<Fate> fate(size_t(n), Fate::Pending);
    QStringList targets;
    for (const QString& s : std::as_const(sources_))
        targets.append(QDir::toNativeSeparators(QDir(folder_).filePath(util::nameOfPath(s))));

    // Files already in the folder keep their names first; then the view's order decides.
    QHash<QString, int> claimed;
    for (int i = 0; i < n; ++i) {
        if (sameFile(sources_[i], targets[i])) {
            claimed.insert(nameKey(targets[i]), i);
            fate[size_t(i)] = Fate::PassedOver;
        }
    }
    CopyBatch batch;
    std::vector<int> staged(size_t(n), -1);
    for (int i = 0; i < n; ++i) {
        if (fate[size_t(i)] == Fate::Pending) {
            const QString key = nameKey(targets[i]);
            if (claimed.contains(key)) {
                fate[size_t(i)] = Fate::PassedOver;
            } else {
                claimed.insert(key, i);
                staged[size_t(i)] = batch.stage(sources_[i], targets[i]);
                fate[size_t(i)] = staged[size_t(i)] < 0 ? Fate::Failed : Fate::Copied;
            }
        }
        if (progress)
            progress(n > 1 ? i * 100 / (n - 1) : 100);
    }
    const bool flushed = batch.flush();
    for (int i = 0; i < n; ++i)
        if (fate[size_t(i)] == Fate::Copied && !(flushed && batch.commit(staged[size_t(i)])))
            fate[size_t(i)] = Fate::Failed;
    if (!batch.settle()) // the new names are not known to be on disk: nothing counts as moved
        std::fill(fate.begin(), fate.end(), Fate::Failed);

    result_ = {};
    for (size_t r = 0; r < rows_.size(); ++r) {
        const int s = sourceOf_[r];
        switch (fate[size_t(s)]) {
        case Fate::Copied:
            ++result_.copied;
            result_.targets.append(targets[s]);
            break;
        case Fate::PassedOver:
            result_.passedOver.append(rows_[r].source);
            result_.targets.append(QString());
            break;
        default:
            result_.targets.append(QString());
            break;
        }
    }
}

void GroupCopy::deleteSources()
{
    std::vector<char> removed(size_t(sources_.size()), 0);
    std::vector<char> tried(size_t(sources_.size()), 0);
    for (size_t r = 0; r < rows_.size(); ++r) {
        const int s = sourceOf_[r];
        if (result_.targets.value(int(r)).isEmpty() || kept_[size_t(s)])
            continue;
        if (!tried[size_t(s)]) {
            tried[size_t(s)] = 1;
            removed[size_t(s)] = QFile::remove(sources_[s]) ? 1 : 0;
        }
        if (removed[size_t(s)])
            ++result_.deleted;
    }
}

} // namespace folianto::fileops
