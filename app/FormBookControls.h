#pragma once
// The controls of the main window that its layout builds and its commands' hosts reach:
// popups, panels, toolbars, the grid and the status panels. Object names in comments.

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class QTableView;
class QTimer;
class QToolBar;
class QVBoxLayout;
class QWidget;

namespace folianto::table {
class DatasetModel;
}

namespace folianto::app {

class ClickLabel;
class PropertiesPanel;

struct FormBookControls {
    QHash<QString, QAction*> toolActions; // toolbar buttons and widget actions by name
    QMenu* pm = nullptr;                  // `Pm`, the grid's popup
    QMenu* pme = nullptr;                 // `Pme`, the reading views' popup
    QStackedWidget* panels = nullptr;
    QWidget* panCatalog = nullptr;        // `PanCatalog`
    QWidget* panBook = nullptr;           // `PanBook`
    QVBoxLayout* bookViewsLayout = nullptr;
    QToolBar* tbLib = nullptr;            // `TbLib`
    QToolBar* tbBook = nullptr;           // `TbBook`
    ClickLabel* labInfo = nullptr;        // `LabInfo`
    QComboBox* cb = nullptr;              // `Cb`, the topic cache
    QProgressBar* pb = nullptr;           // `Pb`
    QComboBox* cbPage = nullptr;          // `CbPage`
    QTableView* dbg = nullptr;            // `DBG`
    table::DatasetModel* model = nullptr;
    PropertiesPanel* panGrid = nullptr;   // `PanGrid`
    QList<QLabel*> sb;                    // the status panels
    QTimer* timer1 = nullptr;             // `Timer1`, the title-click guard
    QTimer* tim = nullptr;                // `Tim`, the alarm
};

} // namespace folianto::app
