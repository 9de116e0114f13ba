#!/usr/bin/env python3
"""Catalogue rows of realistic Russian titles, authors, topics and Windows links.

make_rows.py COUNT OUT_PREFIX writes OUT_PREFIX.tsv (the header line and escaped rows that
`folianto-cat load` reads) and OUT_PREFIX.sqlite.tsv (the same values unescaped, for the
sqlite3 shell's `.import`). The same COUNT always gives the same rows.
"""
import random
import sys

ADJECTIVES = ["Тихий", "Красная", "Белые", "Последний", "Вечная", "Тёмные", "Золотой", "Старая",
              "Горячий", "Северная", "Зимняя", "Далёкие", "Ночной", "Забытая", "Новый", "Морская",
              "Весенний", "Чёрная", "Ясная", "Потерянный", "Дикая", "Светлые"]
NOUNS = ["Дон", "роза", "ночи", "герой", "любовь", "аллеи", "телёнок", "крепость", "снег", "звезда",
         "дорога", "берега", "дозор", "мельница", "мир", "волна", "ветер", "книга", "сад", "город",
         "остров", "поляна", "гроза", "судьба", "память", "пристань"]
TAILS = ["", "", "", " и другие рассказы", ": роман", " (сборник)", ". Часть вторая", " над рекой",
         " в огне", ". Повести", ", или Путешествие на север"]
SURNAMES = ["Толстой", "Достоевский", "Чехов", "Пушкин", "Лермонтов", "Тургенев", "Гоголь", "Бунин",
            "Шолохов", "Булгаков", "Пастернак", "Ахматова", "Цветаева", "Набоков", "Куприн", "Горький",
            "Лесков", "Гончаров", "Салтыков-Щедрин", "Островский", "Паустовский", "Платонов", "Ефремов",
            "Стругацкий", "Беляев", "Грин", "Катаев", "Каверин", "Ильф", "Зощенко"]
INITIALS = ["Л.Н.", "Ф.М.", "А.П.", "А.С.", "М.Ю.", "И.С.", "Н.В.", "И.А.", "М.А.", "Б.Н.", "А.А."]
TOPICS = ["Классика", "Фантастика", "Детектив", "Поэзия", "История", "Приключения", "Мемуары",
          "Драматургия", "Сатира", "Философия"]
COMMENTS = ["Прочитать ещё раз", "Подарок от друга", "Перевод плохой", "Начало скучное, дальше лучше"]
FIELDS = ["_BookName", "_Author", "_Topic", "_First", "_Last", "_Percent", "_Size", "_Comment",
          "_FileName", "_Pos"]


def rows(count):
    rng = random.Random(count)
    for i in range(count):
        topic = rng.choice(TOPICS)
        author = f"{rng.choice(SURNAMES)} {rng.choice(INITIALS)}"
        title = f"{rng.choice(ADJECTIVES)} {rng.choice(NOUNS)}{rng.choice(TAILS)}"
        read = rng.randrange(3) == 0
        first = f"{rng.randrange(1, 29):02}.{rng.randrange(1, 13):02}.{rng.randrange(2000, 2024)}" if read else ""
        last = f"{rng.randrange(1, 29):02}.{rng.randrange(1, 13):02}.{rng.randrange(2010, 2025)}" if read else ""
        percent = str(rng.randrange(101)) if read else ""
        pos = str(rng.randrange(1000000)) if read else ""
        comment = rng.choice(COMMENTS) if rng.randrange(5) == 0 else ""
        link = f"D:\\Библиотека\\{topic}\\{author.split()[0]}\\{title[:40]} ({i}).fb2"
        yield [title, author, topic, first, last, percent, str(rng.randrange(5000000)), comment, link, pos]


def main():
    count, prefix = int(sys.argv[1]), sys.argv[2]
    with open(prefix + ".tsv", "w", encoding="utf-8", newline="\n") as ours, \
            open(prefix + ".sqlite.tsv", "w", encoding="utf-8", newline="\n") as theirs:
        ours.write("\t".join(FIELDS) + "\n")
        for row in rows(count):
            ours.write("\t".join(v.replace("\\", "\\\\") for v in row) + "\n")
            theirs.write("\t".join(row) + "\n")


if __name__ == "__main__":
    main()
