// libFuzzer target: the FictionBook reader, into a text document and for its description;
// and the Unicode decoder, whose byte map must cover the input exactly.

#include "engines/codepage/Unicode.h"
#include "engines/fb2/Fb2Description.h"
#include "engines/fb2/Fb2Document.h"
#include "engines/fb2/Fb2Stream.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_fb2";
    static char* argv[] = {name, nullptr};
    static const bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)platform;

    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        QTextDocument document;
        folianto::fb2::RenderLimits limits;
        limits.maxCharacters = 200000;
        folianto::fb2::readFb2Into(device, document, limits);
    }
    {
        QBuffer device(&bytes);
        device.open(QIODevice::ReadOnly);
        (void)folianto::fb2::readDescription(device);
    }
    (void)folianto::fb2::looksLikeFb2(bytes);

    using folianto::codepage::UnicodeForm;
    for (const UnicodeForm form : {UnicodeForm::Utf8, UnicodeForm::Utf16LE}) {
        const auto text = folianto::codepage::decodeUnicode(bytes, form, true);
        const qint64 end = text.byteOffsetOf(text.text().size());
        if (end != bytes.size())
            __builtin_trap();
        const qsizetype middle = text.text().size() / 2;
        if (!text.text().isEmpty() && !text.text().at(middle).isLowSurrogate()
            && text.indexOfByteOffset(text.byteOffsetOf(middle)) != middle)
            __builtin_trap();
    }
    return 0;
}
