#pragma once
// Opening files, folders and addresses with the desktop, and starting programs. Tests record
// the calls instead.

#include <QString>
#include <QStringList>

namespace folianto::util {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, folder or address with its default program; false when that failed.
    virtual bool open(const QString& fileOrUrl) = 0;
    // Starts a program detached; each argument travels as one argument, never through a shell.
    virtual bool startProgram(const QString& program, const QStringList& arguments,
                              const QString& workingDirectory = {}) = 0;
};

Shell& shell();
void setShell(Shell* instance); // nullptr restores the desktop one

} // namespace folianto::util
