#pragma once
// An RtfSink that writes into a QTextDocument through a cursor.

#include "engines/rtf/RtfSink.h"

#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace folianto::rtf {

class DocumentSink : public RtfSink {
public:
    explicit DocumentSink(QTextDocument& document);
    ~DocumentSink() override;

    void text(const QString& run, const CharStyle& style) override;
    void paragraphEnd(Alignment alignment) override;
    void finish(Alignment alignment) override;

private:
    void align(Alignment alignment);
    const QTextCharFormat& formatOf(const CharStyle& style);

    QTextCursor cursor_;
    CharStyle lastStyle_;
    QTextCharFormat lastFormat_;
};

} // namespace folianto::rtf
