#pragma once
// The export and DBF import commands of the main menu:
//   "Сохранить &как/экспорт..." (`mSaveCatAs`)  → mSaveCatAsClick
//   "И&мпорт из DBF..."         (`mImport`)     → mImportClick
// The file type picked in the save dialog decides the form, not the extension typed.

#include "exchange/ExchangeCommandsHost.h"
#include "exchange/ExportFormats.h"

#include <QString>

namespace folianto::exchange {

class ExchangeCommands {
public:
    explicit ExchangeCommands(ExchangeCommandsHost& host);

    void mSaveCatAsClick();
    void mImportClick();

    static QString saveCaption();        // "Сохранение каталога"
    static QString saveFilter();         // the five file types, in ExportType order
    static QString delimiterCaption();   // "Запись в файл с разделителем"
    static QString delimiterPrompt();    // "Введите символ-разделитель ("t"-табулятор)"
    static QString tableExistsText();    // "Table exists.  Do you want to overwrite?"
    static QString importFilter();       // "Dbf files (*.dbf *.DBF)"
    static QString importCountText(int records); // "В ваш каталог будет добавлено N строк"

private:
    // Runs one export of the view with the progress bar and hourglass; reports a write error.
    void exportView(ExportType type, const QString& target, QChar delimiter);

    ExchangeCommandsHost& host_;
};

} // namespace folianto::exchange
