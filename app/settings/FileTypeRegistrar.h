#pragma once
// Makes the desktop open `.bon` files with this program, and takes that back.
//
// What is written keeps the rules of the Windows keys: the claim on the extension is made only
// when it is created (an extension another program already owns is left to it); the type itself
// only when it is created; the open command whenever it is missing or differs. Removal deletes
// exactly what this program writes.

#include <QString>

namespace folianto::settings {

struct FileTypeInfo {
    QString extension = QStringLiteral(".bon");
    QString typeName = QStringLiteral("Folianto");
    QString programName = QStringLiteral("Folianto");
    QString executable; // full path of the program
};

class FileTypeRegistrar {
public:
    virtual ~FileTypeRegistrar() = default;
    // False when something could not be written (the program still starts).
    virtual bool registerType(const FileTypeInfo& info) = 0;
    virtual bool removeType(const FileTypeInfo& info) = 0;
};

} // namespace folianto::settings
