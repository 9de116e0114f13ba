#include "engines/rtf/RtfParser.h"

#include <algorithm>
#include <array>

namespace folianto::rtf {

namespace {

// Destinations whose content is not part of the shown text.
bool isSkippedDestination(QByteArrayView name)
{
    static constexpr std::array<std::string_view, 44> kSkipped = {
        "stylesheet", "info", "pict", "object", "objdata", "header", "headerl", "headerr",
        "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
        "fldinst", "themedata", "colorschememapping", "latentstyles", "datastore", "listtable",
        "listoverridetable", "revtbl", "rsidtbl", "xmlnstbl", "generator", "filetbl",
        "pgdsctbl", "template", "nonshppict", "shpinst", "sp", "pn", "ftnsep", "ftnsepc",
        "aftnsep", "aftnsepc", "ftncn", "aftncn", "docvar", "userprops", "bkmkstart",
        "bkmkend", "atnid",
    };
    const std::string_view key(name.data(), size_t(name.size()));
    return std::find(kSkipped.begin(), kSkipped.end(), key) != kSkipped.end();
}

bool on(const RtfToken& t) { return !t.hasParam || t.param != 0; }

} // namespace

void RtfParser::parse(QByteArrayView rtf)
{
    stack_.assign(1, GroupState{});
    RtfTokenizer tokenizer(rtf);
    for (RtfToken t = tokenizer.next(); t.kind != RtfToken::End; t = tokenizer.next()) {
        if (!token(t))
            break;
    }
    flush();
    if (stack_.size() > 1)
        finalAlignment_ = top().alignment;
    sink_.finish(finalAlignment_);
}

bool RtfParser::token(const RtfToken& t)
{
    if (t.kind == RtfToken::GroupOpen) {
        openGroup();
        return true;
    }
    if (t.kind == RtfToken::GroupClose)
        return closeGroup();

    switch (top().destination) {
    case Destination::Skip:
        return true;
    case Destination::FontTable:
        fontTableToken(t);
        return true;
    case Destination::ColorTable:
        colorTableToken(t);
        return true;
    case Destination::Body:
        break;
    }
    switch (t.kind) {
    case RtfToken::Text: {
        qsizetype from = 0;
        while (from < t.name.size() && consumeFallback())
            ++from;
        appendBytes(t.name.sliced(from));
        break;
    }
    case RtfToken::HexByte:
        if (!consumeFallback()) {
            const char byte = char(t.param);
            appendBytes(QByteArrayView(&byte, 1));
        }
        break;
    case RtfToken::Word:
        if (!consumeFallback())
            bodyWord(t);
        break;
    case RtfToken::Symbol:
        if (!consumeFallback())
            bodySymbol(t.symbol);
        break;
    default:
        break;
    }
    return true;
}

bool RtfParser::consumeFallback()
{
    if (fallbackLeft_ <= 0)
        return false;
    --fallbackLeft_;
    return true;
}

void RtfParser::openGroup()
{
    flush();
    fallbackLeft_ = 0;
    if (flattened_ > 0 || int(stack_.size()) > kMaxDepth) {
        ++flattened_;
        return;
    }
    stack_.push_back(top());
}

bool RtfParser::closeGroup()
{
    flush();
    fallbackLeft_ = 0;
    if (flattened_ > 0) {
        --flattened_;
        return true;
    }
    if (stack_.size() <= 1)
        return false; // a stray closing brace outside every group
    if (stack_.size() == 2) {
        finalAlignment_ = top().alignment;
        stack_.pop_back();
        return false; // the document's own group has closed
    }
    stack_.pop_back();
    return true;
}

void RtfParser::bodySymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendChar(char16_t(symbol));
        break;
    case '~':
        appendChar(0x00A0);
        break;
    case '_':
        appendChar(0x2011);
        break;
    case '*':
        flush();
        top().destination = Destination::Skip;
        break;
    case '\t':
        appendChar(u'\t');
        break;
    default:
        break; // \- (optional hyphen), \| \: (index marks) show nothing
    }
}

void RtfParser::bodyWord(const RtfToken& t)
{
    if (t.name == "u") {
        if (t.hasParam) {
            const int unit = t.param < 0 ? t.param + 0x10000 : t.param;
            if (unit > 0 && unit <= 0xFFFF)
                appendChar(char16_t(unit));
            fallbackLeft_ = top().unicodeSkip;
        }
        return;
    }
    if (characterWord(t.name))
        return;
    flush();
    if (styleWord(t) || documentWord(t))
        return;
    if (t.name == "par" || t.name == "sect" || t.name == "page" || t.name == "row") {
        sink_.paragraphEnd(top().alignment);
    } else if (t.name == "fonttbl") {
        top().destination = Destination::FontTable;
        tableFont_ = -1;
    } else if (t.name == "colortbl") {
        top().destination = Destination::ColorTable;
        colorGiven_ = false;
        red_ = green_ = blue_ = 0;
    } else if (isSkippedDestination(t.name)) {
        top().destination = Destination::Skip;
    }
}

bool RtfParser::characterWord(QByteArrayView name)
{
    struct Named {
        std::string_view word;
        char16_t c;
    };
    static constexpr std::array<Named, 13> kCharacters = {{
        {"line", 0x2028}, {"tab", u'\t'}, {"cell", u'\t'}, {"nestcell", u'\t'},
        {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018},
        {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"emspace", 0x2003}, {"enspace", 0x2002},
    }};
    const std::string_view key(name.data(), size_t(name.size()));
    for (const Named& n : kCharacters) {
        if (n.word == key) {
            appendChar(n.c);
            return true;
        }
    }
    return false;
}

bool RtfParser::styleWord(const RtfToken& t)
{
    GroupState& s = top();
    const QByteArrayView n = t.name;
    if (n == "b") s.bold = on(t);
    else if (n == "i") s.italic = on(t);
    else if (n == "ulnone") s.underline = false;
    else if (n == "ul" || (n.startsWith("ul") && n != "ulc")) s.underline = on(t);
    else if (n == "strike" || n == "striked") s.strike = on(t);
    else if (n == "v") s.hidden = on(t);
    else if (n == "fs") s.halfPoints = t.hasParam && t.param > 0 ? std::clamp(t.param, 2, 2000) : 0;
    else if (n == "cf") s.color = t.hasParam ? std::max(0, t.param) : 0;
    else if (n == "f") s.font = t.hasParam ? t.param : -1;
    else if (n == "uc") s.unicodeSkip = t.hasParam ? std::clamp(t.param, 0, 16) : 1;
    else if (n == "plain") {
        s.font = -1;
        s.bold = s.italic = s.underline = s.strike = s.hidden = false;
        s.halfPoints = 0;
        s.color = 0;
    }
    else if (n == "pard") s.alignment = Alignment::Left;
    else if (n == "ql") s.alignment = Alignment::Left;
    else if (n == "qc") s.alignment = Alignment::Center;
    else if (n == "qr") s.alignment = Alignment::Right;
    else if (n == "qj") s.alignment = Alignment::Justify;
    else return false;
    return true;
}

bool RtfParser::documentWord(const RtfToken& t)
{
    const QByteArrayView n = t.name;
    if (n == "ansi") documentCodePage_ = 1252;
    else if (n == "mac") documentCodePage_ = 10000;
    else if (n == "pc") documentCodePage_ = 437;
    else if (n == "pca") documentCodePage_ = 850;
    else if (n == "ansicpg") {
        if (t.hasParam && t.param > 0)
            documentCodePage_ = t.param;
    }
    else if (n == "deff") defaultFont_ = t.hasParam ? t.param : 0;
    else return false;
    return true;
}

void RtfParser::fontTableToken(const RtfToken& t)
{
    if (t.kind == RtfToken::Word) {
        if (t.name == "f") {
            tableFont_ = t.hasParam ? t.param : 0;
            fonts_[tableFont_]; // known from now on, even without a name
        } else if (tableFont_ >= 0 && t.name == "fcharset" && t.hasParam) {
            if (const int page = codePageOfCharset(t.param))
                fonts_[tableFont_].codePage = page;
        } else if (tableFont_ >= 0 && t.name == "cpg" && t.hasParam && t.param > 0) {
            fonts_[tableFont_].codePage = t.param;
        }
        return;
    }
    if (t.kind == RtfToken::Symbol && t.symbol == '*') {
        top().destination = Destination::Skip; // {\*\panose ...}, {\*\falt ...}
        return;
    }
    if (tableFont_ < 0 || fonts_[tableFont_].named)
        return;
    Font& font = fonts_[tableFont_];
    auto takeBytes = [&](QByteArrayView bytes) {
        for (const char c : bytes) {
            if (c == ';') {
                font.name = decoder_.decode(font.codePage ? font.codePage : documentCodePage_, font.nameBytes).trimmed();
                font.nameBytes.clear();
                font.named = true;
                return;
            }
            if (font.nameBytes.size() < 256)
                font.nameBytes.append(c);
        }
    };
    if (t.kind == RtfToken::Text) {
        takeBytes(t.name);
    } else if (t.kind == RtfToken::HexByte) {
        const char byte = char(t.param);
        takeBytes(QByteArrayView(&byte, 1));
    }
}

void RtfParser::colorTableToken(const RtfToken& t)
{
    if (t.kind == RtfToken::Word && t.hasParam) {
        const int value = std::clamp(t.param, 0, 255);
        if (t.name == "red") red_ = value;
        else if (t.name == "green") green_ = value;
        else if (t.name == "blue") blue_ = value;
        else return;
        colorGiven_ = true;
        return;
    }
    if (t.kind != RtfToken::Text)
        return;
    for (const char c : t.name) {
        if (c != ';')
            continue;
        colors_.append(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
        colorGiven_ = false;
        red_ = green_ = blue_ = 0;
    }
}

int RtfParser::codePageOf(int font) const
{
    const auto it = fonts_.find(font < 0 ? defaultFont_ : font);
    if (it != fonts_.end() && it->second.codePage)
        return it->second.codePage;
    return documentCodePage_;
}

void RtfParser::appendBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty() || top().hidden)
        return;
    const int page = codePageOf(top().font);
    if (!bytes_.isEmpty() && page != bytesCodePage_)
        flushBytes();
    bytesCodePage_ = page;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            bytes_.append(c);
    }
}

void RtfParser::appendChar(char16_t c)
{
    if (top().hidden)
        return;
    flushBytes();
    text_.append(QChar(c));
}

void RtfParser::flushBytes()
{
    if (bytes_.isEmpty())
        return;
    text_ += decoder_.decode(bytesCodePage_, bytes_);
    bytes_.clear();
}

void RtfParser::flush()
{
    flushBytes();
    if (text_.isEmpty())
        return;
    sink_.text(text_, styleOf(top()));
    text_.clear();
}

CharStyle RtfParser::styleOf(const GroupState& state) const
{
    CharStyle style;
    const auto font = fonts_.find(state.font < 0 ? defaultFont_ : state.font);
    if (font != fonts_.end())
        style.family = font->second.name;
    style.bold = state.bold;
    style.italic = state.italic;
    style.underline = state.underline;
    style.strike = state.strike;
    style.halfPoints = state.halfPoints;
    if (state.color > 0 && state.color < colors_.size())
        style.color = colors_[state.color];
    return style;
}

} // namespace folianto::rtf
