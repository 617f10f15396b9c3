#pragma once
// The persistent registry of named database connections, shared by every program
// of the installation (aliases.ini in the store root). Names are compared without
// regard to case. An alias is created when missing and never changed afterwards.
#include <QMap>
#include <QString>
#include <optional>

namespace platform {

struct Alias {
    QString name;
    QString driver;                 // "INTRBASE" (Firebird), "SQLITE" (embedded file), "STANDARD" (a folder)
    QMap<QString, QString> params;  // "SERVER NAME", "USER NAME", "PATH", "DEFAULT DRIVER", ...
    QString param(const QString &key) const;
};

class AliasRegistry
{
public:
    AliasRegistry();                                   // the installation's registry
    explicit AliasRegistry(const QString &file);

    const QString &file() const { return m_file; }
    bool exists(const QString &name) const;
    std::optional<Alias> find(const QString &name) const;
    // Stores a new alias at once. Returns false and changes nothing when an alias of
    // that name already exists. Raises platform::Error when the store cannot be written.
    bool createIfMissing(const Alias &alias);

    static QString defaultFile();

private:
    QString m_file;
};

} // namespace platform
