#pragma once
// The page `ShPart` of `FormTopic`: the size of the parts a long book is read in, typed in
// thousands of characters into `EdPart`.

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace folianto::app {

class PartPage : public QObject {
    Q_OBJECT
public:
    explicit PartPage(QWidget* page);

    // `PartSize` in characters.
    using Values = qint32;
    static QString name() { return QStringLiteral("ShPart"); }
    static QString caption(); // "Размер части считывания"

    void setValues(qint32 partSize);
    // The typed thousands times 1000 (an empty or non-numeric text gives 0); throws
    // std::overflow_error when that does not fit a 32-bit integer.
    qint32 values() const;
    QLineEdit* EdPart() const { return edPart_; }

    // The part size for a text typed in thousands, as above.
    static qint32 partSizeOf(const QString& thousands);
    static QString overflowMessage();

private:
    QLineEdit* edPart_;
};

} // namespace folianto::app
