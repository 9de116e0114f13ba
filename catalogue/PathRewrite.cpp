#include "catalogue/PathRewrite.h"

#include "util/Paths.h"

namespace folianto::catalogue {

QString linkFolder(const QString& link)
{
    return util::withTrailingSeparator(util::folderOfPath(link));
}

bool rewriteUseful(const PathRewrite& r)
{
    if (!r.whole)
        return !r.leftSrc.isEmpty() || r.anyway;
    return !r.oldDir.isEmpty() && r.oldDir != r.newDir;
}

QString rewriteLink(const PathRewrite& r, const QString& link)
{
    if (r.whole)
        return r.newDir + util::nameOfPath(link);
    if (!r.leftSrc.isEmpty() && link.startsWith(r.leftSrc, Qt::CaseSensitive))
        return r.leftDst + link.mid(r.leftSrc.size());
    if (r.anyway)
        return r.leftDst + link;
    return link;
}

} // namespace folianto::catalogue
