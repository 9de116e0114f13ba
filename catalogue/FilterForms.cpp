#include "catalogue/FilterForms.h"

#include "catalogue/CatalogueRecord.h"

namespace folianto::catalogue {

QString quoteFilterText(const QString& value)
{
    QString doubled = value;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString cellFilter(const QString& field, const QString& value)
{
    if (value.isEmpty())
        return field + QStringLiteral("=null");
    return field + u'=' + quoteFilterText(value);
}

QString withinFilter(const QString& selection, const QString& filter)
{
    return selection + QStringLiteral(" and ( ") + filter + QStringLiteral(" )");
}

QString topicFilter(const QString& topic)
{
    return cellFilter(field::Topic, topic);
}

bool isTextField(table::FieldType type)
{
    return type == table::FieldType::String || type == table::FieldType::FixedString || type == table::FieldType::Memo;
}

bool isNumberField(table::FieldType type)
{
    return type == table::FieldType::Int16 || type == table::FieldType::Int32;
}

QString composedCondition(const ConditionInput& in)
{
    QString text;
    if (!in.first)
        text = in.orWith ? QStringLiteral("or") : QStringLiteral("and");
    text += in.open ? QStringLiteral("(") : QStringLiteral(" ");
    const QString& f = in.field;
    const QString empty = quoteFilterText({});
    if (isTextField(in.type) && in.value.isEmpty()) {
        if (in.op == QLatin1String("="))
            text += f + u'=' + empty + QStringLiteral(" or ") + f + QStringLiteral("= null");
        else if (in.op == QLatin1String("<>"))
            text += f + QStringLiteral("<>") + empty + QStringLiteral(" and ") + f + QStringLiteral(" <> null");
        else
            text += f + in.op + empty;
    } else if (!isTextField(in.type) && in.value.isEmpty()) {
        text += f + in.op + QStringLiteral(" null");
    } else if (isTextField(in.type)) {
        if (in.op == QLatin1String("=") && in.value.startsWith(u'*') && in.value.count(u'*') == 2) {
            QString pattern = in.value;
            pattern.replace(u'*', u'%');
            text += f + QStringLiteral(" like ") + quoteFilterText(pattern);
        } else {
            text += f + in.op + quoteFilterText(in.value);
        }
    } else {
        text += f + u' ' + in.op + u' ' + quoteFilterText(in.value);
    }
    if (in.close)
        text += u')';
    return text;
}

QString composedFilter(const QStringList& conditions)
{
    QString text;
    for (const QString& c : conditions)
        text += u' ' + c + u' ';
    return text;
}

QString withoutLeadingConnective(const QString& condition)
{
    if (condition.startsWith(QLatin1String("and")))
        return condition.mid(3);
    if (condition.startsWith(QLatin1String("or")))
        return condition.mid(2);
    return condition;
}

} // namespace folianto::catalogue
