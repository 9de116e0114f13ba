#include "exchange/CatalogueExport.h"

#include "exchange/ZipFile.h"

namespace folianto::exchange {

bool runExport(const table::Dataset& view, const ExportRequest& request, const Progress& progress)
{
    switch (request.type) {
    case ExportType::Catalogue:
        writeCatalogueCopy(view, request.target, progress);
        return true;
    case ExportType::Text:
        writeDelimitedText(view, request.target, request.delimiter, progress);
        return true;
    case ExportType::Dbf:
        writeDbfTable(view, request.target, request.when, progress);
        return true;
    case ExportType::Zip:
        return ZipFile(request.catalogueFile, request.target, progress);
    case ExportType::CsvUtf8:
        writeCsvUtf8(view, request.target, progress);
        return true;
    }
    return false;
}

std::optional<QChar> delimiterFromAnswer(const QString& answer)
{
    if (answer.isEmpty())
        return std::nullopt;
    return answer.front() == u't' ? QChar(u'\t') : answer.front();
}

QString delimiterAnswer(QChar delimiter)
{
    return delimiter == u'\t' ? QStringLiteral("t") : QString(delimiter);
}

std::optional<ExportType> exportTypeNamed(const QString& name)
{
    static const std::pair<const char*, ExportType> names[] = {
        {"bon", ExportType::Catalogue}, {"text", ExportType::Text}, {"dbf", ExportType::Dbf},
        {"zip", ExportType::Zip},       {"csv", ExportType::CsvUtf8}};
    for (const auto& [n, type] : names)
        if (name == QLatin1String(n))
            return type;
    return std::nullopt;
}

} // namespace folianto::exchange
