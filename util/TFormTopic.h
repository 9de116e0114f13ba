#pragma once
// The multi-page dialog `FormTopic`: one fixed-size window whose pages have hidden tabs,
// created for one command on one page and freed when the command ends. The opener selects
// the page and sets the caption; the Parts that use a page add its controls, its check on
// "OK" and what it prepares when the dialog is shown.

#include <QDialog>
#include <QHash>
#include <functional>

class QPushButton;
class QTabWidget;

namespace folianto::util {

class TFormTopic : public QDialog {
    Q_OBJECT
public:
    explicit TFormTopic(QWidget* mainWindow = nullptr);
    ~TFormTopic() override;

    // The dialog that exists now, or nullptr (the global reference `FormTopic`).
    static TFormTopic* current();

    // Adds an empty page under its name (`ShCard`, `ShSearch`, ...) and returns it.
    QWidget* addPage(const QString& name);
    QWidget* page(const QString& name) const; // nullptr when there is none
    void selectPage(const QString& name);     // throws std::out_of_range for an unknown page
    QString activePage() const;

    // What "OK" checks on a page before the dialog closes (false keeps it open).
    void setOkCheck(const QString& page, std::function<bool()> check);
    // What a page prepares when the dialog is shown.
    void setShowHandler(const QString& page, std::function<void()> handler);

    QWidget* PanOk() const { return panOk_; }
    QPushButton* BitBtnOk() const { return ok_; }
    QPushButton* BtCancel() const { return cancel_; }
    QTabWidget* pages() const { return pages_; }

    static QSize clientSize() { return {588, 287}; }
    static QString initialCaption(); // "Книга"

public Q_SLOTS:
    void accept() override; // "OK": the active page's check first

protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* mainWindow_;
    QTabWidget* pages_;
    QWidget* panOk_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QHash<QString, std::function<bool()>> okChecks_;
    QHash<QString, std::function<void()>> showHandlers_;
};

} // namespace folianto::util
