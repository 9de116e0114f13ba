#pragma once
// The file type on a freedesktop system, below the user's data folder ($XDG_DATA_HOME, else
// ~/.local/share):
//   mime/packages/<type>.xml      the MIME type application/x-<type> "<program> files"
//   mime/packages/<type>-<ext>.xml  its glob "*<extension>" (the claim on the extension)
//   applications/<type>.desktop   the program, Exec = executable %f, for that MIME type
// The MIME and desktop databases are refreshed with update-mime-database and
// update-desktop-database when those programs exist and something changed.

#include "app/settings/FileTypeRegistrar.h"

#include <QStringList>
#include <optional>

namespace folianto::settings {

class XdgFileTypeRegistrar : public FileTypeRegistrar {
public:
    // An empty dataHome means $XDG_DATA_HOME or ~/.local/share. The databases are searched for
    // other claims on the extension in dataHome and in $XDG_DATA_DIRS (else /usr/local/share and
    // /usr/share), unless systemDataDirs is given.
    explicit XdgFileTypeRegistrar(QString dataHome = {}, bool refreshDatabases = true,
                                  std::optional<QStringList> systemDataDirs = std::nullopt);

    bool registerType(const FileTypeInfo& info) override;
    bool removeType(const FileTypeInfo& info) override;

    QString mimeType(const FileTypeInfo& info) const;
    QString typePackagePath(const FileTypeInfo& info) const;
    QString extensionPackagePath(const FileTypeInfo& info) const;
    QString desktopEntryPath(const FileTypeInfo& info) const;

    // Text of the files, as written.
    QString typePackage(const FileTypeInfo& info) const;
    QString extensionPackage(const FileTypeInfo& info) const;
    QString desktopEntry(const FileTypeInfo& info) const;
    // The Exec line's value: the executable (quoted when it must be) followed by %f.
    static QString execLine(const QString& executable);

    // The MIME type other than ours that claims the extension, or an empty string.
    QString otherClaim(const FileTypeInfo& info) const;

private:
    void refreshMime() const;
    void refreshDesktop() const;

    QString dataHome_;
    bool refresh_;
    QStringList systemDataDirs_;
};

} // namespace folianto::settings
