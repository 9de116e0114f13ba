#include "exchange/DbfImport.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfReader.h"
#include "engines/table/Dataset.h"

namespace folianto::exchange {

namespace field = catalogue::field;

const QStringList& importTargetLabels()
{
    static const QStringList labels = {QStringLiteral("Книга"), QStringLiteral("Автор"), QStringLiteral("Тема"),
                                       QStringLiteral("Путь"),  QStringLiteral("Файл"),  QStringLiteral("Размер"),
                                       QStringLiteral("Комментарий")};
    return labels;
}

std::optional<DbfImportMapping> parseImportMap(const QString& text, QString* error)
{
    DbfImportMapping mapping;
    QStringList used;
    for (const QString& entry : text.split(u',', Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(u'=');
        const int target = int(importTargetLabels().indexOf(entry.left(eq).trimmed()));
        const QString source = eq < 0 ? QString() : entry.mid(eq + 1).trimmed().toUpper();
        QString problem;
        if (eq < 0 || target < 0 || source.isEmpty())
            problem = QStringLiteral("bad assignment %1 (targets: %2)").arg(entry, importTargetLabels().join(u", "));
        else if (!mapping.fields[size_t(target)].isEmpty())
            problem = QStringLiteral("%1 assigned twice").arg(importTargetLabels()[target]);
        else if (used.contains(source))
            problem = QStringLiteral("field %1 assigned twice").arg(source);
        if (!problem.isEmpty()) {
            if (error)
                *error = problem;
            return std::nullopt;
        }
        mapping.fields[size_t(target)] = source;
        used.append(source);
    }
    return mapping;
}

// With a file assigned: the file text with ".ext" when an extension is given, below the path
// text (a backslash between them unless the path ends with one) when a path is assigned.
QString importedFileLink(const std::optional<QString>& path, const QString& file, const QString& ext)
{
    QString name = ext.isEmpty() ? file : file + u'.' + ext;
    if (!path)
        return name;
    return path->endsWith(u'\\') ? *path + name : QString(*path + u'\\' + name);
}

std::optional<int> wholeNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const QStringView digits = QStringView(text).mid(i);
    const QStringView unsignedPart = digits.startsWith(u'-') || digits.startsWith(u'+') ? digits.mid(1) : digits;
    if (unsignedPart.isEmpty())
        return std::nullopt;
    for (QChar c : unsignedPart)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

namespace {

// The table's field number for each assigned target (-1 for none).
std::array<int, kImportTargets> sourceFields(const dbf::DbfReader& table, const DbfImportMapping& mapping)
{
    std::array<int, kImportTargets> sources{};
    for (size_t t = 0; t < sources.size(); ++t) {
        sources[t] = mapping.fields[t].isEmpty() ? -1 : table.findField(mapping.fields[t]);
        if (!mapping.fields[t].isEmpty() && sources[t] < 0)
            throw dbf::DbfError(QStringLiteral("Field '%1' not found").arg(mapping.fields[t]));
    }
    return sources;
}

// Fills the appended row from the current record; false when the record adds no row.
bool fillRow(table::Dataset& ds, dbf::DbfReader& table, const std::array<int, kImportTargets>& sources,
             const QString& ext)
{
    const int record = table.current();
    auto source = [&](ImportTarget t) -> std::optional<QString> {
        const int f = sources[size_t(t)];
        return f < 0 ? std::nullopt : std::optional<QString>(table.text(record, f));
    };
    if (const auto file = source(ImportTarget::File))
        ds.setValue(field::FileName, importedFileLink(source(ImportTarget::Path), *file, ext));
    const std::pair<ImportTarget, const QString*> texts[] = {{ImportTarget::Book, &field::BookName},
                                                             {ImportTarget::Author, &field::Author},
                                                             {ImportTarget::Topic, &field::Topic},
                                                             {ImportTarget::Comment, &field::Comment}};
    for (const auto& [target, name] : texts)
        if (const auto text = source(target))
            ds.setValue(*name, *text);
    if (const auto size = source(ImportTarget::Size); size && !size->isEmpty()) {
        const std::optional<int> n = wholeNumber(*size);
        if (!n)
            return false;
        ds.setValue(field::Size, *n);
    }
    return true;
}

} // namespace

DbfImportResult importDbfRecords(table::Dataset& ds, dbf::DbfReader& table, const DbfImportMapping& mapping,
                                 const Progress& progress)
{
    const std::array<int, kImportTargets> sources = sourceFields(table, mapping);
    table.setTranslate(mapping.dos);
    DbfImportResult result;
    ProgressSteps steps(progress, table.recordCount());
    for (table.first(); !table.eof(); table.next()) {
        ds.append();
        bool keep = false;
        try {
            keep = fillRow(ds, table, sources, mapping.ext);
            if (keep)
                ds.post();
        } catch (const std::exception&) {
            keep = false;
        }
        if (keep) {
            ++result.added;
        } else {
            ds.cancel();
            ++result.skipped;
        }
        steps.advance();
    }
    return result;
}

} // namespace folianto::exchange
