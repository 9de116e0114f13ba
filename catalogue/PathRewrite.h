#pragma once
// How the group path command rewrites the file links of the rows: the whole folder replaced,
// or a left part of the link replaced, removed or put in front. Both separators count.

#include <QString>

namespace folianto::catalogue {

// The folder of a link with a trailing separator: its text up to and including the last
// separator or ":", a separator added when it does not end in one; empty without either.
QString linkFolder(const QString& link);

struct PathRewrite {
    bool whole = true;   // the whole folder (`RgFiles` item 1) or the left part (item 0)
    bool anyway = false; // `ChLeft`: put the replacement in front when the left part is absent
    QString leftSrc;     // `EdLeftSrc`
    QString leftDst;     // `EdLeftDst`
    QString newDir;      // `EdPathDst`, used as typed
    QString oldDir;      // `EdPathSrc`, only guards the command
};

// False when the input is not enough to do anything: the left part empty without `anyway`,
// or the whole folder asked for with no old folder or the same one.
bool rewriteUseful(const PathRewrite& r);
// The link after the rewrite (unchanged when the left part does not match).
QString rewriteLink(const PathRewrite& r, const QString& link);

} // namespace folianto::catalogue
