#pragma once
// The row commands beside the book card: deleting the current row and duplicating it.

#include <QString>

namespace folianto::catalogue {

class Catalogue;
class CatalogueCommandsHost;

// `mDeleteClick`: asks "Удалить книгу из списка ?", closes an open book in place, deletes the
// current row (written through) and puts the cursor on the row before it, or on the first row
// when one of the first two was deleted. Nothing without rows.
void DeleteCurrentRow(Catalogue& catalogue);
QString deleteRowQuestion();

// Deletes the current row without asking: an open book is closed in place first (its progress
// written), then the row goes and the cursor steps back as DeleteCurrentRow says.
void RemoveCurrentRow(Catalogue& catalogue);

// `mpCloneClick`: appends a copy of the current row's stored fields (link, traces and codes
// included) without the open-book mark, and posts it; the copy becomes current. Errors are
// ignored.
void DuplicateCurrentRow(Catalogue& catalogue, CatalogueCommandsHost& host);

} // namespace folianto::catalogue
