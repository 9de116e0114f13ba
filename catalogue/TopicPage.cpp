#include "catalogue/TopicPage.h"

#include "util/NamedWidget.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace folianto::catalogue {

TopicPage::TopicPage(QWidget* page) : QObject(page)
{
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    lbTopic_ = new QListWidget(page);
    lbTopic_->setObjectName(QStringLiteral("LbTopic"));
    layout->addWidget(lbTopic_, 1);

    auto* panel = new QVBoxLayout;
    auto button = [page, panel](const QString& text, const char* name) {
        auto* b = util::named(new QPushButton(text, page), name);
        b->setAutoDefault(false);
        panel->addWidget(b);
        return b;
    };
    butTopRefresh_ = button(QStringLiteral("Обновление"), "ButTopRefresh");
    butFindTopic_ = button(QStringLiteral("Поиск"), "ButFindTopic");
    butFilterTopic_ = button(QStringLiteral("Фильтр"), "ButFilterTopic");
    butFilterTopic_->setCheckable(true);
    panel->addStretch();
    layout->addLayout(panel);

    connect(butTopRefresh_, &QPushButton::clicked, this, &TopicPage::refreshClicked);
    connect(butFindTopic_, &QPushButton::clicked, this, &TopicPage::findClicked);
    connect(butFilterTopic_, &QPushButton::clicked, this, [this] { Q_EMIT filterClicked(false); });
    connect(lbTopic_, &QListWidget::itemClicked, this, [this] { Q_EMIT filterClicked(true); });
}

void TopicPage::setTopics(const QStringList& topics)
{
    lbTopic_->clear();
    lbTopic_->addItems(topics);
    if (lbTopic_->count() > 0)
        lbTopic_->setCurrentRow(0);
}

bool TopicPage::selectedTopic(QString& topic) const
{
    const QListWidgetItem* item = lbTopic_->currentItem();
    if (!item || !item->isSelected())
        return false;
    topic = item->text();
    return true;
}

} // namespace folianto::catalogue
