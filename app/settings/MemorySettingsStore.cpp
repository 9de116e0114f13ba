#include "app/settings/MemorySettingsStore.h"

#include "app/settings/SettingsError.h"

namespace folianto::settings {

void MemorySettingsStore::deleteKey()
{
    values_.clear();
    exists_ = false;
}

bool MemorySettingsStore::valueExists(const QString& name) const
{
    return values_.contains(name);
}

std::optional<ValueKind> MemorySettingsStore::valueKind(const QString& name) const
{
    const auto it = values_.constFind(name);
    if (it == values_.constEnd())
        return std::nullopt;
    return it->kind;
}

QStringList MemorySettingsStore::valueNames() const
{
    return values_.keys();
}

void MemorySettingsStore::deleteValue(const QString& name)
{
    values_.remove(name);
}

const MemorySettingsStore::Value& MemorySettingsStore::require(const QString& name,
                                                                ValueKind kind) const
{
    const auto it = values_.constFind(name);
    if (it == values_.constEnd())
        throw SettingsError(missingValueMessage(name));
    if (it->kind != kind)
        throw SettingsError(wrongKindMessage(name));
    return *it;
}

QString MemorySettingsStore::readString(const QString& name) const
{
    return require(name, ValueKind::String).data.toString();
}

QByteArray MemorySettingsStore::readBinary(const QString& name) const
{
    return require(name, ValueKind::Binary).data.toByteArray();
}

qint32 MemorySettingsStore::readInteger(const QString& name) const
{
    return require(name, ValueKind::Integer).data.toInt();
}

void MemorySettingsStore::put(const QString& name, ValueKind kind, QVariant data)
{
    exists_ = true;
    values_.insert(name, Value{kind, std::move(data)});
}

void MemorySettingsStore::writeString(const QString& name, const QString& value)
{
    put(name, ValueKind::String, value);
}

void MemorySettingsStore::writeBinary(const QString& name, const QByteArray& value)
{
    put(name, ValueKind::Binary, value);
}

void MemorySettingsStore::writeInteger(const QString& name, qint32 value)
{
    put(name, ValueKind::Integer, value);
}

void MemorySettingsStore::putOther(const QString& name, const QVariant& value)
{
    put(name, ValueKind::Other, value);
}

} // namespace folianto::settings
