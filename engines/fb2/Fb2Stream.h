#pragma once
// Reading FictionBook 2 XML from a file in chunks: the declared encoding decoded (UTF-8,
// UTF-16, Windows-1251, KOI8-R, CP866, or what Qt knows by name), document type declarations
// refused (no entity expansion games), and long text runs cut by empty processing
// instructions, so that no token and no buffer grows with the file.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

class QIODevice;

namespace folianto::fb2 {

// True when the head of a file (its first kilobytes) is a FictionBook: an XML document whose
// root element is <FictionBook>.
bool looksLikeFb2(QByteArrayView head);

// The encoding named by the XML declaration at the start of the head ("utf-8" without one).
QByteArray declaredEncoding(QByteArrayView head);

class Fb2Stream {
public:
    explicit Fb2Stream(QIODevice& device, qint64 chunkSize = 1 << 20);
    ~Fb2Stream();
    Fb2Stream(const Fb2Stream&) = delete;
    Fb2Stream& operator=(const Fb2Stream&) = delete;

    // The next token; false at the end of the document, on a read or XML error, or when the
    // document holds a type declaration.
    bool readNext();
    QXmlStreamReader& xml() { return xml_; }
    bool failed() const { return failed_; }
    // Bytes taken from the device so far; counts on sequential devices too.
    qint64 bytesRead() const { return bytesRead_; }

private:
    bool feed();
    QString decode(QByteArrayView bytes);
    QString cutLongRuns(const QString& text);

    QIODevice& device_;
    qint64 chunkSize_;
    QXmlStreamReader xml_;
    std::unique_ptr<QXmlStreamEntityResolver> resolver_;
    std::function<QString(QByteArrayView)> singleByte_;
    QStringDecoder decoder_;
    bool started_ = false;
    bool failed_ = false;
    qint64 bytesRead_ = 0;
    // The run splitter's state across chunks.
    bool inMarkup_ = false;
    int entityLength_ = -1; // characters since '&' inside an entity reference, -1 outside
    qsizetype runLength_ = 0;
};

} // namespace folianto::fb2
