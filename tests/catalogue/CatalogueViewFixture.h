#pragma once
// The catalogue view's commands over a real catalogue file: a grid on the catalogue's model,
// the three filter items and the topic combo, with a window stand-in that records what the
// commands ask of it.

#include "FakeCatalogueHost.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/CatalogueViewCommands.h"
#include "catalogue/CatalogueViewHost.h"
#include "catalogue/GridLook.h"
#include "catalogue/TopicCache.h"
#include "engines/table/DatasetModel.h"
#include "support/CatalogueRows.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"

#include <QAction>
#include <QComboBox>
#include <QTableView>
#include <gtest/gtest.h>
#include <vector>

namespace folianto::test {

struct ViewRow {
    QString title;
    QString author = {};
    QString topic = {};
    QVariant size = {};
    QVariant percent = {};
};

class FakeViewHost : public catalogue::CatalogueViewHost {
public:
    void UpdateViewState() override { ++viewStateUpdates; }
    void repaintWindow() override {}
    QWidget* dialogParent() override { return nullptr; }
    QString rememberedSort() const override { return indName; }
    void setRememberedSort(const QString& name) override { indName = name; }
    QStringList sortFields() const override { return sortList; }
    QStringList filterConditions() const override { return filterList; }
    bool titleClickGuard() const override { return guard; }
    void armTitleClickGuard() override { guard = true; }
    bool bookOpen() const override { return open; }
    void closeOpenBook() override
    {
        open = false;
        ++bookCloses;
    }

    int viewStateUpdates = 0;
    int bookCloses = 0;
    QString indName = QStringLiteral("_BookName");
    QStringList sortList, filterList;
    bool guard = false;
    bool open = false;
};

class CatalogueViewTest : public ::testing::Test {
protected:
    void open(const std::vector<ViewRow>& rows)
    {
        namespace f = catalogue::field;
        table::Dataset file;
        newCatalogueTable(file);
        appendCatalogueRows(file, rows, [](table::Dataset& row, const ViewRow& r) {
            row.setValue(f::BookName, r.title);
            row.setValue(f::Author, r.author);
            row.setValue(f::Topic, r.topic);
            row.setValue(f::Size, r.size);
            row.setValue(f::Percent, r.percent);
        });
        const QString path = dir.file(QStringLiteral("view.bon"));
        file.saveToFile(path);
        cat.OpenCatalogue(path);
        ASSERT_TRUE(cat.isOpen());
    }
    table::Dataset& ds() { return cat.Ds(); }
    QString current(const QString& field = catalogue::field::BookName) { return ds().asString(field); }
    // The titles the view shows, in its order.
    QStringList titles()
    {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out.append(model.index(r, 0).data().toString());
        return out;
    }
    // Puts the grid's current cell on the column of the field in the cursor's row.
    void selectColumn(const QString& field)
    {
        grid.setCurrentIndex(model.index(ds().recNo() - 1, ds().fieldIndex(field)));
    }
    static QAction* item(const char* name, int tag)
    {
        auto* a = new QAction(QStringLiteral("&Фильтр"));
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setProperty("tag", tag);
        return a;
    }

    TempDir dir;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    FakeCatalogueHost catalogueHost;
    catalogue::Catalogue cat{catalogueHost};
    FakeViewHost host;
    QTableView grid;
    table::DatasetModel model{cat.Ds()};
    bool gridReady = [this] {
        model.setHeaderTitles(catalogue::catalogueColumnTitles());
        grid.setModel(&model);
        catalogue::installGridLook(grid, cat.Ds(), [this] { return fileCheck; });
        return true;
    }();
    bool fileCheck = false;
    std::unique_ptr<QAction> mpFilter{item("mpFilter", 0)}, mpFiltGroup{item("mpFiltGroup", 1)},
        mFilter{item("mFilter", 0)};
    QComboBox cb;
    catalogue::TopicCache topicCache{cb};
    catalogue::CatalogueViewCommands commands{
        cat, catalogue::CatalogueViewControls{grid, {*mpFilter, *mpFiltGroup, *mFilter}, topicCache}, host};

    // Triggers a filter item as a click does: Qt inverts its check first.
    void click(QAction& a)
    {
        a.setChecked(!a.isChecked());
        commands.filter().mpFilterClick(&a);
    }
};

} // namespace folianto::test
