#include "catalogue/BookCardLink.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/table/Dataset.h"
#include "util/Interaction.h"
#include "util/Paths.h"

namespace folianto::catalogue {

QString similarLinkFilter(const QString& name)
{
    return field::FileName + QStringLiteral(" like ") + quoteFilterText(u'%' + name + u'%');
}

QString similarLinkQuestion(const QString& title)
{
    return QStringLiteral("Такая(или похожая) книга уже есть в библиотеке : \r") + title + QStringLiteral(".")
        + QStringLiteral("\r") + QStringLiteral("Записать на неё новую ссылку ???");
}

QString ChooseBookFile(table::Dataset& ds, const QString& givenFile, bool warnSimilarLink)
{
    QString chosen = givenFile;
    if (chosen.isEmpty()) {
        util::FileDialogRequest request; // no caption, no filter, no start file
        request.mustExist = true;
        chosen = util::interaction().openFileName(request);
        if (chosen.isEmpty())
            return {};
        // The row's own link chosen again is no similar link.
        if (ds.state() == table::DatasetState::Edit && chosen == ds.asString(field::FileName))
            return chosen;
    }
    if (!warnSimilarLink)
        return chosen;

    // A second cursor without filter and sort, case-sensitive whatever the catalogue's rule.
    auto similar = ds.clone();
    similar->setFilterText(similarLinkFilter(util::nameOfPath(chosen)));
    similar->setFiltered(true);
    if (similar->recordCount() == 0)
        return chosen;
    similar->first();
    if (!ds.isEditing()) {
        try {
            ds.gotoCursorOf(*similar);
        } catch (const std::exception&) {
            // The match may be hidden by the catalogue's filter: ask all the same.
        }
    }
    if (!util::interaction().confirm(similarLinkQuestion(similar->asString(field::BookName))))
        return {};
    return chosen;
}

} // namespace folianto::catalogue
