#pragma once
// The settings key kept by QSettings("Tavimar", "Folianto") in the native format: the registry
// key HKCU\Software\Tavimar\Folianto on Windows, a file under the user's config folder on Linux.
//
// The Linux file keeps text and byte blocks apart but stores numbers as text, so on reading a
// string that is exactly a decimal 32-bit number is accepted as an integer; every other text is
// a string only.

#include "app/settings/SettingsStore.h"

#include <QSettings>
#include <memory>

namespace folianto::settings {

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    // For tests: the same layout in a file of one's choosing (IniFormat).
    explicit QtSettingsStore(const QString& iniFile);
    ~QtSettingsStore() override;

    bool keyExists() const override;
    void openKey() override;
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

    // Writes pending changes to disk now (QSettings otherwise does it later or on destruction).
    void sync();

private:
    std::unique_ptr<QSettings> settings_;
    bool keyCreated_ = false;
};

} // namespace folianto::settings
