#pragma once
// What a FictionBook's description tells the catalogue: title, first author, first genre.

#include <QString>
#include <optional>

class QIODevice;

namespace folianto::fb2 {

struct Fb2Description {
    QString title;
    QString author; // "Фамилия Имя" of the first author (a nickname when there are no names)
    QString genre;  // the first genre by its Russian name ("Классическая проза" for
                    // prose_classic); a code not in FictionBook's list as written
};

// Reads only the head of the file, up to the end of the title information. Nothing when the
// file is not a FictionBook or cannot be read.
std::optional<Fb2Description> readDescription(QIODevice& device);
std::optional<Fb2Description> readDescription(const QString& path);

} // namespace folianto::fb2
