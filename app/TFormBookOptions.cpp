// The option commands of "&Настройки" that open a page of `FormTopic`.

#include "app/MenuSet.h"
#include "app/SearchPage.h"
#include "app/TFormBook.h"
#include "app/TFormTopic.h"
#include "util/Interaction.h"

#include <QCheckBox>

namespace folianto::app {

void TFormBook::mConditionClick(QAction* item)
{
    runCommand([this] { catalogue_->finishPendingEdit(); });
    const int tag = MenuSet::tag(item);
    if (tag != 1)
        return;
    TFormTopic dialog(this);
    SearchPage page(dialog.addPage(QStringLiteral("ShSearch")));
    dialog.selectPage(QStringLiteral("ShSearch"));
    dialog.setWindowTitle(SearchPage::caption());
    page.setSubstitutionPath(settings_.substPath);
    page.ChSubDirs()->setChecked(settings_.subDirs);
    page.ChWrite()->setChecked(settings_.writeFound);
    if (util::interaction().runDialog(dialog) != QDialog::Accepted)
        return;
    settings_.substPath = page.substitutionPath();
    settings_.writeFound = page.ChWrite()->isChecked();
    settings_.subDirs = page.ChSubDirs()->isChecked();
}

} // namespace folianto::app
