#include "app/settings/XdgFileTypeRegistrar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace folianto::settings {

namespace {

QString envPath(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString defaultDataHome()
{
    const QString env = envPath("XDG_DATA_HOME");
    if (!env.isEmpty())
        return env;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QStringList defaultSystemDataDirs()
{
    QStringList dirs = envPath("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs;
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool writeText(const QString& path, const QString& text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool removeFile(const QString& path, bool& changed)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    changed = true;
    return QFile::remove(path);
}

// Runs a database tool when it is installed; its failure changes nothing for the program.
void runTool(const QString& program, const QString& folder)
{
    const QString tool = QStandardPaths::findExecutable(program);
    if (tool.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, {folder});
    if (process.waitForStarted(5000))
        process.waitForFinished(60000);
}

// The MIME types a package file gives the glob `pattern` (compared as the database does, without
// regard to case).
QStringList typesClaimingInPackage(const QString& path, const QString& pattern)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList types;
    QXmlStreamReader xml(&file);
    QString current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            current = xml.attributes().value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("glob")
                 && xml.attributes().value(QLatin1String("pattern")).compare(pattern, Qt::CaseInsensitive) == 0
                 && !current.isEmpty())
            types << current;
    }
    return types;
}

// The MIME types a compiled glob list ("globs2": weight:type:pattern[:flags], or "globs":
// type:pattern) gives `pattern`.
QStringList typesClaimingInGlobs(const QString& path, const QString& pattern, bool withWeight)
{
    QStringList types;
    const QStringList lines = readText(path).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char(':'));
        const int typeAt = withWeight ? 1 : 0;
        if (parts.size() > typeAt + 1 && parts[typeAt + 1].compare(pattern, Qt::CaseInsensitive) == 0)
            types << parts[typeAt];
    }
    return types;
}

QString desktopEscaped(const QString& value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

} // namespace

XdgFileTypeRegistrar::XdgFileTypeRegistrar(QString dataHome, bool refreshDatabases,
                                           std::optional<QStringList> systemDataDirs)
    : dataHome_(dataHome.isEmpty() ? defaultDataHome() : std::move(dataHome)),
      refresh_(refreshDatabases),
      systemDataDirs_(systemDataDirs ? *systemDataDirs : defaultSystemDataDirs())
{
}

QString XdgFileTypeRegistrar::mimeType(const FileTypeInfo& info) const
{
    return QStringLiteral("application/x-") + info.typeName.toLower();
}

QString XdgFileTypeRegistrar::typePackagePath(const FileTypeInfo& info) const
{
    return dataHome_ + QStringLiteral("/mime/packages/") + info.typeName.toLower()
           + QStringLiteral(".xml");
}

QString XdgFileTypeRegistrar::extensionPackagePath(const FileTypeInfo& info) const
{
    QString ext = info.extension;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return dataHome_ + QStringLiteral("/mime/packages/") + info.typeName.toLower()
           + QLatin1Char('-') + ext.toLower() + QStringLiteral(".xml");
}

QString XdgFileTypeRegistrar::desktopEntryPath(const FileTypeInfo& info) const
{
    return dataHome_ + QStringLiteral("/applications/") + info.typeName.toLower()
           + QStringLiteral(".desktop");
}

QString XdgFileTypeRegistrar::typePackage(const FileTypeInfo& info) const
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(mimeType(info).toHtmlEscaped(), QString(info.programName + QStringLiteral(" files")).toHtmlEscaped());
}

QString XdgFileTypeRegistrar::extensionPackage(const FileTypeInfo& info) const
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <glob pattern=\"%2\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(mimeType(info).toHtmlEscaped(), QString(QLatin1Char('*') + info.extension).toHtmlEscaped());
}

QString XdgFileTypeRegistrar::execLine(const QString& executable)
{
    // Quoting rules of the desktop entry Exec key: an argument with a reserved character is
    // put in double quotes, with ", `, $ and \ escaped inside; a literal % is doubled.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString arg;
    bool quote = false;
    for (const QChar c : executable) {
        if (reserved.contains(c))
            quote = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            arg += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            arg += QLatin1Char('%');
        arg += c;
    }
    if (quote)
        arg = QLatin1Char('"') + arg + QLatin1Char('"');
    else
        arg = QString(executable).replace(QLatin1Char('%'), QStringLiteral("%%"));
    return arg + QStringLiteral(" %f");
}

QString XdgFileTypeRegistrar::desktopEntry(const FileTypeInfo& info) const
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "MimeType=%3;\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n")
        .arg(desktopEscaped(info.programName), desktopEscaped(execLine(info.executable)),
             mimeType(info));
}

QString XdgFileTypeRegistrar::otherClaim(const FileTypeInfo& info) const
{
    const QString pattern = QLatin1Char('*') + info.extension;
    const QString ours = mimeType(info);
    QStringList dirs{dataHome_};
    dirs += systemDataDirs_;
    const QString ownPackages[] = {QFileInfo(typePackagePath(info)).fileName(),
                                   QFileInfo(extensionPackagePath(info)).fileName()};
    for (const QString& dir : std::as_const(dirs)) {
        const QString mime = dir + QStringLiteral("/mime");
        QStringList types = typesClaimingInGlobs(mime + QStringLiteral("/globs2"), pattern, true);
        types += typesClaimingInGlobs(mime + QStringLiteral("/globs"), pattern, false);
        const QDir packages(mime + QStringLiteral("/packages"));
        const QStringList files = packages.entryList({QStringLiteral("*.xml")}, QDir::Files);
        for (const QString& file : files) {
            if (file != ownPackages[0] && file != ownPackages[1])
                types += typesClaimingInPackage(packages.filePath(file), pattern);
        }
        for (const QString& type : std::as_const(types)) {
            if (type != ours)
                return type;
        }
    }
    return {};
}

bool XdgFileTypeRegistrar::registerType(const FileTypeInfo& info)
{
    bool ok = true;
    bool mimeChanged = false;

    // The claim on the extension is made only once, and never over another program's.
    const QString extPath = extensionPackagePath(info);
    if (!QFileInfo::exists(extPath) && otherClaim(info).isEmpty()) {
        ok = writeText(extPath, extensionPackage(info)) && ok;
        mimeChanged = true;
    }
    const QString typePath = typePackagePath(info);
    if (!QFileInfo::exists(typePath)) {
        ok = writeText(typePath, typePackage(info)) && ok;
        mimeChanged = true;
    }
    const QString desktopPath = desktopEntryPath(info);
    const QString entry = desktopEntry(info);
    const bool desktopChanged = readText(desktopPath) != entry;
    if (desktopChanged)
        ok = writeText(desktopPath, entry) && ok;

    if (mimeChanged)
        refreshMime();
    if (desktopChanged)
        refreshDesktop();
    return ok;
}

bool XdgFileTypeRegistrar::removeType(const FileTypeInfo& info)
{
    bool mimeChanged = false;
    bool desktopChanged = false;
    bool ok = removeFile(extensionPackagePath(info), mimeChanged);
    ok = removeFile(typePackagePath(info), mimeChanged) && ok;
    ok = removeFile(desktopEntryPath(info), desktopChanged) && ok;
    if (mimeChanged)
        refreshMime();
    if (desktopChanged)
        refreshDesktop();
    return ok;
}

void XdgFileTypeRegistrar::refreshMime() const
{
    if (refresh_)
        runTool(QStringLiteral("update-mime-database"), dataHome_ + QStringLiteral("/mime"));
}

void XdgFileTypeRegistrar::refreshDesktop() const
{
    if (refresh_)
        runTool(QStringLiteral("update-desktop-database"), dataHome_ + QStringLiteral("/applications"));
}

} // namespace folianto::settings
