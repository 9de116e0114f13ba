#include "app/DemoCatalogue.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/table/Dataset.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>

namespace folianto::app {

namespace {

enum class Encoding { Dos, Koi, Win };

struct SampleBook {
    const char* file;
    const char* title;
    const char* author;
    const char* topic;
    const char* comment;
    Encoding encoding;
    int percentRead; // 0: not started
    const char* text;
};

// Short texts written for this demo.
const SampleBook kBooks[] = {
    {"doroga_dos.txt", "Дорога к морю", "Иван Светлов", "Путешествия", "Текст в кодировке DOS (866)",
     Encoding::Dos, 45,
     "Дорога к морю\r\n\r\n"
     "Мы вышли из города рано утром, когда над рекой ещё стоял туман. Старый автобус\r\n"
     "долго петлял между холмами, и каждый поворот открывал новую долину: то сады,\r\n"
     "то виноградники, то белые домики с синими ставнями.\r\n\r\n"
     "К полудню воздух стал солёным. Водитель остановился у поворота и сказал, что\r\n"
     "дальше дорога идёт только пешком. Мы взяли рюкзаки и пошли по тропинке вниз,\r\n"
     "туда, где за соснами шумело море.\r\n\r\n"
     "Вечером мы сидели на тёплых камнях и смотрели, как солнце медленно уходит\r\n"
     "за горизонт. Никто не хотел говорить: всё главное было сказано волнами.\r\n"},
    {"zima_koi8.txt", "Зимний вечер", "Анна Полянская", "Рассказы", "Текст в кодировке KOI-8",
     Encoding::Koi, 100,
     "Зимний вечер\r\n\r\n"
     "Снег шёл с самого обеда, и к вечеру двор превратился в белое поле. Бабушка\r\n"
     "зажгла лампу, поставила на стол самовар и достала из буфета банку малинового\r\n"
     "варенья.\r\n\r\n"
     "- Рассказать тебе, как мы жили, когда я была маленькой? - спросила она.\r\n\r\n"
     "Я кивнул и забрался с ногами на диван. За окном выл ветер, печка потрескивала,\r\n"
     "а бабушка говорила о деревне у леса, о лыжах из берёзовых досок и о том, как\r\n"
     "однажды зимой к самому крыльцу пришёл лось.\r\n"},
    {"pismo_win.txt", "Письмо другу", "Пётр Карпов", "Письма", "Текст в кодировке Windows-1251",
     Encoding::Win, 0,
     "Письмо другу\r\n\r\n"
     "Здравствуй, Алексей!\r\n\r\n"
     "Пишу тебе из маленького города на севере, где я теперь работаю в библиотеке.\r\n"
     "Здесь тихо: по утрам слышно, как на реке трещит лёд, а днём в читальном зале\r\n"
     "сидят школьники и старики с газетами.\r\n\r\n"
     "Я разбираю старые каталоги и нахожу удивительные книги. Вчера попалась\r\n"
     "путевая тетрадь какого-то инженера: он строил здесь мост сто лет назад и\r\n"
     "записывал всё - погоду, цены на хлеб, имена рабочих.\r\n\r\n"
     "Приезжай летом. Покажу тебе и мост, и тетрадь.\r\n\r\n"
     "Твой Пётр\r\n"},
};

QByteArray toKoi8r(const QString& text)
{
    // The inverse of the KOI8-R table, built once.
    static const QHash<QChar, char> table = [] {
        QHash<QChar, char> t;
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = codepage::fromKoi8r(QByteArrayView(&byte, 1));
            if (c.size() == 1)
                t.insert(c[0], byte);
        }
        return t;
    }();
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(table.value(c, '?'));
    return out;
}

QByteArray encode(const QString& text, Encoding e)
{
    switch (e) {
    case Encoding::Dos: return codepage::toCp866(text);
    case Encoding::Koi: return toKoi8r(text);
    case Encoding::Win: return codepage::toCp1251(text);
    }
    return {};
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

} // namespace

QString makeDemoCatalogue(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    const QDir dir(folder);
    namespace f = catalogue::field;
    try {
        table::Dataset ds;
        ds.setFieldDefs(catalogue::catalogueFieldDefs());
        ds.createEmpty();
        for (const SampleBook& book : kBooks) {
            const QString path = QDir::cleanPath(dir.absoluteFilePath(QString::fromLatin1(book.file)));
            const QByteArray bytes = encode(QString::fromUtf8(book.text), book.encoding);
            if (!writeFile(path, bytes))
                return {};
            ds.append();
            ds.setValue(f::BookName, QString::fromUtf8(book.title));
            ds.setValue(f::Author, QString::fromUtf8(book.author));
            ds.setValue(f::Topic, QString::fromUtf8(book.topic));
            ds.setValue(f::Comment, QString::fromUtf8(book.comment));
            ds.setValue(f::FileName, QDir::toNativeSeparators(path));
            ds.setValue(f::Size, int(bytes.size()));
            if (book.percentRead > 0) {
                // A little reading history, as if the demo had been used for a while.
                const QDate last = QDate::currentDate().addDays(-book.percentRead / 10);
                ds.setValue(f::First, last.addDays(-12));
                ds.setValue(f::Last, last);
                ds.setValue(f::Percent, book.percentRead);
                ds.setValue(f::Pos, int(bytes.size() * book.percentRead / 100));
            }
            ds.post();
        }
        const QString catalogue = dir.absoluteFilePath(QStringLiteral("demo.bon"));
        ds.saveToFile(catalogue);
        return catalogue;
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace folianto::app
