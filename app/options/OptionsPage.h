#pragma once
// Runs one page of `FormTopic` for an options command: the page gets the values, and "OK"
// gives the page's values back. A page class names itself (`name()`), its caption
// (`caption()`), its plain `Values` struct and `setValues`/`values`.

#include "util/Interaction.h"
#include "util/TFormTopic.h"

#include <optional>

namespace folianto::app {

template <class Page>
std::optional<typename Page::Values> runOptionsPage(QWidget* parent, const typename Page::Values& in)
{
    util::TFormTopic dialog(parent);
    Page page(dialog.addPage(Page::name()));
    dialog.selectPage(Page::name());
    dialog.setWindowTitle(Page::caption());
    page.setValues(in);
    if (util::interaction().runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return page.values();
}

} // namespace folianto::app
