#include "app/settings/QtSettingsStore.h"

#include "app/settings/SettingsError.h"

#include <QFile>
#include <limits>

namespace folianto::settings {

namespace {

std::optional<qint32> asInt32(const QVariant& v)
{
    bool ok = false;
    qlonglong n = 0;
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        n = v.toLongLong(&ok);
        break;
    case QMetaType::QString: {
        // Text that is exactly a decimal number: how the Linux file keeps an integer.
        const QString s = v.toString();
        if (s.isEmpty() || s.trimmed() != s)
            return std::nullopt;
        n = s.toLongLong(&ok, 10);
        break;
    }
    default:
        return std::nullopt;
    }
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(n);
}

ValueKind kindOf(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::QString: return ValueKind::String;
    case QMetaType::QByteArray: return ValueKind::Binary;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return ValueKind::Integer;
    default: return ValueKind::Other;
    }
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Tavimar"), QStringLiteral("Folianto")))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

QtSettingsStore::~QtSettingsStore() = default;

bool QtSettingsStore::keyExists() const
{
    if (keyCreated_ || !settings_->allKeys().isEmpty())
        return true;
#ifndef Q_OS_WIN
    return QFile::exists(settings_->fileName());
#else
    return false;
#endif
}

void QtSettingsStore::openKey()
{
    keyCreated_ = true;
}

void QtSettingsStore::deleteKey()
{
    settings_->clear();
    settings_->sync();
    keyCreated_ = false;
#ifndef Q_OS_WIN
    // The file is the key: without it the key no longer exists.
    QFile::remove(settings_->fileName());
#endif
}

bool QtSettingsStore::valueExists(const QString& name) const
{
    return settings_->contains(name);
}

std::optional<ValueKind> QtSettingsStore::valueKind(const QString& name) const
{
    if (!settings_->contains(name))
        return std::nullopt;
    return kindOf(settings_->value(name));
}

QStringList QtSettingsStore::valueNames() const
{
    return settings_->childKeys();
}

void QtSettingsStore::deleteValue(const QString& name)
{
    settings_->remove(name);
}

QString QtSettingsStore::readString(const QString& name) const
{
    if (!settings_->contains(name))
        throw SettingsError(missingValueMessage(name));
    const QVariant v = settings_->value(name);
    if (v.metaType().id() != QMetaType::QString)
        throw SettingsError(wrongKindMessage(name));
    return v.toString();
}

QByteArray QtSettingsStore::readBinary(const QString& name) const
{
    if (!settings_->contains(name))
        throw SettingsError(missingValueMessage(name));
    const QVariant v = settings_->value(name);
    if (v.metaType().id() != QMetaType::QByteArray)
        throw SettingsError(wrongKindMessage(name));
    return v.toByteArray();
}

qint32 QtSettingsStore::readInteger(const QString& name) const
{
    if (!settings_->contains(name))
        throw SettingsError(missingValueMessage(name));
    const std::optional<qint32> n = asInt32(settings_->value(name));
    if (!n)
        throw SettingsError(wrongKindMessage(name));
    return *n;
}

void QtSettingsStore::writeString(const QString& name, const QString& value)
{
    keyCreated_ = true;
    settings_->setValue(name, value);
}

void QtSettingsStore::writeBinary(const QString& name, const QByteArray& value)
{
    keyCreated_ = true;
    settings_->setValue(name, value);
}

void QtSettingsStore::writeInteger(const QString& name, qint32 value)
{
    keyCreated_ = true;
    settings_->setValue(name, value);
}

void QtSettingsStore::sync()
{
    settings_->sync();
}

} // namespace folianto::settings
