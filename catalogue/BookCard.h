#pragma once
// One run of the book card on the catalogue's current row: a new row (inserted when the card
// opens) or the current one (edited). The data-aware controls write into the row as the user
// types; what the card maps itself (topic, decoding, opening mode, archive entry) is written
// by acceptChanges() when the dialog ends with OK. The caller posts the row.

#include "engines/fb2/Fb2Description.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class QComboBox;
class QProgressBar;

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

class BookCardPage;

// What the card's file look-up found for the row: the located path (empty when the file was
// not found) and the entries of the archive it names.
struct CardFileEntries {
    QString found;
    QStringList items;
    int selected = -1;
    bool dropDown = false; // two or more entries
};

struct BookCardServices {
    // Locates the row's `_FileName` and lists the archive's entries (`ListArchiveEntries`).
    std::function<CardFileEntries(table::Dataset&)> listEntries;
    // "Предупреждать о &наличии подобной ссылки".
    bool warnSimilarLink = true;
    // Rebuilds the topic cache and returns its topics (`ButTopic`); unset: nothing to rebuild.
    std::function<std::optional<QStringList>()> rebuildTopics;
    // `FDef_Author` and `FDef_Topic`: a FictionBook's own author and genre do not replace them.
    // A new row takes them from its defaults when these are empty.
    QString defaultAuthor;
    QString defaultTopic;
    // Packs a file into a zip archive showing the card's progress bar (`ZipFile`); true when the
    // archive holds it. Unset: `ButZip` does nothing.
    std::function<bool(const QString& file, const QString& archive, QProgressBar* bar)> zipFile;
    // A FictionBook's title, author and genre for a chosen file, zipped or not. Unset: none.
    std::function<std::optional<fb2::Fb2Description>(const QString& file)> bookDescription;
};

class BookCard : public QObject {
    Q_OBJECT
public:
    BookCard(BookCardPage& page, table::Dataset& ds, BookCardServices services);

    // Appends the new row linked to `file` (the new-row defaults apply) with `defaultTopic`.
    void beginNew(const QString& file, const QString& defaultTopic);
    // Takes the current row's codes into the controls and begins editing it.
    void beginEdit();
    // `ListArchiveEntries` into `CbArc` and the link's colour (step 6, and after ButFile).
    // Returns the located file, empty when it was not found.
    QString locateFile();
    // The visibility rule of `ButZip`.
    void updateZipButton();
    // When the dialog is shown: the title edit takes the focus, ButZip follows its rule.
    void prepareShow();

    // "OK" (`BitBtnOkClick`): false when the row has no link (the dialog then ends as Cancel).
    bool okAllowed() const;
    // Steps 8.1 to 8.5: topic, codes, archive entry (with the question for the open book's
    // row) and, for an existing row whose link or entry changed, the reading traces cleared.
    void acceptChanges();
    // Cancels the row's edit or insert (a new row is dropped).
    void cancel();

    bool isNew() const { return isNew_; }
    bool topicDropDown() const;
    QString topic() const;

    // `ButFileClick`. A chosen FictionBook fills the title, the author and the topic from its
    // description (author and topic only where no default is set).
    void ButFileClick();
    // `ButZipClick`: packs the located file into a zip archive the user names, links the row
    // to the archive and offers to delete the file.
    void ButZipClick();
    // `ButTopicClick`: the topic cache rebuilt, `CbTop` becomes a drop-down box.
    void ButTopicClick();

    static QString newCaption();  // "Добавление книги в библиотеку"
    static QString editCaption(); // "Редактирование свойств книги"
    static QString openBookEntryQuestion();
    static QString zipCaption();          // "Упаковка файла в Zip-архив"
    static QString readOnlySourceName();  // "Исходный файл только для чтения"
    static QString deleteZippedQuestion(const QString& file);
    static QString cannotDeleteSourceText(); // "Не могу удалить файл-источник!"
    // `RgChar` item ↔ `_Oem`; a code other than "Y", "K", "N", "U" shows as "auto".
    static int decodingItemOf(const QString& oem);
    static QString oemOfDecodingItem(int item);

private:
    bool isOpenBookRow() const;
    void bindDataAwareControls();
    QString lookUpFile();
    void showLink();
    void takeFb2Description(const QString& file);

    BookCardPage& page_;
    table::Dataset& ds_;
    BookCardServices services_;
    bool isNew_ = false;
    QString oldLink_;
    int oldEntry_ = 0;
    QString defaultAuthor_;
    QString defaultTopic_;
};

// Adds a topic to a loaded topic cache unless it holds it already (case ignored), keeping the
// cache in alphabetical order. True when it was added.
bool addTopicToCache(QComboBox& cache, const QString& topic);
// `RebuildTopicCache`: the cache := the distinct non-empty topics of every row of `ds` (through
// a second cursor, ignoring its filter), sorted; the first spelling met stays. Returns them.
QStringList RebuildTopicCache(const table::Dataset& ds, QComboBox& cache);
// The topics a cache holds, in its order.
QStringList topicsIn(const QComboBox& cache);

} // namespace folianto::catalogue
