// Compiles arbitrary text as a filter over the catalogue's fields and runs it on a few rows;
// also checks that sort keys order any two texts as the comparison does.

#include "engines/table/Collation.h"
#include "engines/table/Filter.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace folianto::table;

namespace {

FieldDefs catalogueDefs()
{
    const auto f = [](const char* name, FieldType type, int size = 0, bool calculated = false) {
        return FieldDef{QString::fromLatin1(name), type, size, calculated};
    };
    return {f("_BookName", FieldType::String, 100), f("_Author", FieldType::String, 70),
            f("_Topic", FieldType::String, 70),     f("_First", FieldType::Date),
            f("_Last", FieldType::Date),            f("_Percent", FieldType::Int16),
            f("_Size", FieldType::Int32),           f("_Comment", FieldType::String, 200),
            f("_FileName", FieldType::Memo),        f("_Pos", FieldType::Int32),
            f("_Oem", FieldType::FixedString, 1),   f("_Cur", FieldType::FixedString, 1),
            f("_Arc", FieldType::Int16),            f("_Alter", FieldType::String, 1),
            f("_TestFile", FieldType::Boolean, 0, true)};
}

struct Row : RowValues {
    std::vector<QVariant> values;
    QVariant value(int field) const override { return values.at(size_t(field)); }
};

std::vector<Row> sampleRows()
{
    Row full;
    full.values = {QStringLiteral("Война и мир"), QStringLiteral("Толстой Л.Н."), QStringLiteral("Проза"),
                   QDate(2003, 2, 1), QDate(2004, 5, 6), 100, 1500, QStringLiteral("O'Brien *"),
                   QStringLiteral("c:\\books\\war.zip"), 12, QStringLiteral("Y"), QStringLiteral("1"), 0,
                   QStringLiteral("R"), false};
    Row empty;
    empty.values.resize(full.values.size());
    return {full, empty};
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}

void checkKeys(const QString& a, const QString& b)
{
    for (const bool ci : {false, true}) {
        const int order = sign(compareText(a, b, ci));
        if (sign(collationKey(a, ci).compare(collationKey(b, ci))) != order
            || order != -sign(compareText(b, a, ci)) || (order == 0) != textEquals(a, b, ci))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    static const FieldDefs defs = catalogueDefs();
    static const std::vector<Row> rows = sampleRows();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const bool ci : {false, true}) {
        try {
            const auto filter = CompiledFilter::compile(text, defs, ci);
            for (const Row& r : rows)
                (void)filter->matches(r);
        } catch (const TableError&) {
        }
    }
    checkKeys(text.left(text.size() / 2), text.mid(text.size() / 2));
    return 0;
}
