#pragma once
#include <QWidget>

namespace folianto::textview {

// Suspends a widget's painting for the life of the object, whatever way the scope is left.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(QWidget* w) : w_(w), was_(w->updatesEnabled()) { w_->setUpdatesEnabled(false); }
    ~UpdatesSuspended() { w_->setUpdatesEnabled(was_); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    QWidget* w_;
    bool was_;
};

} // namespace folianto::textview
