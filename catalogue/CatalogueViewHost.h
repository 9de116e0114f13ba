#pragma once
// What the catalogue view's commands (sort, find, filter, topics) need of the window beyond
// every command's needs: the remembered sort and the two condition lists, the title-click
// guard, and the open book that a filter closes first.

#include "util/CommandHost.h"

#include <QStringList>

namespace folianto::catalogue {

class CatalogueViewHost : public util::CommandHost {
public:
    virtual QString rememberedSort() const = 0; // `Ind_Name`
    virtual void setRememberedSort(const QString& indName) = 0;
    virtual QStringList sortFields() const = 0;       // `FStrSort`
    virtual QStringList filterConditions() const = 0; // `FStrFilt`
    // `TitleClickGuard`: set by a title click, cleared 500 ms later by `Timer1`.
    virtual bool titleClickGuard() const = 0;
    virtual void armTitleClickGuard() = 0;
    virtual bool bookOpen() const = 0;
    // Closes an open book in place, writing its progress into its row.
    virtual void closeOpenBook() = 0;
};

} // namespace folianto::catalogue
