#pragma once
// Finding and filtering in the catalogue: "&Поиск..." by the beginning of a value in the
// selected column, "&Фильтр" by the current cell, the composed filter of `FStrFilt`, and the
// topic filter of the topic window. The filter's state lives in the check marks and captions
// of the three filter items, which these commands keep in step.

#include <QString>
#include <optional>

class QAction;
class QTableView;

namespace folianto::table {
class Dataset;
struct Bookmark;
}

namespace folianto::catalogue {

class Catalogue;
class CatalogueViewHost;

// The items that show the filter: the grid popup's "&Фильтр", the one under
// "Рас&ширенные операции" (tag 1) and the main menu's, which mirrors the popup's.
struct FilterItems {
    QAction& mpFilter;
    QAction& mpFiltGroup;
    QAction& mFilter;
};

class FilterCommands {
public:
    FilterCommands(Catalogue& catalogue, QTableView& grid, FilterItems items, CatalogueViewHost& host);

    // "&Поиск...": the first row, in the active order among the rows that pass the filter,
    // whose value in the selected column begins with the typed pattern.
    void mpFindClick();
    // One of the three filter items, whose check Qt has already inverted: tag 1 switches the
    // composed filter, the others the filter by the current cell.
    void mpFilterClick(QAction* item);
    // The topic window's filter: on (`down`) by the topic, or off again (back to the row that
    // was current).
    void applyTopicFilter(const QString& topic, bool down);

    static QString notFoundMessage();  // "Запись не найдена!"
    static QString badFilterMessage(); // "Фильтр некорректный!"
    static QString findCaption(const QString& title); // "Поиск по полю " + title
    static QString findPrompt();       // "Введите образец поиска:"
    static QString filterCaption(const QString& title, const QString& shown);
    static QString emptyShown();       // "пусто"

private:
    QString selectedField() const;
    void showOneValueFilter(bool on, const QString& caption);

    Catalogue& catalogue_;
    QTableView& grid_;
    FilterItems items_;
    CatalogueViewHost& host_;
};

// The column title of a field (its name when it has none).
QString columnTitleOf(const QString& field);
// The field of the grid's selected column; `_BookName` without a selected column.
QString selectedFieldOf(const QTableView& grid, const table::Dataset& ds);
// Back to a remembered row; one that is gone or no longer passes the filter leaves the cursor
// where it is, and so does an empty bookmark.
void returnTo(table::Dataset& ds, const table::Bookmark& row);

} // namespace folianto::catalogue
