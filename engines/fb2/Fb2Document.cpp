#include "engines/fb2/Fb2Document.h"

#include "engines/fb2/Fb2Stream.h"

#include <QHash>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <vector>

namespace folianto::fb2 {

namespace {

constexpr int kLongestBlock = 16 * 1024; // a longer paragraph goes on in a new block (layout speed)
constexpr int kParagraphIndent = 24;
constexpr qsizetype kLongestTitle = 1000;
constexpr int kCiteMargin = 40;
constexpr int kVerseMargin = 60;

QStringView localName(QStringView qualified)
{
    const qsizetype colon = qualified.indexOf(u':');
    return colon < 0 ? qualified : qualified.sliced(colon + 1);
}

QString hrefTarget(const QXmlStreamAttributes& attributes)
{
    for (const QXmlStreamAttribute& a : attributes) {
        if (a.qualifiedName().endsWith(QLatin1String("href")) && a.value().startsWith(u'#'))
            return a.value().sliced(1).toString();
    }
    return {};
}

class Renderer {
public:
    Renderer(QTextDocument& document, const RenderLimits& limits)
        : document_(document), cursor_(&document), limits_(limits)
    {
    }

    bool run(Fb2Stream& in)
    {
        // One edit block: a view showing the document lays it out once, not after each insert.
        cursor_.beginEditBlock();
        while (!full_ && in.readNext()) {
            QXmlStreamReader& xml = in.xml();
            switch (xml.tokenType()) {
            case QXmlStreamReader::StartElement: start(localName(xml.qualifiedName()), xml.attributes()); break;
            case QXmlStreamReader::EndElement: end(localName(xml.qualifiedName())); break;
            case QXmlStreamReader::Characters: characters(xml.text()); break;
            default: break;
            }
        }
        placeImages();
        cursor_.endEditBlock();
        return !in.failed() && !full_;
    }

private:
    // How deep the reader is in each kind of element.
    struct Depths {
        int description = 0, titleInfo = 0, bookTitle = 0, coverpage = 0;
        int section = 0, title = 0, epigraph = 0, cite = 0, poem = 0, stanza = 0, annotation = 0;
        int emphasis = 0, strong = 0, strike = 0, sub = 0, sup = 0, code = 0, note = 0;
        int textBlock = 0; // p, v, subtitle, text-author, td
        int binary = 0;
    } d_;

    int* counterOf(QStringView name)
    {
        static const QHash<QString, int Depths::*> counters = {
            {QStringLiteral("description"), &Depths::description}, {QStringLiteral("title-info"), &Depths::titleInfo},
            {QStringLiteral("book-title"), &Depths::bookTitle},   {QStringLiteral("coverpage"), &Depths::coverpage},
            {QStringLiteral("section"), &Depths::section},        {QStringLiteral("title"), &Depths::title},
            {QStringLiteral("epigraph"), &Depths::epigraph},      {QStringLiteral("cite"), &Depths::cite},
            {QStringLiteral("poem"), &Depths::poem},              {QStringLiteral("stanza"), &Depths::stanza},
            {QStringLiteral("annotation"), &Depths::annotation},  {QStringLiteral("emphasis"), &Depths::emphasis},
            {QStringLiteral("strong"), &Depths::strong},          {QStringLiteral("strikethrough"), &Depths::strike},
            {QStringLiteral("sub"), &Depths::sub},                {QStringLiteral("sup"), &Depths::sup},
            {QStringLiteral("code"), &Depths::code},              {QStringLiteral("a"), &Depths::note},
            {QStringLiteral("p"), &Depths::textBlock},            {QStringLiteral("v"), &Depths::textBlock},
            {QStringLiteral("subtitle"), &Depths::textBlock},     {QStringLiteral("text-author"), &Depths::textBlock},
            {QStringLiteral("td"), &Depths::textBlock},           {QStringLiteral("th"), &Depths::textBlock},
            {QStringLiteral("binary"), &Depths::binary},
        };
        const auto it = counters.constFind(name.toString());
        return it == counters.cend() ? nullptr : &(d_.*(it.value()));
    }

    void start(QStringView name, const QXmlStreamAttributes& attributes)
    {
        if (int* counter = counterOf(name))
            ++*counter;
        if (d_.description > 0) {
            if (d_.coverpage > 0 && name == u"image" && coverId_ < 0)
                coverId_ = imageNumber(hrefTarget(attributes));
            return;
        }
        if (name == u"binary") {
            binaryId_ = attributes.value(QLatin1String("id")).toString();
            binary_.clear();
            binaryWanted_ = imageNumbers_.contains(binaryId_);
            return;
        }
        if (name == u"body") {
            bodyFirstChild_ = ++bodies_ == 1;
            if (bodies_ > 1)
                newBlock(QTextBlockFormat()); // a gap before the notes
            return;
        }
        if (bodyFirstChild_) {
            bodyFirstChild_ = false;
            if (name != u"title" && !bookTitle_.trimmed().isEmpty()) {
                newBlock(titleBlockFormat(), headingFormat(3));
                insertText(bookTitle_);
            }
        }
        if (name == u"p" || name == u"v" || name == u"subtitle" || name == u"text-author")
            newBlock(blockFormatFor(name));
        else if (name == u"empty-line" || name == u"tr")
            newBlock(blockFormatFor(u"p"));
        else if (name == u"stanza")
            stanzaStart_ = true;
        else if ((name == u"td" || name == u"th") && !atBlockStart_)
            cursor_.insertText(QStringLiteral("\t")), ++shown_;
        else if (name == u"image")
            insertImage(hrefTarget(attributes), d_.textBlock == 0);
        if (name == u"a" && attributes.value(QLatin1String("type")) == u"note")
            noteLink_ = d_.note;
        cursor_.setCharFormat(charFormat());
    }

    void end(QStringView name)
    {
        if (int* counter = counterOf(name); counter && *counter > 0)
            --*counter;
        if (name == u"description" && d_.description == 0) {
            if (coverId_ >= 0)
                insertImage(idOfNumber_.value(coverId_), true);
        } else if (name == u"binary") {
            storeImage();
        } else if (name == u"a" && noteLink_ > d_.note) {
            noteLink_ = 0;
        }
        if (d_.description == 0)
            cursor_.setCharFormat(charFormat());
    }

    void characters(QStringView text)
    {
        if (d_.description > 0) {
            if (d_.bookTitle > 0 && d_.titleInfo > 0 && bookTitle_.size() < kLongestTitle)
                bookTitle_ += text;
            return;
        }
        if (d_.binary > 0) {
            if (binaryWanted_ && binary_.size() + text.size() <= limits_.maxImageBase64)
                binary_ += text.toLatin1();
            else
                binaryWanted_ = false;
            return;
        }
        if (d_.textBlock > 0 && bodies_ > 0)
            insertText(text);
    }

    // Runs of white space are one blank; none at the start of a block.
    void insertText(QStringView text)
    {
        QString clean;
        clean.reserve(text.size());
        for (QChar c : text) {
            if (c.isSpace() && c != QChar(0xA0)) {
                if (!atBlockStart_ && !lastWasSpace_)
                    clean += u' ';
                lastWasSpace_ = true;
                continue;
            }
            clean += c;
            lastWasSpace_ = false;
            atBlockStart_ = false;
        }
        if (clean.isEmpty())
            return;
        if (cursor_.block().length() > kLongestBlock) {
            cursor_.insertBlock(cursor_.blockFormat(), charFormat());
            firstBlockUsed_ = true;
        }
        shown_ += clean.size();
        if (shown_ > limits_.maxCharacters) {
            full_ = true;
            return;
        }
        cursor_.insertText(clean);
    }

    void newBlock(const QTextBlockFormat& block, const QTextCharFormat& chars = {})
    {
        if (!firstBlockUsed_) {
            cursor_.setBlockFormat(block);
            firstBlockUsed_ = true;
        } else {
            cursor_.insertBlock(block);
        }
        cursor_.setCharFormat(chars.isValid() ? chars : charFormat());
        atBlockStart_ = true;
        lastWasSpace_ = false;
        ++shown_;
    }

    QTextBlockFormat titleBlockFormat() const
    {
        QTextBlockFormat f;
        f.setAlignment(Qt::AlignHCenter);
        f.setTopMargin(12);
        f.setBottomMargin(6);
        return f;
    }

    QTextCharFormat headingFormat(int size) const
    {
        QTextCharFormat f;
        f.setFontWeight(QFont::Bold);
        f.setProperty(QTextFormat::FontSizeAdjustment, size);
        return f;
    }

    QTextBlockFormat blockFormatFor(QStringView name)
    {
        if (d_.title > 0 || name == u"subtitle")
            return titleBlockFormat();
        QTextBlockFormat f;
        int margin = d_.cite * kCiteMargin + (d_.epigraph > 0 ? limits_.imageWidth / 3 : 0);
        if (name == u"v") {
            margin += kVerseMargin;
            if (stanzaStart_)
                f.setTopMargin(8);
            stanzaStart_ = false;
        } else if (name == u"text-author") {
            f.setAlignment(Qt::AlignRight);
        } else if (d_.poem == 0) {
            f.setTextIndent(kParagraphIndent);
        }
        f.setLeftMargin(margin);
        f.setRightMargin(d_.cite > 0 ? kCiteMargin : 0);
        return f;
    }

    QTextCharFormat charFormat() const
    {
        QTextCharFormat f;
        if (d_.title > 0) {
            f = headingFormat(d_.section == 0 ? 3 : d_.section == 1 ? 2 : 1);
        }
        if (d_.strong > 0)
            f.setFontWeight(QFont::Bold);
        if (d_.emphasis > 0 || d_.epigraph > 0)
            f.setFontItalic(true);
        if (d_.strike > 0)
            f.setFontStrikeOut(true);
        if (d_.sup > 0 || noteLink_ > 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (d_.sub > 0)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        if (d_.code > 0)
            f.setFontFixedPitch(true);
        return f;
    }

    int imageNumber(const QString& id)
    {
        if (id.isEmpty())
            return -1;
        const auto it = imageNumbers_.constFind(id);
        if (it != imageNumbers_.cend())
            return it.value();
        const int n = int(imageNumbers_.size());
        imageNumbers_.insert(id, n);
        idOfNumber_.insert(n, id);
        return n;
    }

    void insertImage(const QString& id, bool ownBlock)
    {
        const int n = imageNumber(id);
        if (n < 0 || int(placed_.size()) >= limits_.maxImages)
            return;
        if (ownBlock) {
            QTextBlockFormat f;
            f.setAlignment(Qt::AlignHCenter);
            newBlock(f);
        }
        QTextImageFormat image;
        image.setName(QStringLiteral("fb2img:%1").arg(n));
        placed_.push_back({cursor_.position(), n});
        cursor_.insertImage(image);
        atBlockStart_ = false;
        ++shown_;
    }

    void storeImage()
    {
        if (!binaryWanted_)
            return;
        binaryWanted_ = false;
        QImage image = QImage::fromData(QByteArray::fromBase64(binary_));
        binary_.clear();
        if (image.isNull())
            return;
        // Kept no bigger than needed for the widest view it may meet.
        if (image.width() > 2 * limits_.imageWidth)
            image = image.scaledToWidth(2 * limits_.imageWidth, Qt::SmoothTransformation);
        images_.insert(imageNumbers_.value(binaryId_), image);
    }

    // Pictures found get their resource and a size that fits the view; the others are dropped.
    void placeImages()
    {
        for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) {
            QTextCursor at(&document_);
            at.setPosition(it->position);
            at.setPosition(it->position + 1, QTextCursor::KeepAnchor);
            const auto found = images_.constFind(it->number);
            if (found == images_.cend()) {
                at.removeSelectedText();
                continue;
            }
            const QImage& image = found.value();
            const QString name = QStringLiteral("fb2img:%1").arg(it->number);
            document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
            QTextImageFormat format;
            format.setName(name);
            const double width = std::min(image.width(), std::max(limits_.imageWidth, 1));
            format.setWidth(width);
            format.setHeight(width * image.height() / std::max(image.width(), 1));
            at.setCharFormat(format);
        }
    }

    struct Placement {
        int position;
        int number;
    };

    QTextDocument& document_;
    QTextCursor cursor_;
    RenderLimits limits_;
    bool firstBlockUsed_ = false;
    bool atBlockStart_ = true;
    bool lastWasSpace_ = false;
    bool stanzaStart_ = false;
    bool bodyFirstChild_ = false;
    bool full_ = false;
    int bodies_ = 0;
    int noteLink_ = 0;
    qsizetype shown_ = 0;
    QString bookTitle_;
    int coverId_ = -1;
    QHash<QString, int> imageNumbers_;
    QHash<int, QString> idOfNumber_;
    QHash<int, QImage> images_;
    std::vector<Placement> placed_;
    QString binaryId_;
    QByteArray binary_;
    bool binaryWanted_ = false;
};

} // namespace

bool readFb2Into(QIODevice& device, QTextDocument& document, const RenderLimits& limits)
{
    document.clear();
    document.setUndoRedoEnabled(false);
    Fb2Stream in(device);
    Renderer renderer(document, limits);
    return renderer.run(in);
}

} // namespace folianto::fb2
