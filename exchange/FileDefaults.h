#pragma once
// The settings of the page `ShDef` ("Работа с файлами"): the extension mask and the group-add
// options that the folder import and dropped files use, the new-record defaults, and the
// external program. The page takes them in and gives them back on OK.

#include <QString>
#include <QStringList>

namespace folianto::exchange {

struct FileDefaults {
    QStringList extMask{};   // `FStrExt`: lower case, no dots; empty admits every file
    bool scan = false;       // `Fscan`: also the files directly inside each immediate subfolder
    QString author{};        // `FDef_Author`
    QString topic{};         // `FDef_Topic`
    bool impExt = false;     // `ChImpExt`: no default author → the file's extension
    bool impFolder = true;   // `ChImpFolder`: no default topic → the file's folder
    bool impPath = false;    // `ChImpPath`: the folder path into the comment
    bool impDate = false;    // `ChImpDate`: the file's date into `_First`
    bool fb2Description = true; // `ChFb2Desc`: an FB2 file's title, author and genre fill the row
    QString program{};       // `FProg`
    bool arc = false;        // `ChArc`

    friend bool operator==(const FileDefaults&, const FileDefaults&) = default;
};

// An extension as the mask keeps it: without dots, in lower case; empty when nothing is left.
inline QString maskExtension(QString typed)
{
    typed.remove(u'.');
    return typed.toLower();
}

} // namespace folianto::exchange
