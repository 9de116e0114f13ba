#pragma once
// The page list `CbPage` of a book read in parts: the items "1" to "N", the selected part and
// whether the list (with "Следующая страни&ца") is shown. The window mirrors it into its
// combo box and menu items with bindPageControls().

#include <QObject>
#include <QList>

class QAction;
class QComboBox;

namespace folianto::reader {

class PageList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    int count() const { return count_; }
    int selected() const { return selected_; } // -1 when nothing is selected
    bool isShown() const { return shown_; }

    void refill(int count);        // items "1" to count, the first one selected
    void select(int index);        // -1, or an index outside the items, selects nothing
    void setShown(bool shown);
    void clear();                  // no items, nothing selected, hidden

    // The user picked an item in the combo box: select it and tell the loader.
    void pick(int index);

Q_SIGNALS:
    void itemsChanged(int count);
    void selectionChanged(int index);
    void shownChanged(bool shown);
    void picked(int index);

private:
    int count_ = 0;
    int selected_ = -1;
    bool shown_ = false;
};

// Keeps the combo box `CbPage` in step with the list; a choice in it becomes PageList::pick.
// The actions in shownWith are shown exactly when the list is: the items "Следующая страни&ца"
// (`mPage`, `mpPage`) and, when the combo box sits in a tool bar, the action that
// QToolBar::addWidget returned for it.
void bindPageControls(PageList& pages, QComboBox& combo, const QList<QAction*>& shownWith);

} // namespace folianto::reader
