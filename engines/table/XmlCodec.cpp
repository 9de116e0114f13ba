// The XML catalogue file: the same content as the binary form, readable.
//   <folianto-catalogue version="1">
//     <fields><field name="_BookName" type="string" size="100"/>...</fields>
//     <rows><row><v>text</v><n/><b>base64 of UTF-8</b>...</row>...</rows>
//   </folianto-catalogue>
// A row lists its stored fields in order: <v> a value, <n/> null, <b> a text holding
// characters XML cannot carry (control characters, carriage returns).

#include "engines/table/TableData.h"
#include "engines/table/TableError.h"

#include <QDate>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <array>

namespace folianto::table {

namespace {

constexpr int kXmlVersion = 1;
const QString kRoot = QStringLiteral("folianto-catalogue");

struct TypeName {
    FieldType type;
    const char16_t* name;
};
constexpr std::array<TypeName, 7> kTypeNames{{
    {FieldType::String, u"string"},
    {FieldType::FixedString, u"fixed"},
    {FieldType::Memo, u"memo"},
    {FieldType::Date, u"date"},
    {FieldType::Int16, u"int16"},
    {FieldType::Int32, u"int32"},
    {FieldType::Boolean, u"boolean"},
}};

QString damaged()
{
    return QStringLiteral("Файл каталога повреждён");
}

QString typeName(FieldType t)
{
    for (const TypeName& n : kTypeNames)
        if (n.type == t)
            return QString::fromUtf16(n.name);
    return {};
}

FieldType typeFromName(QStringView name)
{
    for (const TypeName& n : kTypeNames)
        if (name == QStringView(n.name))
            return n.type;
    throw TableError(damaged());
}

// Characters an XML 1.0 document cannot hold as they are, or would change on reading.
bool needsBase64(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF)
            return true;
        if (c.isHighSurrogate()) {
            if (i + 1 >= s.size() || !s[i + 1].isLowSurrogate())
                return true;
            ++i;
        } else if (c.isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

QString valueToXmlText(const FieldDef& def, const QVariant& v)
{
    switch (def.type) {
    case FieldType::Date:
        return v.toDate().toString(Qt::ISODate);
    case FieldType::Boolean:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case FieldType::Int16:
    case FieldType::Int32:
        return QString::number(v.toInt());
    default:
        return v.toString();
    }
}

QVariant valueFromXmlText(const FieldDef& def, const QString& text)
{
    bool ok = true;
    QVariant v;
    switch (def.type) {
    case FieldType::String:
    case FieldType::FixedString:
        v = text.left(def.size);
        break;
    case FieldType::Memo:
        v = text;
        break;
    case FieldType::Date: {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        ok = d.isValid() && d.year() >= 1 && d.year() <= 9999;
        v = d;
        break;
    }
    case FieldType::Int16: {
        const short n = text.toShort(&ok);
        v = int(n);
        break;
    }
    case FieldType::Int32: {
        const int n = text.toInt(&ok);
        v = n;
        break;
    }
    case FieldType::Boolean:
        ok = text == u"true" || text == u"false";
        v = text == u"true";
        break;
    }
    if (!ok)
        throw TableError(damaged());
    return v;
}

class XmlTableReader {
public:
    explicit XmlTableReader(QByteArrayView bytes) : xml_(QByteArray::fromRawData(bytes.data(), bytes.size())) {}

    TableData read()
    {
        if (!xml_.readNextStartElement() || xml_.name() != kRoot)
            fail(QStringLiteral("Файл не является каталогом"));
        bool ok = false;
        const int version = xml_.attributes().value(QLatin1String("version")).toInt(&ok);
        if (!ok || version < 1)
            fail(damaged());
        if (version > kXmlVersion)
            fail(QStringLiteral("Каталог записан более новой версией программы"));
        bool haveFields = false, haveRows = false;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"fields" && !haveFields) {
                readFields();
                haveFields = true;
            } else if (xml_.name() == u"rows" && haveFields && !haveRows) {
                readRows();
                haveRows = true;
            } else {
                fail(damaged());
            }
        }
        while (!xml_.atEnd())
            xml_.readNext();
        if (xml_.hasError() || !haveFields)
            fail(damaged());
        return std::move(table_);
    }

private:
    [[noreturn]] void fail(const QString& message) { throw TableError(message); }

    void readFields()
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"field")
                fail(damaged());
            const auto a = xml_.attributes();
            FieldDef f;
            f.name = a.value(QLatin1String("name")).toString();
            f.type = typeFromName(a.value(QLatin1String("type")));
            bool ok = true;
            if (a.hasAttribute(QLatin1String("size")))
                f.size = a.value(QLatin1String("size")).toInt(&ok);
            f.calculated = a.value(QLatin1String("calculated")) == u"true";
            if (!ok)
                fail(damaged());
            table_.defs.append(f);
            xml_.skipCurrentElement();
        }
        if (xml_.hasError())
            fail(damaged());
        try {
            checkFieldDefs(table_.defs);
        } catch (const TableError&) {
            fail(damaged());
        }
    }

    void readRows()
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"row")
                fail(damaged());
            std::vector<QVariant> row(size_t(table_.defs.size()));
            int field = nextStored(-1);
            while (xml_.readNextStartElement()) {
                if (field >= table_.defs.size())
                    fail(damaged());
                const FieldDef& def = table_.defs[field];
                if (xml_.name() == u"n") {
                    xml_.skipCurrentElement();
                } else if (xml_.name() == u"v") {
                    row[size_t(field)] = valueFromXmlText(def, readText());
                } else if (xml_.name() == u"b" && isTextType(def.type)) {
                    const auto decoded = QByteArray::fromBase64Encoding(readText().toLatin1(),
                                                                        QByteArray::AbortOnBase64DecodingErrors);
                    if (!decoded)
                        fail(damaged());
                    row[size_t(field)] = valueFromXmlText(def, QString::fromUtf8(*decoded));
                } else {
                    fail(damaged());
                }
                field = nextStored(field);
            }
            if (xml_.hasError() || field != table_.defs.size())
                fail(damaged());
            table_.rows.push_back(std::move(row));
        }
        if (xml_.hasError())
            fail(damaged());
    }

    QString readText()
    {
        const QString text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (xml_.hasError())
            fail(damaged());
        return text;
    }

    int nextStored(int field) const
    {
        do
            ++field;
        while (field < table_.defs.size() && table_.defs[field].calculated);
        return field;
    }

    QXmlStreamReader xml_;
    TableData table_;
};

} // namespace

QByteArray encodeXml(const TableData& table)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(kRoot);
    xml.writeAttribute(QStringLiteral("version"), QString::number(kXmlVersion));
    xml.writeStartElement(QStringLiteral("fields"));
    for (const FieldDef& f : table.defs) {
        xml.writeEmptyElement(QStringLiteral("field"));
        xml.writeAttribute(QStringLiteral("name"), f.name);
        xml.writeAttribute(QStringLiteral("type"), typeName(f.type));
        if (f.size > 0)
            xml.writeAttribute(QStringLiteral("size"), QString::number(f.size));
        if (f.calculated)
            xml.writeAttribute(QStringLiteral("calculated"), QStringLiteral("true"));
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("rows"));
    for (const auto& row : table.rows) {
        xml.writeStartElement(QStringLiteral("row"));
        for (int i = 0; i < table.defs.size(); ++i) {
            const FieldDef& def = table.defs[i];
            if (def.calculated)
                continue;
            const QVariant v = size_t(i) < row.size() ? row[size_t(i)] : QVariant();
            if (!v.isValid()) {
                xml.writeEmptyElement(QStringLiteral("n"));
                continue;
            }
            const QString text = valueToXmlText(def, v);
            if (isTextType(def.type) && needsBase64(text))
                xml.writeTextElement(QStringLiteral("b"), QString::fromLatin1(text.toUtf8().toBase64()));
            else
                xml.writeTextElement(QStringLiteral("v"), text);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

TableData decodeXml(QByteArrayView bytes)
{
    return XmlTableReader(bytes).read();
}

} // namespace folianto::table
