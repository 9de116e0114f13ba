#pragma once
// Reads RTF into an RtfSink: groups, control words and symbols, \ansicpg and per-font
// \fcharset/\cpg, \'hh, \uN with \ucN, paragraphs, line breaks, tabs, bold, italic,
// underline, strike-out, font families and sizes, the colour table, alignment, hidden text.
// Destinations it does not show (\*, pictures, style sheet, document information, headers,
// footers, field instructions, ...) are skipped. Malformed input is read as far as it goes:
// nesting beyond kMaxDepth is flattened, unbalanced braces and truncation end the text there.

#include "engines/rtf/RtfCodePage.h"
#include "engines/rtf/RtfSink.h"
#include "engines/rtf/RtfTokenizer.h"

#include <QByteArray>
#include <QList>
#include <map>
#include <vector>

namespace folianto::rtf {

class RtfParser {
public:
    static constexpr int kMaxDepth = 256;

    explicit RtfParser(RtfSink& sink) : sink_(sink) {}
    void parse(QByteArrayView rtf);

private:
    enum class Destination { Body, Skip, FontTable, ColorTable };

    struct GroupState {
        Destination destination = Destination::Body;
        int font = -1;       // -1: the default font (\deff)
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        bool hidden = false;
        int halfPoints = 0;
        int color = 0;
        Alignment alignment = Alignment::Left;
        int unicodeSkip = 1; // \uc: fallback characters after each \u
    };

    struct Font {
        QByteArray nameBytes;
        QString name;
        bool named = false;
        int codePage = 0; // 0: the document's page
    };

    bool token(const RtfToken& t); // false once the outermost group has closed
    void openGroup();
    bool closeGroup();
    void bodyWord(const RtfToken& t);
    void bodySymbol(char symbol);
    bool characterWord(QByteArrayView name);
    bool styleWord(const RtfToken& t);
    bool documentWord(const RtfToken& t);
    void fontTableToken(const RtfToken& t);
    void colorTableToken(const RtfToken& t);
    bool consumeFallback();

    void appendBytes(QByteArrayView bytes);
    void appendChar(char16_t c);
    void flushBytes();
    void flush();
    int codePageOf(int font) const;
    CharStyle styleOf(const GroupState& state) const;
    GroupState& top() { return stack_.back(); }

    RtfSink& sink_;
    std::vector<GroupState> stack_;
    int flattened_ = 0; // groups opened beyond the depth limit
    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    int tableFont_ = -1;
    QList<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    int fallbackLeft_ = 0;
    QByteArray bytes_;
    int bytesCodePage_ = 0;
    QString text_;
    CodePageDecoder decoder_;
    Alignment finalAlignment_ = Alignment::Left;
};

} // namespace folianto::rtf
