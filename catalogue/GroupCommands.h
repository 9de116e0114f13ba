#pragma once
// The group operations over the rows of the view (every row passing the active filter, or the
// whole catalogue without one): deleting them, removing their reading traces, giving them the
// current row's decoding or opening flags, rewriting the folders of their links; replacing one
// value of a text column; and removing the reading traces of the current row. Each runs as one
// bulk change with a single write at the end.

#include <QString>

class QTableView;

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

class Catalogue;
class CatalogueCommandsHost;
struct PathRewrite;

class GroupCommands {
public:
    GroupCommands(Catalogue& catalogue, QTableView& grid, CatalogueCommandsHost& host);

    // Tag 1 deletes the rows, 2 removes their reading traces, 3 gives them the current row's
    // `_Oem`, 4 its `_Alter`, 5 rewrites the folders of their links (the page `ShFile`).
    void mpGroupDeleteClick(int tag);
    // "За&менить значение поля...": the selected text column's value of the current cell,
    // replaced in every row of the view that holds exactly that value.
    void mpReplaceClick();
    // "&Снять отметки о чтении" for the current row.
    void mpUnreadClick();

    static QString deleteAllQuestion();            // "Удалить все записи?"
    static QString deleteRowsQuestion(int rows);   // "Удалить N строк?"
    static QString changeRowsQuestion(int rows);   // "Изменить N строк?"
    static QString changeLinksQuestion(int rows);  // "Вы уверены, что хотите изменить пути ..."
    static QString textFieldsOnly();               // "Только для текстовых полей!"
    static QString replaceCaption(const QString& old);
    static QString replacePrompt();
    static QString unreadQuestion();

private:
    void deleteAll();
    void changeView(int tag, const PathRewrite* paths);
    bool askPathRewrite(const QString& folder, PathRewrite& out);
    void switchFilterOff();

    Catalogue& catalogue_;
    QTableView& grid_;
    CatalogueCommandsHost& host_;
};

// Empties the reading traces of the row being edited: the dates of first and last reading,
// the position, the percentage and the decoding (detected again at the next opening).
void clearReadingTraces(table::Dataset& row);

} // namespace folianto::catalogue
