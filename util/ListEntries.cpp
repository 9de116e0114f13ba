#include "util/ListEntries.h"

#include <QListWidget>
#include <QPushButton>

namespace folianto::util {

bool removeSelectedEntry(QListWidget& list)
{
    const int row = list.currentRow();
    if (row < 0 || !list.currentItem() || !list.currentItem()->isSelected())
        return false;
    delete list.takeItem(row);
    if (list.count() > 0)
        list.setCurrentRow(row > 0 ? row - 1 : 0);
    return true;
}

void enableWhenNotEmpty(const QListWidget& list, QPushButton* remove, QPushButton* clear)
{
    const bool any = list.count() > 0;
    if (remove)
        remove->setEnabled(any);
    if (clear)
        clear->setEnabled(any);
}

} // namespace folianto::util
