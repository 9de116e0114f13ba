#pragma once
// The properties panel `PanGrid` below the grid: labelled edits of the current row's fields
// and the record navigator `DBN`. The window keeps it hidden unless "Показать с&войства" is
// checked; the edits are bound to the catalogue only while it is shown.

#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace folianto::table {
class Dataset;
}

namespace folianto::app {

class PropertiesPanel : public QWidget {
    Q_OBJECT
public:
    enum class NavButton { First, Prior, Next, Last, Insert, Delete, Post, Cancel };

    explicit PropertiesPanel(QWidget* parent = nullptr);

    // The navigator works on this cursor (nullptr: its buttons do nothing).
    void setNavigatorDataset(table::Dataset* ds) { ds_ = ds; }
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
    // A failure of a navigator button, for the window's error box.
    void navigationFailed(const QString& message);

private:
    void buildNavigator(QHBoxLayout* row);

    table::Dataset* ds_ = nullptr;
    QList<QToolButton*> navButtons_;
};

} // namespace folianto::app
