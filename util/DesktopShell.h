#pragma once
// The Shell seam on the desktop: QDesktopServices opens files, folders and addresses;
// QProcess starts programs detached.

#include "util/Shell.h"

class QUrl;

namespace folianto::util {

class DesktopShell : public Shell {
public:
    bool open(const QString& fileOrUrl) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory = {}) override;
};

// What open() hands to the desktop: a local path becomes a file URL, an address with a
// scheme stays as it is, a bare address ("www.example.org") is completed.
QUrl urlForOpening(const QString& fileOrUrl);

DesktopShell& desktopShell();

} // namespace folianto::util
