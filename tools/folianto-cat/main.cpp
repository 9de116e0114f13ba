// folianto-cat: a command-line companion for catalogue files.

#include "Commands.h"
#include "Console.h"

#include <QCoreApplication>
#include <functional>
#include <utility>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usageError(QString());

    const std::pair<const char*, std::function<int(const QStringList&)>> commands[] = {
        {"dump", runDump},
        {"load", runLoad},
        {"verify", runVerify},
        {"detect", runDetect},
        {"export", runExport},
        {"import-dbf", runImportDbf},
        {"import-folder", runImportFolder},
        {"import-bon", runImportBon},
        {"import-bbs", runImportBbs},
        {"--help", runHelp},
        // Further commands go here, each from its own <Name>Command.cpp declared in Commands.h.
    };
    const QString name = args.takeFirst();
    for (const auto& [command, run] : commands)
        if (name == QLatin1String(command))
            return run(args);
    return usageError(QStringLiteral("unknown command: %1").arg(name));
}
