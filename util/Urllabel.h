#pragma once
// A label that holds an address and behaves like a link: blue and underlined, the pointing
// hand as its cursor, red while the mouse is over it. A click opens its own text through the
// Shell seam; a bare mail address is opened as a "mailto:" address.

#include <QLabel>

namespace folianto::util {

class TUrllabel : public QLabel {
    Q_OBJECT
public:
    explicit TUrllabel(QWidget* parent = nullptr);
    explicit TUrllabel(const QString& text, QWidget* parent = nullptr);

    // What a click hands to the shell.
    QString linkTarget() const;

    static QColor normalColor() { return QColor(0x00, 0x00, 0xFF); }
    static QColor hoverColor() { return QColor(0xFF, 0x00, 0x00); }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setTextColor(const QColor& color);
    bool pressed_ = false;
};

} // namespace folianto::util
