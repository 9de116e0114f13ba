// The step between unpacking and loading: Word conversion through the document converter,
// the question for other file types, and what the close deletes afterwards.

#include "OpenBookFixture.h"

namespace folianto::test {
namespace {

namespace field = catalogue::field;

// Writes a small RTF beside the work folder's name of the book and records each call.
class FakeConverter : public reader::DocumentConverter {
public:
    struct Call {
        QString file;
        bool toRtf;
        bool fromArchive;
    };
    explicit FakeConverter(std::vector<Call>& calls) : calls_(calls) {}
    bool ConvertWithWord(QString& bookFile, bool toRtf, bool fromArchive, const QString& workFolder) override
    {
        calls_.push_back({bookFile, toRtf, fromArchive});
        const QString target = QDir(workFolder).filePath(QFileInfo(bookFile).completeBaseName() + ".RTF");
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly))
            return false;
        out.write("{\\rtf1\\ansi Converted text\\par}");
        bookFile = target;
        return true;
    }

private:
    std::vector<Call>& calls_;
};

class Conversion : public OpenBookTest {
protected:
    void startWithDocument(const QString& name, const QString& alter)
    {
        document = book(name, "plain words of a document\r\n");
        startWith({{QStringLiteral("Документ"), {}, document}});
        setField(QStringLiteral("Документ"), field::Alter, alter);
        session().setConverter(std::make_unique<FakeConverter>(calls));
    }
    QString document;
    std::vector<FakeConverter::Call> calls;
};

TEST_F(Conversion, ADocumentIsConvertedAndOnlyTheConvertedCopyIsDeletedAtClose)
{
    startWithDocument(QStringLiteral("report.doc"), QStringLiteral("R"));
    open(QStringLiteral("Документ"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].file, document);
    EXPECT_TRUE(calls[0].toRtf);
    EXPECT_FALSE(calls[0].fromArchive);
    ASSERT_TRUE(form->bookOpen());
    const QString converted = session().currentBookFile();
    EXPECT_EQ(QFileInfo(converted).fileName(), QStringLiteral("report.RTF"));
    EXPECT_EQ(views().richView().toPlainText().trimmed(), QStringLiteral("Converted text"));

    trigger("TlBtClose");
    EXPECT_FALSE(QFileInfo::exists(converted));
    EXPECT_TRUE(QFileInfo::exists(document));
}

TEST_F(Conversion, AnotherFileTypeIsConvertedOnlyAfterYes)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "yes" : "no");
        calls.clear();
        startWithDocument(QStringLiteral("notes.txt"), QStringLiteral("T"));
        ui.expectQuestion(QStringLiteral("Тип файла .TXT Продолжить ?"), answer, Question::YesNo);
        open(QStringLiteral("Документ"));
        ui.verifyAllConsumed();
        ASSERT_TRUE(form->bookOpen());
        if (answer == Answer::Yes) {
            ASSERT_EQ(calls.size(), 1u);
            EXPECT_FALSE(calls[0].toRtf);
            EXPECT_NE(session().currentBookFile(), document);
        } else {
            EXPECT_TRUE(calls.empty());
            EXPECT_EQ(session().currentBookFile(), document); // loaded as it is
        }
        trigger("TlBtClose");
        form.reset();
    }
}

TEST_F(Conversion, WithoutAConverterTheDocumentLoadsUnconverted)
{
    startWithDocument(QStringLiteral("page.htm"), QStringLiteral("R"));
    session().setConverter(nullptr);
    open(QStringLiteral("Документ"));
    ASSERT_TRUE(form->bookOpen());
    EXPECT_EQ(session().currentBookFile(), document);
    EXPECT_EQ(views().richView().toPlainText().trimmed(), QStringLiteral("plain words of a document"));
}

} // namespace
} // namespace folianto::test
