#include "Console.h"

#include <cstdio>

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void printError(const QString& line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

QString usageText()
{
    return QStringLiteral(
        "usage: folianto-cat dump FILE [--filter EXPR] [--sort INDEXNAME] [--nocase]\n"
        "       folianto-cat load FILE < rows.tsv\n"
        "       folianto-cat verify FILE\n"
        "       folianto-cat detect FILE...\n"
        "       folianto-cat export CATALOGUE --to text|csv|dbf|bon|zip OUT [--filter EXPR] [--sort INDEX] [--delimiter C]\n"
        "       folianto-cat import-dbf CATALOGUE TABLE [--map Книга=FIELD,Автор=FIELD,...] [--dos] [--ext EXT]\n"
        "       folianto-cat import-folder CATALOGUE DIR... [--names-only] [--subfolders] [--ext txt,rtf,...]\n"
        "                    [--author A] [--topic T] [--author-from-ext] [--no-topic-from-folder]\n"
        "                    [--path-to-comment] [--date-to-first] [--no-fb2-description]\n"
        "       folianto-cat import-bon CATALOGUE OTHER.bon\n"
        "       folianto-cat import-bbs CATALOGUE FILE --sep1 S [--sep2 S] [--sep3 S] [--targets T1,T2,T3,T4]\n"
        "                    [--link full|name|field] [--skip S] [--skip2 S] [--merge S]\n"
        "                    (targets: Книга, Автор, Прим or empty, default \",Автор,Книга,\"; a separator\n"
        "                    beginning with t or T is a Tab)\n"
        "       folianto-cat --help");
}

int usageError(const QString& message)
{
    if (!message.isEmpty())
        printError(message);
    printError(usageText());
    return 2;
}

int runHelp(const QStringList&)
{
    printOut(usageText() + u'\n');
    return 0;
}
