#pragma once
// Editing a list box of option entries (the extension mask, the sort fields): removing the
// selected entry, and the rule that a list's delete and clear buttons are enabled exactly when
// it has entries.

class QListWidget;
class QPushButton;

namespace folianto::util {

// Removes the selected entry; the entry before it becomes selected (the first one when the
// first was removed). Nothing happens when no entry is selected. True when one was removed.
bool removeSelectedEntry(QListWidget& list);
// Enables each given button exactly when the list has entries (null buttons are skipped).
void enableWhenNotEmpty(const QListWidget& list, QPushButton* remove, QPushButton* clear);

} // namespace folianto::util
