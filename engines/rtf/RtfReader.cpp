#include "engines/rtf/RtfReader.h"

#include "engines/codepage/CodePages.h"
#include "engines/rtf/DocumentSink.h"
#include "engines/rtf/RtfParser.h"

#include <QTextDocument>

namespace folianto::rtf {

namespace {

class PlainTextSink : public RtfSink {
public:
    void text(const QString& run, const CharStyle&) override
    {
        text_ += run;
    }
    void paragraphEnd(Alignment) override { text_ += u'\n'; }
    void finish(Alignment) override { text_.replace(QChar(0x2028), u'\n'); }
    QString take() { return std::move(text_); }

private:
    QString text_;
};

} // namespace

bool looksLikeRtf(QByteArrayView bytes)
{
    return bytes.startsWith("{\\rtf");
}

void readRtfInto(QByteArrayView rtf, QTextDocument& document)
{
    document.clear();
    if (!looksLikeRtf(rtf)) {
        document.setPlainText(codepage::fromCp1251(rtf));
        return;
    }
    DocumentSink sink(document);
    RtfParser(sink).parse(rtf);
}

QString rtfPlainText(QByteArrayView rtf)
{
    if (!looksLikeRtf(rtf))
        return codepage::fromCp1251(rtf);
    PlainTextSink sink;
    RtfParser(sink).parse(rtf);
    return sink.take();
}

} // namespace folianto::rtf
