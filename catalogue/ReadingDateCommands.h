#pragma once
// The dates of first and last reading, changed only through the date picker: the buttons
// beside them in the properties panel, a click on their read-only edits and Enter in them.

namespace folianto::catalogue {

class Catalogue;

class ReadingDateCommands {
public:
    explicit ReadingDateCommands(Catalogue& catalogue);

    // Tag 1 `_First`, tag 2 `_Last`. The picker starts at the row's date (today for an empty
    // one, then without the delete button); the date chosen, or the empty date, is set in the
    // row, which stays in editing state until the user posts it. In an empty catalogue the
    // date starts a new row. Cancel changes nothing.
    void ButFirstClick(int tag);

private:
    Catalogue& catalogue_;
};

} // namespace folianto::catalogue
