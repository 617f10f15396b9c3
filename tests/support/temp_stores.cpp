#include "temp_stores.h"

#include <QDir>

#include "platform/paths.h"

TempStores::TempStores()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("bin"));
    platform::Paths::setStoreRoot(m_dir.path() + QStringLiteral("/store"));
    platform::Paths::setProgramFolder(programFolder());
}

TempStores::~TempStores()
{
    platform::Paths::reset();
}

QString TempStores::programFolder() const
{
    return m_dir.path() + QStringLiteral("/bin");
}

QString TempStores::path(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}
