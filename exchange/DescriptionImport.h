#pragma once
// Description files (.bbs, .ion): one line per book file, the file's name first, then a
// description. A line splits at up to three separators into four fields; f1 is the file's
// name and becomes the row's link, and each field may go into the title, the author or the
// comment. The settings are those of the page `ShBBS`.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace folianto::exchange {

class ImportSink;

// Where a field goes.
enum class FieldTarget { None, Book, Author, Comment };

// How f1 becomes the link (`RgFile`).
enum class LinkChoice {
    FullPath,  // base folder + f1, when the file is present
    NameOnly,  // f1, when the file is present
    Field,     // f1, without looking at the disk
};

struct DescriptionSettings {
    std::array<FieldTarget, 4> targets{FieldTarget::None, FieldTarget::Author, FieldTarget::Book,
                                       FieldTarget::None};
    std::array<QString, 3> separators; // "t"/"T" at the start means Tab
    LinkChoice link = LinkChoice::FullPath;
    QString skip1, skip2;              // lines beginning with either are skipped
    QString merge;                     // a line beginning with this continues the previous one

    friend bool operator==(const DescriptionSettings&, const DescriptionSettings&) = default;
};

// The target names of the page ("Книга", "Автор", "Прим"; empty for none) and back; nullopt
// for a name that is none of them.
QString targetName(FieldTarget target);
std::optional<FieldTarget> targetFromName(const QString& name);

// The text of a description file: DOS text is recognised and converted; text that is valid
// UTF-8 with letters beyond ASCII is read as UTF-8; anything else is Windows-1251. Empty when
// the file cannot be read or is empty.
QString readDescriptionText(const QString& path);
// Decodes the bytes of a description file as above.
QString decodeDescriptionBytes(const QByteArray& bytes);

// The lines of a text (CR LF, CR or LF end a line), with continuation lines joined to the line
// before them by one blank when `merge` is not empty.
QStringList descriptionLines(const QString& text, const QString& merge);

// A separator as the import uses it: one whose first character is "t" or "T" is a Tab.
QString effectiveSeparator(const QString& separator);
// The four fields of a line, trimmed of blanks and control characters at both ends.
std::array<QString, 4> splitDescriptionLine(const QString& line, const std::array<QString, 3>& separators);

// Appends a row per usable line; the sink counts the rows posted. `baseFolder` is the
// description file's folder with a trailing separator.
void importDescriptionLines(const QStringList& lines, const QString& baseFolder,
                            const DescriptionSettings& settings, ImportSink& sink);

// The lines of a description text as the settings join them; empty when nothing is left.
QStringList preparedDescriptionLines(const QString& text, const DescriptionSettings& settings);

} // namespace folianto::exchange
