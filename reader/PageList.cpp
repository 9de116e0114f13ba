#include "reader/PageList.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>
#include <QToolBar>
#include <algorithm>

namespace folianto::reader {

void PageList::refill(int count)
{
    count_ = std::max(0, count);
    Q_EMIT itemsChanged(count_);
    select(count_ > 0 ? 0 : -1);
}

void PageList::select(int index)
{
    const int next = (index >= 0 && index < count_) ? index : -1;
    if (next == selected_)
        return;
    selected_ = next;
    Q_EMIT selectionChanged(selected_);
}

void PageList::setShown(bool shown)
{
    if (shown == shown_)
        return;
    shown_ = shown;
    Q_EMIT shownChanged(shown_);
}

void PageList::clear()
{
    refill(0);
    setShown(false);
}

void PageList::pick(int index)
{
    select(index);
    Q_EMIT picked(selected_);
}

void bindPageControls(PageList& pages, QComboBox& combo, const QList<QAction*>& shownWith)
{
    auto fill = [&combo](int count) {
        const QSignalBlocker blocker(&combo);
        combo.clear();
        for (int i = 1; i <= count; ++i)
            combo.addItem(QString::number(i));
    };
    auto show = [&combo, shownWith](bool shown) {
        // A tool bar shows and hides its widgets only through their actions.
        if (!qobject_cast<QToolBar*>(combo.parentWidget()))
            combo.setVisible(shown);
        for (QAction* item : shownWith)
            item->setVisible(shown);
    };
    fill(pages.count());
    combo.setCurrentIndex(pages.selected());
    show(pages.isShown());

    QObject::connect(&pages, &PageList::itemsChanged, &combo, fill);
    QObject::connect(&pages, &PageList::selectionChanged, &combo, [&combo](int index) {
        const QSignalBlocker blocker(&combo);
        combo.setCurrentIndex(index);
    });
    QObject::connect(&pages, &PageList::shownChanged, &combo, show);
    QObject::connect(&combo, &QComboBox::activated, &pages, &PageList::pick);
}

} // namespace folianto::reader
