#pragma once
// Every setting the program keeps between runs, as plain values. The main window fills one with
// its design state (the defaults), LoadSettings overlays what the store holds, the window applies
// the result; at exit the window collects one from its controls and SaveSettings writes it.

#include "app/settings/WinColor.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace folianto::settings {

// Style bits of a stored font.
enum FontStyleBit : quint8 { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4, StyleStrikeOut = 8 };

// A font as the settings keep it: the name is a string value of its own, the rest lies in `Conf`.
struct FontSetting {
    QString name;
    qint32 size = 8;        // points
    quint8 charset = 204;   // Windows character set (204 Cyrillic)
    WinColor color = WinColor::windowText();
    quint8 style = 0;       // FontStyleBit

    QFont toQFont() const;
    // Takes the name, size and style of `font`; charset and colour stay.
    void takeFont(const QFont& font);

    friend bool operator==(const FontSetting&, const FontSetting&) = default;
};

// One column of the catalogue grid, in display order.
struct GridColumn {
    QString field;  // catalogue field name, "_BookName"
    QString title;  // title text
    qint32 width = 64;  // pixels
    bool visible = true;
    WinColor titleColor = WinColor::buttonFace();
    FontSetting font;       // cells
    FontSetting titleFont;  // title

    friend bool operator==(const GridColumn&, const GridColumn&) = default;
};

struct ProgramSettings {
    // String values.
    QString recentCatalog;                              // `Recent_Catalog`
    QString recentDir;                                  // `Recent_Dir`; default: the executable's folder
    QString substPath;                                  // `Subst_Path`
    QString externalProgram;                            // `FProg`
    QString alarmFile;                                  // `FAlarm`
    QString indexName = QStringLiteral("_BookName");    // `Ind_Name`
    QString defaultAuthor;                              // `FDef_Author`
    QString defaultTopic;                               // `FDef_Topic`

    // Fonts (names in `FntNameFast`, `FntNameRich`, `FntNameGrid`, `FntNameTitle`; the rest in Conf).
    FontSetting fastFont{QStringLiteral("Courier New"), 10};  // ReFast
    FontSetting richFont{QStringLiteral("MS Sans Serif"), 10}; // ReRich
    FontSetting gridFont{QStringLiteral("MS Sans Serif"), 8};  // DBG cells
    FontSetting titleFont{QStringLiteral("MS Sans Serif"), 8}; // DBG titles and the status bar
    WinColor background = WinColor::window();                 // both reading views

    QRect geometry{49, 6, 718, 546}; // main window: left, top, width, height of its client area (normal state)

    // Menu checks.
    bool showBar = true;          // mShowBar "Показать &кнопки"
    bool showStatus = true;       // mShowStatus "Показать &статусную панель"
    bool fastRead = false;        // mFastRead "Быстрое &считывание"
    bool caseSensitive = true;    // mCase
    bool confirmClose = true;     // mConfirm
    bool warnSimilarLink = true;  // mConFile
    bool testFile = false;        // mTestFile
    bool fullScreen = false;      // mbFullScreen (reading popup; the grid popup follows)

    // Options of the dialogs.
    bool subDirs = false;         // ChSubDirs
    bool writeFound = false;      // ChWrite
    bool fscan = false;           // Fscan
    qint32 haTimeout = 300;       // HaTimeout, seconds
    qint32 partSize = 1000000;    // PartSize, characters
    quint8 exportDelimiter = 9;   // text export delimiter, a character code
    bool impExt = false;          // ChImpExt
    bool impFolder = true;        // ChImpFolder
    bool impPath = false;         // ChImpPath
    bool impDate = false;         // ChImpDate
    bool fb2Description = true;   // ChFb2Desc
    bool arc = false;             // ChArc

    // "Показать с&войства" is offered only when the store holds `Properties` (never written).
    bool propertiesOffered = false;

    // The grid's columns; the design value is the default column set.
    QList<GridColumn> gridColumns;

    // Lists.
    QStringList extMask;           // FStrExt
    QStringList sortFields;        // FStrSort
    QStringList filterConditions;  // FStrFilt
};

} // namespace folianto::settings
