#pragma once
// The properties panel `PanGrid` below the grid: labelled edits of the current row's fields
// and the record navigator `DBN`. The window keeps it hidden unless "Показать с&войства" is
// checked; the edits are bound to the catalogue only while it is shown. Bound, the edits show
// the current row (or the row being edited) and what the user types goes into that row, which
// is put into editing and left there: the navigator, a row move or a command posts it.

#include "engines/table/Dataset.h"

#include <QWidget>
#include <utility>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace folianto::catalogue {
class Catalogue;
}

namespace folianto::app {

class PropertiesPanel : public QWidget, private table::DatasetListener {
    Q_OBJECT
public:
    enum class NavButton { First, Prior, Next, Last, Insert, Delete, Post, Cancel };

    explicit PropertiesPanel(QWidget* parent = nullptr);
    ~PropertiesPanel() override;

    // Attaches the edits and the navigator to the catalogue, or detaches them (nullptr):
    // unbound, the edits are empty and read-only and the navigator's buttons do nothing.
    void bind(catalogue::Catalogue* catalogue);
    // Shows the row's values again (after a field was set from outside the panel).
    void refresh();
    QToolButton* navigatorButton(NavButton b) const;
    void navigate(NavButton b);

    QLineEdit* DBEBookName = nullptr;
    QLineEdit* DBEAuthor = nullptr;
    QLineEdit* DBETopic = nullptr;
    QLineEdit* DBEPercent = nullptr;
    QLineEdit* DBESize = nullptr;
    QLineEdit* DBEFirst = nullptr; // read-only: dates come from the date picker
    QLineEdit* DBELast = nullptr;
    QToolButton* ButFirst = nullptr;
    QToolButton* ButLast = nullptr;
    QPlainTextEdit* DBMFileName = nullptr;
    QPlainTextEdit* DBMComment = nullptr;

Q_SIGNALS:
    // A failure of a navigator button or of a typed value, for the window's error box.
    void navigationFailed(const QString& message);
    // A reading date is to be chosen: tag 1 for `_First`, 2 for `_Last` (a date button, a
    // click on the date's edit, or Enter in it).
    void readingDateRequested(int tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildNavigator(QHBoxLayout* row);
    void connectEdits();
    void writeField(const QString& field, const QString& text);
    bool hasRow() const;

    // table::DatasetListener
    void rowChanged(int) override { refresh(); }
    void viewReset() override { refresh(); }
    void currentRowChanged() override { refresh(); }

    catalogue::Catalogue* catalogue_ = nullptr;
    // The edits that take typing, with their fields.
    std::vector<std::pair<QLineEdit*, QString>> typedLines_;
    std::vector<std::pair<QPlainTextEdit*, QString>> memos_;
    bool showing_ = false; // the edits are being filled from the row
    QList<QToolButton*> navButtons_;
};

} // namespace folianto::app
