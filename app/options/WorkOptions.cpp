#include "app/options/WorkOptions.h"

namespace folianto::app {

FileWorkOptions fileWorkIn(const settings::ProgramSettings& s)
{
    return {s.defaultTopic, s.defaultAuthor, s.impExt, s.impFolder, s.impPath, s.impDate, s.arc,
            s.extMask,      s.fscan,         s.externalProgram};
}

void fileWorkOut(const FileWorkOptions& o, settings::ProgramSettings& s)
{
    s.defaultAuthor = o.defaultAuthor;
    s.defaultTopic = o.defaultTopic;
    s.externalProgram = o.program;
    s.impExt = o.impExt;
    s.impFolder = o.impFolder;
    s.impPath = o.impPath;
    s.impDate = o.impDate;
    s.arc = o.arc;
    s.fscan = o.scan;
    s.extMask = o.extMask;
}

TableWorkOptions tableWorkIn(const settings::ProgramSettings& s, const QStringList& fieldNames)
{
    TableWorkOptions o;
    for (const QString& field : s.sortFields)
        if (fieldNames.contains(field))
            o.sortFields.append(field);
    o.filterConditions = s.filterConditions;
    return o;
}

void tableWorkOut(const TableWorkOptions& o, settings::ProgramSettings& s)
{
    s.sortFields = o.sortFields;
    s.filterConditions = o.filterConditions;
}

} // namespace folianto::app
