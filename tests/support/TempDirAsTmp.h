#pragma once
// A fresh folder as TMPDIR while the object lives, for tests that must not share the temporary
// folder of the whole test run.

#include "support/TempDir.h"

#include <QByteArray>
#include <QFile>

namespace folianto::test {

// Points QDir::tempPath() at a fresh folder for the lifetime of the object.
class TempDirAsTmp {
public:
    TempDirAsTmp() : saved_(qgetenv("TMPDIR")), hadValue_(qEnvironmentVariableIsSet("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
    }
    ~TempDirAsTmp()
    {
        if (hadValue_)
            qputenv("TMPDIR", saved_);
        else
            qunsetenv("TMPDIR");
    }
    TempDirAsTmp(const TempDirAsTmp&) = delete;
    TempDirAsTmp& operator=(const TempDirAsTmp&) = delete;

    TempDir dir;

private:
    QByteArray saved_;
    bool hadValue_;
};

} // namespace folianto::test
