#include "engines/fb2/Fb2Genres.h"

#include <QHash>

namespace folianto::fb2 {

namespace {

struct Genre {
    const char* code;
    const char* name; // UTF-8
};

constexpr Genre kGenres[] = {
    // Science fiction and fantasy
    {"sf", "Научная фантастика"},
    {"sf_history", "Альтернативная история"},
    {"sf_action", "Боевая фантастика"},
    {"sf_epic", "Эпическая фантастика"},
    {"sf_heroic", "Героическая фантастика"},
    {"sf_detective", "Детективная фантастика"},
    {"sf_cyberpunk", "Киберпанк"},
    {"sf_space", "Космическая фантастика"},
    {"sf_social", "Социально-психологическая фантастика"},
    {"sf_horror", "Ужасы и мистика"},
    {"sf_humor", "Юмористическая фантастика"},
    {"sf_fantasy", "Фэнтези"},
    // Detective stories and thrillers
    {"detective", "Детектив"},
    {"det_classic", "Классический детектив"},
    {"det_police", "Полицейский детектив"},
    {"det_action", "Боевик"},
    {"det_irony", "Иронический детектив"},
    {"det_history", "Исторический детектив"},
    {"det_espionage", "Шпионский детектив"},
    {"det_crime", "Криминальный детектив"},
    {"det_political", "Политический детектив"},
    {"det_maniac", "Маньяки"},
    {"det_hard", "Крутой детектив"},
    {"thriller", "Триллер"},
    // Prose
    {"prose_classic", "Классическая проза"},
    {"prose_history", "Историческая проза"},
    {"prose_contemporary", "Современная проза"},
    {"prose_counter", "Контркультура"},
    {"prose_rus_classic", "Русская классическая проза"},
    {"prose_su_classics", "Советская классическая проза"},
    // Love stories
    {"love_contemporary", "Современные любовные романы"},
    {"love_history", "Исторические любовные романы"},
    {"love_detective", "Остросюжетные любовные романы"},
    {"love_short", "Короткие любовные романы"},
    {"love_erotica", "Эротика"},
    // Adventure
    {"adventure", "Приключения"},
    {"adv_western", "Вестерн"},
    {"adv_history", "Исторические приключения"},
    {"adv_indian", "Приключения про индейцев"},
    {"adv_maritime", "Морские приключения"},
    {"adv_geo", "Путешествия и география"},
    {"adv_animal", "Природа и животные"},
    // For children
    {"children", "Детская литература"},
    {"child_tale", "Сказки"},
    {"child_verse", "Детские стихи"},
    {"child_prose", "Детская проза"},
    {"child_sf", "Детская фантастика"},
    {"child_det", "Детские остросюжетные"},
    {"child_adv", "Детские приключения"},
    {"child_education", "Детская образовательная литература"},
    // Poetry and drama
    {"poetry", "Поэзия"},
    {"dramaturgy", "Драматургия"},
    // Old books
    {"antique", "Старинная литература"},
    {"antique_ant", "Античная литература"},
    {"antique_european", "Европейская старинная литература"},
    {"antique_russian", "Древнерусская литература"},
    {"antique_east", "Древневосточная литература"},
    {"antique_myths", "Мифы. Легенды. Эпос"},
    // Science and learning
    {"science", "Научная литература"},
    {"sci_history", "История"},
    {"sci_psychology", "Психология"},
    {"sci_culture", "Культурология"},
    {"sci_religion", "Религиоведение"},
    {"sci_philosophy", "Философия"},
    {"sci_politics", "Политика"},
    {"sci_business", "Деловая литература"},
    {"sci_juris", "Юриспруденция"},
    {"sci_linguistic", "Языкознание"},
    {"sci_medicine", "Медицина"},
    {"sci_phys", "Физика"},
    {"sci_math", "Математика"},
    {"sci_chem", "Химия"},
    {"sci_biology", "Биология"},
    {"sci_tech", "Технические науки"},
    // Computers
    {"computers", "Компьютерная литература"},
    {"comp_www", "Интернет"},
    {"comp_programming", "Программирование"},
    {"comp_hard", "Компьютерное железо"},
    {"comp_soft", "Программы"},
    {"comp_db", "Базы данных"},
    {"comp_osnet", "ОС и сети"},
    // Reference
    {"reference", "Справочная литература"},
    {"ref_encyc", "Энциклопедии"},
    {"ref_dict", "Словари"},
    {"ref_ref", "Справочники"},
    {"ref_guide", "Руководства"},
    // Non-fiction
    {"nonfiction", "Документальная литература"},
    {"nonf_biography", "Биографии и мемуары"},
    {"nonf_publicism", "Публицистика"},
    {"nonf_criticism", "Критика"},
    {"design", "Искусство и дизайн"},
    // Religion
    {"religion", "Религиозная литература"},
    {"religion_rel", "Религия"},
    {"religion_esoterics", "Эзотерика"},
    {"religion_self", "Самосовершенствование"},
    // Humour
    {"humor", "Юмор"},
    {"humor_anecdote", "Анекдоты"},
    {"humor_prose", "Юмористическая проза"},
    {"humor_verse", "Юмористические стихи"},
    // Home and family
    {"home", "Домоводство"},
    {"home_cooking", "Кулинария"},
    {"home_pets", "Домашние животные"},
    {"home_crafts", "Хобби и ремёсла"},
    {"home_entertain", "Развлечения"},
    {"home_health", "Здоровье"},
    {"home_garden", "Сад и огород"},
    {"home_diy", "Сделай сам"},
    {"home_sport", "Спорт"},
    {"home_sex", "Эротика, секс"},
};

const QHash<QString, QString>& genreNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> h;
        h.reserve(std::size(kGenres));
        for (const Genre& g : kGenres)
            h.insert(QString::fromLatin1(g.code), QString::fromUtf8(g.name));
        return h;
    }();
    return names;
}

} // namespace

QString genreName(QStringView code)
{
    const QString written = code.toString();
    return genreNames().value(written.toLower(), written);
}

} // namespace folianto::fb2
