#pragma once
// The data module: owns the two database connections for the whole run and every
// dataset that more than one window uses.
#include <QObject>
#include <memory>

#include "engine/connection.h"

namespace platform {
class AliasRegistry;
}

class TDm : public QObject
{
    Q_OBJECT
public:
    // Connects QalMotor (Database2) and QalPrb (Database1) by their aliases, user
    // sysdba with the installation's password. Raises engine::DbError naming the
    // database that cannot be connected.
    explicit TDm(const platform::AliasRegistry &aliases, QObject *parent = nullptr);
    ~TDm() override;

    static QString userName();
    static QString password();

    engine::Connection Database2{QStringLiteral("QalMotor")};
    engine::Connection Database1{QStringLiteral("QalPrb")};
    engine::Connection Database3{QStringLiteral("MOTOR")};   // spare; configured by the send
};

// The one instance, made by the start-up.
extern TDm *Dm;
