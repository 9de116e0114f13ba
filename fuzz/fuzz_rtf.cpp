// libFuzzer target: the RTF reader, into plain text and into a text document, and the writer
// over what was read.

#include "engines/rtf/RtfReader.h"
#include "engines/rtf/RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static const bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)platform;

    QByteArray bytes("{\\rtf1 ");
    bytes.append(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArrayView input = size >= 5 && QByteArrayView(reinterpret_cast<const char*>(data), 5) == "{\\rtf"
        ? QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size))
        : QByteArrayView(bytes);

    (void)folianto::rtf::rtfPlainText(input);
    QTextDocument document;
    folianto::rtf::readRtfInto(input, document);
    const QByteArray written = folianto::rtf::writeRtf(document);
    (void)folianto::rtf::rtfPlainText(written);
    return 0;
}
