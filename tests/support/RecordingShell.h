#pragma once
// A Shell that records what the program asked the desktop to open or start, and answers
// with a result the test chooses.

#include "util/Shell.h"

#include <vector>

namespace folianto::test {

class RecordingShell : public util::Shell {
public:
    struct ProgramStart {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    bool open(const QString& fileOrUrl) override
    {
        opened.push_back(fileOrUrl);
        return result;
    }
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& workingDirectory = {}) override
    {
        started.push_back({program, arguments, workingDirectory});
        return result;
    }

    QStringList opened;
    std::vector<ProgramStart> started;
    bool result = true; // what every call returns
};

// Installs a Shell for the lifetime of this object and puts the previous one back.
class InstalledShell {
public:
    explicit InstalledShell(util::Shell& instance) : previous_(&util::shell())
    {
        util::setShell(&instance);
    }
    ~InstalledShell() { util::setShell(previous_); }
    InstalledShell(const InstalledShell&) = delete;
    InstalledShell& operator=(const InstalledShell&) = delete;

private:
    util::Shell* previous_;
};

} // namespace folianto::test
