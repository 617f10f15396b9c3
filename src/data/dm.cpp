#include "dm.h"

#include "platform/aliasregistry.h"

TDm *Dm = nullptr;

QString TDm::userName()
{
    return QStringLiteral("sysdba");
}

QString TDm::password()
{
    return QStringLiteral("zovuroruv");
}

TDm::TDm(const platform::AliasRegistry &aliases, QObject *parent)
    : QObject(parent)
{
    Database2.openAlias(aliases, QStringLiteral("QalMotor"), userName(), password());
    Database1.openAlias(aliases, QStringLiteral("QalPrb"), userName(), password());
    Dm = this;
}

TDm::~TDm()
{
    if (Dm == this)
        Dm = nullptr;
}
