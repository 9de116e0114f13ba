#include "ImportOptions.h"

#include "Console.h"

std::optional<QString> ParsedArgs::value(const QString& name) const
{
    const auto it = values.constFind(name);
    if (it == values.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<ParsedArgs> parseArgs(const QString& command, const QStringList& args,
                                    const QStringList& switches, const QStringList& valued)
{
    ParsedArgs parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QStringLiteral("--"))) {
            parsed.positional.append(a);
            continue;
        }
        const QString name = a.mid(2);
        if (switches.contains(name)) {
            parsed.switches.insert(name);
        } else if (valued.contains(name)) {
            if (i + 1 >= args.size()) {
                usageError(QStringLiteral("%1: %2 needs a value").arg(command, a));
                return std::nullopt;
            }
            parsed.values.insert(name, args[++i]);
        } else {
            usageError(QStringLiteral("%1: unknown option %2").arg(command, a));
            return std::nullopt;
        }
    }
    return parsed;
}
