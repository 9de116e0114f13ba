#pragma once
// Runs one page of `FormTopic` alone (an options page, a group command's page): the page gets
// the values, and "OK" gives the page's values back. A page class names itself (`name()`), its
// caption (`caption()`), its plain `Values` struct and `setValues`/`values`; what else its
// constructor takes after the page follows the values.

#include "util/Interaction.h"
#include "util/TFormTopic.h"

#include <optional>

namespace folianto::util {

template <class Page, class... PageArgs>
std::optional<typename Page::Values> runPageDialog(QWidget* parent, const typename Page::Values& in,
                                                   PageArgs&&... pageArgs)
{
    TFormTopic dialog(parent);
    Page page(dialog.addPage(Page::name()), std::forward<PageArgs>(pageArgs)...);
    dialog.selectPage(Page::name());
    dialog.setWindowTitle(Page::caption());
    page.setValues(in);
    if (interaction().runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return page.values();
}

} // namespace folianto::util
