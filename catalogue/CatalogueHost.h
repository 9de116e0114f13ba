#pragma once
// What the open catalogue needs from the window that shows it: the view-state refresh, the
// reader's close, the controls it writes (caption, position display, info label, progress bar)
// and the settings and checks it reads. The main window implements it; tests may too.

#include <QString>

namespace folianto::catalogue {

class CatalogueHost {
public:
    virtual ~CatalogueHost() = default;

    // --- reactions ------------------------------------------------------------------------
    virtual void UpdateViewState() = 0;
    // Closes an open book in place (not at its end), writing its progress into its row.
    virtual void closeOpenBook() = 0;
    // The filter commands back to "&Фильтр", unchecked.
    virtual void resetFilterCommands() = 0;
    // Empties the topic cache and marks it stale.
    virtual void clearTopicCache() = 0;

    // --- controls -------------------------------------------------------------------------
    virtual void setCatalogueCaption(const QString& text) = 0;
    virtual void setPositionText(const QString& text) = 0; // status panel 1
    virtual void setInfoText(const QString& text) = 0;     // `LabInfo`
    virtual void setProgressVisible(bool visible) = 0;     // `Pb`
    virtual void setProgress(int percent) = 0;

    // --- state and settings read ----------------------------------------------------------
    virtual bool shuttingDown() const = 0;
    virtual bool propertiesPanelActive() const = 0; // `PanGrid` shown and enabled
    virtual bool fileCheckOn() const = 0;           // "Автопроверка прямых &ссылок"
    virtual QString defaultAuthor() const = 0;      // `FDef_Author`
    virtual QString defaultTopic() const = 0;       // `FDef_Topic`
    virtual QString rememberedSort() const = 0;     // `Ind_Name`
};

} // namespace folianto::catalogue
