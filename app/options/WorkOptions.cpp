#include "app/options/WorkOptions.h"

namespace folianto::app {

FileWorkOptions fileWorkIn(const settings::ProgramSettings& s)
{
    FileWorkOptions o;
    o.extMask = s.extMask;
    o.scan = s.fscan;
    o.author = s.defaultAuthor;
    o.topic = s.defaultTopic;
    o.impExt = s.impExt;
    o.impFolder = s.impFolder;
    o.impPath = s.impPath;
    o.impDate = s.impDate;
    o.fb2Description = s.fb2Description;
    o.program = s.externalProgram;
    o.arc = s.arc;
    return o;
}

void fileWorkOut(const FileWorkOptions& o, settings::ProgramSettings& s)
{
    s.extMask = o.extMask;
    s.fscan = o.scan;
    s.defaultAuthor = o.author;
    s.defaultTopic = o.topic;
    s.impExt = o.impExt;
    s.impFolder = o.impFolder;
    s.impPath = o.impPath;
    s.impDate = o.impDate;
    s.fb2Description = o.fb2Description;
    s.externalProgram = o.program;
    s.arc = o.arc;
}

TableWorkOptions tableWorkIn(const settings::ProgramSettings& s)
{
    return {s.sortFields, s.filterConditions};
}

void tableWorkOut(const TableWorkOptions& o, settings::ProgramSettings& s)
{
    s.sortFields = o.sortFields;
    s.filterConditions = o.filterConditions;
}

} // namespace folianto::app
