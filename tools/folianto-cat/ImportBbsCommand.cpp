#include "CatalogueFile.h"
#include "Commands.h"
#include "Console.h"
#include "ImportOptions.h"
#include "exchange/DescriptionImport.h"
#include "exchange/ImportSink.h"
#include "util/Paths.h"

#include <QFileInfo>

using namespace folianto::exchange;

namespace {

// "T1,T2,T3,T4": f1's target first; each one of "Книга", "Автор", "Прим" or empty.
std::optional<std::array<FieldTarget, 4>> parseTargets(const QString& text)
{
    const QStringList names = text.split(u',');
    if (names.size() > 4)
        return std::nullopt;
    std::array<FieldTarget, 4> targets{FieldTarget::None, FieldTarget::None, FieldTarget::None, FieldTarget::None};
    for (qsizetype i = 0; i < names.size(); ++i) {
        const auto t = targetFromName(names[i].trimmed());
        if (!t)
            return std::nullopt;
        targets[size_t(i)] = *t;
    }
    return targets;
}

std::optional<LinkChoice> parseLink(const QString& text)
{
    if (text == QLatin1String("full"))
        return LinkChoice::FullPath;
    if (text == QLatin1String("name"))
        return LinkChoice::NameOnly;
    if (text == QLatin1String("field"))
        return LinkChoice::Field;
    return std::nullopt;
}

} // namespace

// A description file's lines become rows, as "Импорт из &BBS,ION..." makes them.
int runImportBbs(const QStringList& args)
{
    const QString cmd = QStringLiteral("import-bbs");
    const auto parsed = parseArgs(cmd, args, {},
                                  {"sep1", "sep2", "sep3", "targets", "link", "skip", "skip2", "merge"});
    if (!parsed)
        return 2;
    if (parsed->positional.size() != 2)
        return usageError(QStringLiteral("import-bbs needs a CATALOGUE and a description FILE"));
    const auto sep1 = parsed->value(QStringLiteral("sep1"));
    if (!sep1)
        return usageError(QStringLiteral("import-bbs needs --sep1"));

    DescriptionSettings settings;
    settings.separators = {*sep1, parsed->value(QStringLiteral("sep2")).value_or(QString()),
                           parsed->value(QStringLiteral("sep3")).value_or(QString())};
    if (const auto t = parsed->value(QStringLiteral("targets"))) {
        const auto targets = parseTargets(*t);
        if (!targets)
            return usageError(QStringLiteral("import-bbs: --targets takes up to four of Книга, Автор, Прим or empty, "
                                             "separated by commas"));
        settings.targets = *targets;
    }
    if (const auto l = parsed->value(QStringLiteral("link"))) {
        const auto link = parseLink(*l);
        if (!link)
            return usageError(QStringLiteral("import-bbs: --link is full, name or field"));
        settings.link = *link;
    }
    settings.skip1 = parsed->value(QStringLiteral("skip")).value_or(QString());
    settings.skip2 = parsed->value(QStringLiteral("skip2")).value_or(QString());
    settings.merge = parsed->value(QStringLiteral("merge")).value_or(QString());

    const QString file = parsed->positional[0];
    const QString description = parsed->positional[1];
    const QFileInfo info(description);
    if (!info.isFile() || !info.isReadable()) {
        printError(QStringLiteral("%1: no such readable file").arg(description));
        return 1;
    }
    folianto::table::Dataset ds;
    if (!openCatalogueForCommand(ds, file))
        return 1;
    const QStringList lines = preparedDescriptionLines(readDescriptionText(description), settings);
    if (lines.isEmpty()) {
        printError(QStringLiteral("%1: empty, nothing imported").arg(description));
        return 1;
    }
    TableSink sink(ds);
    importDescriptionLines(lines, folianto::util::withTrailingSeparator(info.absolutePath()), settings, sink);
    return saveCatalogueForCommand(ds, file, sink.posted());
}
