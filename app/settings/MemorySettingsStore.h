#pragma once
// A settings key held in memory, for tests: it behaves like the registry key, including values
// of a kind the program never writes (putOther) and the absence of the key itself.

#include "app/settings/SettingsStore.h"

#include <QMap>
#include <QVariant>

namespace folianto::settings {

class MemorySettingsStore : public SettingsStore {
public:
    bool keyExists() const override { return exists_; }
    void openKey() override { exists_ = true; }
    void deleteKey() override;

    bool valueExists(const QString& name) const override;
    std::optional<ValueKind> valueKind(const QString& name) const override;
    QStringList valueNames() const override;
    void deleteValue(const QString& name) override;

    QString readString(const QString& name) const override;
    QByteArray readBinary(const QString& name) const override;
    qint32 readInteger(const QString& name) const override;

    void writeString(const QString& name, const QString& value) override;
    void writeBinary(const QString& name, const QByteArray& value) override;
    void writeInteger(const QString& name, qint32 value) override;

    // A value of a kind none of the readers accepts (a multi-string, a 64-bit number...).
    void putOther(const QString& name, const QVariant& value);

private:
    struct Value {
        ValueKind kind = ValueKind::Other;
        QVariant data;
    };
    const Value& require(const QString& name, ValueKind kind) const;
    void put(const QString& name, ValueKind kind, QVariant data);

    bool exists_ = false;
    QMap<QString, Value> values_;
};

} // namespace folianto::settings
