#pragma once
// The arguments of the import commands: positional arguments, switches and options with a
// value ("--name VALUE"), checked against what a command knows.

#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>

struct ParsedArgs {
    QStringList positional;
    QSet<QString> switches;       // given switches, without "--"
    QHash<QString, QString> values; // given options with their value

    bool has(const QString& name) const { return switches.contains(name); }
    std::optional<QString> value(const QString& name) const;
};

// nullopt (after a usage message) for an unknown option or an option without its value.
std::optional<ParsedArgs> parseArgs(const QString& command, const QStringList& args,
                                    const QStringList& switches, const QStringList& valued);
