#pragma once
// The page `ShTopic` of `FormTopic`: the list of the catalogue's topics `LbTopic` filling the
// page, and at its right "Обновление", "Поиск" and the toggle "Фильтр" (down until clicked
// again). What the buttons do comes from the topic commands.

#include <QObject>
#include <QStringList>
#include <functional>

class QListWidget;
class QPushButton;
class QWidget;

namespace folianto::catalogue {

class TopicPage : public QObject {
    Q_OBJECT
public:
    explicit TopicPage(QWidget* page);

    static QString name() { return QStringLiteral("ShTopic"); }

    QListWidget* LbTopic() const { return lbTopic_; }
    QPushButton* ButTopRefresh() const { return butTopRefresh_; }
    QPushButton* ButFindTopic() const { return butFindTopic_; }
    QPushButton* ButFilterTopic() const { return butFilterTopic_; }

    // The list := the topics, the first selected.
    void setTopics(const QStringList& topics);
    // The selected topic; false when none is.
    bool selectedTopic(QString& topic) const;

Q_SIGNALS:
    void refreshClicked();
    void findClicked();
    // The toggle clicked (`fromList` false) or a topic clicked in the list (true).
    void filterClicked(bool fromList);

private:
    QListWidget* lbTopic_;
    QPushButton* butTopRefresh_;
    QPushButton* butFindTopic_;
    QPushButton* butFilterTopic_;
};

} // namespace folianto::catalogue
