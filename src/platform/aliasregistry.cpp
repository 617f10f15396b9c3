#include "aliasregistry.h"

#include <QDir>
#include <QFileInfo>

#include "error.h"
#include "inifile.h"
#include "paths.h"

namespace platform {

namespace {
const QString kDriverKey = QStringLiteral("DRIVER");
}

QString Alias::param(const QString &key) const
{
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}

QString AliasRegistry::defaultFile()
{
    return Paths::storeRoot() + QStringLiteral("/aliases.ini");
}

AliasRegistry::AliasRegistry()
    : m_file(defaultFile())
{
}

AliasRegistry::AliasRegistry(const QString &file)
    : m_file(file)
{
}

bool AliasRegistry::exists(const QString &name) const
{
    return IniFile(m_file).sectionExists(name);
}

std::optional<Alias> AliasRegistry::find(const QString &name) const
{
    const IniFile ini(m_file);
    if (!ini.sectionExists(name))
        return std::nullopt;
    Alias alias;
    alias.name = name.toUpper();
    for (const auto &entry : ini.section(name)) {
        if (entry.first.compare(kDriverKey, Qt::CaseInsensitive) == 0)
            alias.driver = entry.second;
        else
            alias.params.insert(entry.first, entry.second);
    }
    return alias;
}

bool AliasRegistry::createIfMissing(const Alias &alias)
{
    if (exists(alias.name))
        return false;
    const QString folder = QFileInfo(m_file).absolutePath();
    if (!QDir().mkpath(folder))
        throw Error(QStringLiteral("Unable to write to %1").arg(m_file));
    QList<QPair<QString, QString>> values{{kDriverKey, alias.driver}};
    for (auto it = alias.params.cbegin(); it != alias.params.cend(); ++it)
        values.append({it.key(), it.value()});
    IniFile(m_file).writeSection(alias.name.toUpper(), values);
    return true;
}

} // namespace platform
