#pragma once
// Choosing the file a book card links to, with the similar-link warning: before a new link is
// taken, a second cursor looks for rows whose `_FileName` already contains the chosen name.

#include "catalogue/FilterForms.h"

#include <QString>

namespace folianto::table {
class Dataset;
}

namespace folianto::catalogue {

// "_FileName like " + quoted "%" + name + "%": every link that contains the name. "%" and "_"
// in the name stay pattern characters, as the warning means them to.
QString similarLinkFilter(const QString& name);
// "Такая(или похожая) книга уже есть в библиотеке : " ... for the matching row's title.
QString similarLinkQuestion(const QString& title);

// `ChooseBookFile`: the open-file dialog when `givenFile` is empty, then the warning when
// `warnSimilarLink` is on. Returns the path to link, or empty (dialog cancelled, warning
// answered No). When no row of `ds` is being edited, the cursor is moved to the first match
// behind the question.
QString ChooseBookFile(table::Dataset& ds, const QString& givenFile, bool warnSimilarLink);

} // namespace folianto::catalogue
