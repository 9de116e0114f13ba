#include "engines/fb2/Fb2Stream.h"

#include "engines/codepage/CodePages.h"

#include <QHash>
#include <QIODevice>

namespace folianto::fb2 {

namespace {

constexpr qsizetype kLongRun = 32 * 1024; // characters of text between two pieces of markup
constexpr int kLongestEntity = 12;

// The HTML entities that FictionBook files made by hand use without declaring them.
class HtmlEntities : public QXmlStreamEntityResolver {
public:
    QString resolveUndeclaredEntity(const QString& name) override
    {
        static const QHash<QString, char16_t> known = {
            {QStringLiteral("nbsp"), 0xA0},   {QStringLiteral("mdash"), 0x2014}, {QStringLiteral("ndash"), 0x2013},
            {QStringLiteral("laquo"), 0xAB},  {QStringLiteral("raquo"), 0xBB},   {QStringLiteral("hellip"), 0x2026},
            {QStringLiteral("copy"), 0xA9},   {QStringLiteral("bdquo"), 0x201E}, {QStringLiteral("ldquo"), 0x201C},
            {QStringLiteral("rdquo"), 0x201D}, {QStringLiteral("shy"), 0xAD},    {QStringLiteral("deg"), 0xB0},
        };
        return QString(QChar(known.value(name, 0xFFFD)));
    }
};

QByteArrayView skipBom(QByteArrayView head)
{
    return head.startsWith("\xEF\xBB\xBF") ? head.sliced(3) : head;
}

} // namespace

QByteArray declaredEncoding(QByteArrayView head)
{
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return "utf-16";
    head = skipBom(head);
    if (!head.startsWith("<?xml"))
        return "utf-8";
    const qsizetype end = head.indexOf("?>");
    const QByteArrayView declaration = head.first(end < 0 ? head.size() : end);
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return "utf-8";
    qsizetype open = at + 8;
    while (open < declaration.size() && declaration[open] != '"' && declaration[open] != '\'')
        ++open;
    if (open >= declaration.size())
        return "utf-8";
    const qsizetype close = declaration.indexOf(declaration[open], open + 1);
    if (close < 0)
        return "utf-8";
    return declaration.sliced(open + 1, close - open - 1).toByteArray().trimmed().toLower();
}

bool looksLikeFb2(QByteArrayView head)
{
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(head.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return looksLikeFb2(QString(decoder.decode(head.sliced(2))).toUtf8());
    }
    head = skipBom(head);
    qsizetype first = 0;
    while (first < head.size() && QChar::isSpace(uchar(head[first])))
        ++first;
    if (first >= head.size() || head[first] != '<')
        return false;
    // The root element is the first one after the declaration, comments and instructions.
    qsizetype at = 0;
    while (true) {
        at = head.indexOf('<', at);
        if (at < 0 || at + 1 >= head.size())
            return false;
        const char next = head[at + 1];
        if (next != '?' && next != '!')
            break;
        if (head.sliced(at).startsWith("<!--")) {
            at = head.indexOf("-->", at);
        } else {
            at = head.indexOf('>', at);
        }
        if (at < 0)
            return false;
    }
    QByteArrayView root = head.sliced(at + 1);
    if (const qsizetype colon = root.indexOf(':'); colon >= 0 && colon < 16 && root.indexOf('>') > colon)
        root = root.sliced(colon + 1); // a prefixed root, <fb:FictionBook
    return root.startsWith("FictionBook") && root.size() > 11
        && (root[11] == ' ' || root[11] == '>' || root[11] == '\n' || root[11] == '\r' || root[11] == '\t');
}

Fb2Stream::Fb2Stream(QIODevice& device, qint64 chunkSize)
    : device_(device), chunkSize_(std::max<qint64>(chunkSize, 64)), resolver_(std::make_unique<HtmlEntities>())
{
    xml_.setEntityResolver(resolver_.get());
    xml_.setNamespaceProcessing(false); // prefixed names as written: l:href, xlink:href
}

Fb2Stream::~Fb2Stream() = default;

QString Fb2Stream::decode(QByteArrayView bytes)
{
    if (!started_) {
        started_ = true;
        const QByteArray name = declaredEncoding(bytes);
        if (name == "windows-1251" || name == "cp1251" || name == "cp-1251" || name == "x-cp1251")
            singleByte_ = [](QByteArrayView b) { return codepage::fromCp1251(b); };
        else if (name == "koi8-r" || name == "koi8r")
            singleByte_ = [](QByteArrayView b) { return codepage::fromKoi8r(b); };
        else if (name == "cp866" || name == "ibm866")
            singleByte_ = [](QByteArrayView b) { return codepage::fromCp866(b); };
        else if (name == "utf-16")
            decoder_ = QStringDecoder(bytes.startsWith("\xFE\xFF") ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
        else if (const auto known = QStringConverter::encodingForName(name.constData()))
            decoder_ = QStringDecoder(*known);
        else
            decoder_ = QStringDecoder(name.constData());
        if (!singleByte_ && !decoder_.isValid())
            decoder_ = QStringDecoder(QStringConverter::Utf8);
        if (name == "utf-16" && bytes.size() >= 2)
            bytes = bytes.sliced(2);
        else if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes = bytes.sliced(3);
    }
    return singleByte_ ? singleByte_(bytes) : QString(decoder_.decode(bytes));
}

QString Fb2Stream::cutLongRuns(const QString& text)
{
    static const QString cut = QStringLiteral("<?cut?>");
    QString out;
    out.reserve(text.size() + text.size() / kLongRun * cut.size() + 8);
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'<') {
            inMarkup_ = true;
            runLength_ = 0;
        } else if (c == u'>') {
            inMarkup_ = false;
            runLength_ = 0;
        } else if (!inMarkup_) {
            if (c == u'&')
                entityLength_ = 0;
            else if (entityLength_ >= 0 && (c == u';' || c.isSpace() || ++entityLength_ > kLongestEntity))
                entityLength_ = -1;
            if (++runLength_ >= kLongRun && entityLength_ < 0 && c != u'&' && !c.isLowSurrogate()) {
                out.append(QStringView(text).sliced(from, i - from));
                out.append(cut);
                from = i;
                runLength_ = 0;
            }
        }
    }
    out.append(QStringView(text).sliced(from));
    return out;
}

bool Fb2Stream::feed()
{
    qint64 wanted = chunkSize_;
    if (!device_.isSequential())
        wanted = std::min(wanted, device_.size() - device_.pos());
    if (wanted <= 0)
        return false;
    QByteArray chunk(wanted, Qt::Uninitialized);
    const qint64 got = device_.read(chunk.data(), chunk.size());
    if (got <= 0)
        return false;
    chunk.truncate(got);
    bytesRead_ += got;
    xml_.addData(cutLongRuns(decode(chunk)));
    return true;
}

bool Fb2Stream::readNext()
{
    if (failed_)
        return false;
    while (true) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::DTD) {
            failed_ = true; // FictionBook has no use for one; its entities are not expanded
            return false;
        }
        if (!xml_.hasError())
            return token != QXmlStreamReader::EndDocument;
        if (xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError || !feed()) {
            failed_ = xml_.error() != QXmlStreamReader::NoError && token != QXmlStreamReader::EndDocument;
            return false;
        }
    }
}

} // namespace folianto::fb2
