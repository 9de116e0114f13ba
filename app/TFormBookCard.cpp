// The book card's commands on the main window.

#include "app/TFormBook.h"

namespace folianto::app {

bool TFormBook::ShowBookCard(bool /*newRow*/)
{
    return false; // the card page is not built yet
}

} // namespace folianto::app
