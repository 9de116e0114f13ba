#pragma once
// The program's settings key, `Software\Tavimar\Folianto`, with registry semantics: named values
// that are strings, binary blocks or 32-bit integers; a value may be tested, deleted, and the key
// deleted as a whole. Reading a value as the wrong kind raises SettingsError.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace folianto::settings {

inline const QString SettingsKeyPath = QStringLiteral("Software\\Tavimar\\Folianto");

enum class ValueKind { String, Binary, Integer, Other };

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Whether the key exists; openKey() creates it when missing.
    virtual bool keyExists() const = 0;
    virtual void openKey() = 0;
    // Deletes the key with all its values; harmless when it does not exist.
    virtual void deleteKey() = 0;

    virtual bool valueExists(const QString& name) const = 0;
    // nullopt when the value does not exist.
    virtual std::optional<ValueKind> valueKind(const QString& name) const = 0;
    virtual QStringList valueNames() const = 0;
    virtual void deleteValue(const QString& name) = 0;

    // Each throws SettingsError when the value is missing or of another kind.
    virtual QString readString(const QString& name) const = 0;
    virtual QByteArray readBinary(const QString& name) const = 0;
    virtual qint32 readInteger(const QString& name) const = 0;

    // Writing a value creates the key when needed.
    virtual void writeString(const QString& name, const QString& value) = 0;
    virtual void writeBinary(const QString& name, const QByteArray& value) = 0;
    virtual void writeInteger(const QString& name, qint32 value) = 0;
};

// The messages of SettingsError, shared by the backends.
QString missingValueMessage(const QString& name);
QString wrongKindMessage(const QString& name);

} // namespace folianto::settings
