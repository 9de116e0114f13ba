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

int usageError(const QString& message)
{
    if (!message.isEmpty())
        printError(message);
    printError(QStringLiteral("usage: folianto-cat dump FILE [--filter EXPR] [--sort INDEXNAME] [--nocase]\n"
                              "       folianto-cat load FILE < rows.tsv\n"
                              "       folianto-cat verify FILE\n"
                              "       folianto-cat detect FILE...\n"
                              "       folianto-cat export CATALOGUE --to text|csv|dbf|bon|zip OUT [--filter EXPR] [--sort INDEX] [--delimiter C]\n"
                              "       folianto-cat import-dbf CATALOGUE TABLE [--map Книга=FIELD,Автор=FIELD,...] [--dos] [--ext EXT]"));
    return 2;
}
