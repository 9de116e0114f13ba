// "Копировать/переместить группу...": the files of every row of the view into one folder.

#include "catalogue/BulkChange.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/FilterCommands.h"
#include "fileops/FileCommands.h"
#include "fileops/FileCommandsHost.h"
#include "fileops/GroupCopy.h"
#include "util/Interaction.h"
#include "util/Paths.h"

#include <QFileInfo>

namespace folianto::fileops {

namespace {

using util::Answer;
using util::Question;

constexpr int kListedPassedOver = 20;

// The rows of the view whose stored link names an existing file, without moving the cursor.
std::vector<GroupRow> rowsWithFiles(const table::Dataset& ds)
{
    const int link = ds.fieldIndex(catalogue::field::FileName);
    std::vector<GroupRow> rows;
    for (int i = 0; i < ds.recordCount(); ++i) {
        const QString stored = ds.valueAt(i, link).toString();
        if (!stored.isEmpty() && QFileInfo(stored).isFile())
            rows.push_back({ds.bookmarkAt(i), stored});
    }
    return rows;
}

QString reportText(int found, const GroupCopyResult& r, bool move)
{
    const int considered = found - int(r.passedOver.size());
    QStringList lines;
    if (r.copied != considered)
        lines.append(QStringLiteral("Не удалось копирование %1 файлов").arg(qAbs(considered - r.copied)));
    if (move && r.deleted != considered)
        lines.append(QStringLiteral("Не удалось удаление %1 файлов").arg(qAbs(considered - r.deleted)));
    if (!r.passedOver.isEmpty()) {
        lines.append(QStringLiteral("Пропущено из-за совпадения имён в папке %1 файлов:").arg(r.passedOver.size()));
        for (int i = 0; i < r.passedOver.size() && i < kListedPassedOver; ++i)
            lines.append(util::nativeSeparators(r.passedOver[i]));
        if (r.passedOver.size() > kListedPassedOver)
            lines.append(QStringLiteral("..."));
    }
    return lines.join(u'\r');
}

} // namespace

QString FileCommands::groupFoundQuestion(int found)
{
    return QStringLiteral("По прямым ссылкам найдено %1 файлов").arg(found)
        + QStringLiteral("\rYes    - изменить ссылку в каталоге\rNo     - ничего не менять в каталоге"
                         "\rCancel - отмена");
}

QString FileCommands::groupModeQuestion()
{
    return QStringLiteral("Yes    - копировать\rNo     - переместить\rCancel - отмена");
}

QString FileCommands::groupNothingFoundText()
{
    return QStringLiteral("По прямым ссылкам файлов не найдено!");
}

void FileCommands::mpCopyFileGroupClick()
{
    catalogue::Catalogue& cat = host_.catalogue();
    if (!cat.finishEditOnRow())
        return;
    table::Dataset& ds = cat.Ds();
    const QString folder = util::interaction().folderName(QStringLiteral("Выбор папки:"), {});
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;

    const table::Bookmark before = ds.bookmark();
    GroupCopy group(util::withTrailingSeparator(util::nativeSeparators(folder)), rowsWithFiles(ds));
    const int found = int(group.rows().size());
    if (found == 0) {
        util::interaction().message(groupNothingFoundText(), util::MessageKind::Warning);
        return;
    }
    const Answer links = util::interaction().ask(groupFoundQuestion(found), Question::YesNoCancel);
    if (links == Answer::Cancel)
        return;
    host_.repaintWindow();
    const Answer mode = util::interaction().ask(groupModeQuestion(), Question::YesNoCancel);
    if (mode == Answer::Cancel)
        return;
    host_.repaintWindow();
    const bool move = mode == Answer::No;

    {
        catalogue::BulkChange bulk(cat);
        ds.first();
        group.copy([&bulk](int percent) { bulk.setProgress(percent); });
        if (links == Answer::Yes) {
            const GroupCopyResult& r = group.result();
            for (size_t i = 0; i < group.rows().size(); ++i) {
                if (r.targets[int(i)].isEmpty())
                    continue;
                try {
                    ds.gotoBookmark(group.rows()[i].row);
                    ds.edit();
                    ds.setValue(catalogue::field::FileName, r.targets[int(i)]);
                } catch (const std::exception&) {
                    if (ds.isEditing())
                        ds.cancel();
                    group.keepSourceOf(i);
                    continue;
                }
                if (!bulk.postRow())
                    group.keepSourceOf(i);
            }
        }
        bulk.finish(); // a failed write stops here, before any source is deleted
        if (move)
            group.deleteSources();
        catalogue::returnTo(ds, before);
    }
    const QString report = reportText(found, group.result(), move);
    if (!report.isEmpty())
        util::interaction().message(report, util::MessageKind::Warning);
}

} // namespace folianto::fileops
