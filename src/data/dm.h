#pragma once
// The data module: owns the two database connections for the whole run and every
// dataset that more than one window uses, with their derived fields and rules.
// Windows replace the text of its queries (close, replace, open) but never free them.
#include <QObject>
#include <functional>
#include <memory>

#include "engine/connection.h"
#include "engine/datasource.h"
#include "engine/memorytable.h"
#include "engine/querydataset.h"
#include "engine/tabledataset.h"

namespace platform {
class AliasRegistry;
}

class TDm : public QObject
{
    Q_OBJECT
public:
    // Connects QalMotor (Database2) and QalPrb (Database1) by their aliases, user
    // sysdba with the installation's password, then makes every dataset and opens
    // those that start open. Raises engine::DbError naming the database that cannot
    // be connected.
    explicit TDm(const platform::AliasRegistry &aliases, QObject *parent = nullptr);
    ~TDm() override;

    static QString userName();
    static QString password();

    engine::Connection Database2{QStringLiteral("QalMotor")};
    engine::Connection Database1{QStringLiteral("QalPrb")};
    engine::Connection Database3{QStringLiteral("MOTOR")};   // spare; configured by the send

    // Datasets in declaration order; nullptr where the edition has none (the basic
    // edition has no RecAllQ, RecAllQ3, RecAllQ2, RecAllT, PayTypeT, RecAll2T, PayQ).
    engine::TableDataset *Sticker2T = nullptr;
    engine::QueryDataset *Sticker2Q = nullptr;
    engine::TableDataset *PolMotorT = nullptr;
    engine::QueryDataset *ExecQ = nullptr;
    engine::TableDataset *MotorT = nullptr;
    engine::TableDataset *ProvinceT = nullptr;
    engine::TableDataset *PrefixT = nullptr;
    engine::TableDataset *PrbT = nullptr;
    engine::QueryDataset *BrandQ = nullptr;
    engine::QueryDataset *PacketQ = nullptr;
    engine::QueryDataset *BrandQ2 = nullptr;
    engine::QueryDataset *MotorQ = nullptr;
    engine::QueryDataset *MotorQ2 = nullptr;
    engine::QueryDataset *PolMotorQ = nullptr;
    engine::QueryDataset *PolMotorQ2 = nullptr;
    // The transfer table's rows; the transfer-table library supplies the store on
    // disk through transferWriteThrough, which runs after every post.
    engine::MemoryTable *TransferT = nullptr;
    engine::QueryDataset *MotorQ3 = nullptr;
    engine::TableDataset *BrandT = nullptr;
    engine::TableDataset *AgentT = nullptr;
    engine::QueryDataset *AgentQ = nullptr;
    engine::QueryDataset *AgentQ2 = nullptr;
    engine::QueryDataset *RecAllQ = nullptr;
    engine::QueryDataset *RecAllQ3 = nullptr;
    engine::QueryDataset *RecAllQ2 = nullptr;
    engine::MemoryTable *RecAllT = nullptr;
    engine::TableDataset *PayTypeT = nullptr;
    engine::MemoryTable *RecAll2T = nullptr;
    engine::TableDataset *PayT = nullptr;
    engine::QueryDataset *PayQ = nullptr;
    engine::TableDataset *StickerT = nullptr;
    engine::QueryDataset *Query1 = nullptr;

    engine::DataSource *Sticker2TDs = nullptr;
    engine::DataSource *PolMotorTDs = nullptr;
    engine::DataSource *MotorTDs = nullptr;
    engine::DataSource *ProvinceTDs = nullptr;
    engine::DataSource *PrefixTDs = nullptr;
    engine::DataSource *PrbTDs = nullptr;
    engine::DataSource *BrandQDs = nullptr;
    engine::DataSource *PacketQDs = nullptr;
    engine::DataSource *BrandQ2Ds = nullptr;
    engine::DataSource *MotorQDs = nullptr;
    engine::DataSource *AgentTDs = nullptr;
    engine::DataSource *AgentQ2Ds = nullptr;
    engine::DataSource *RecAllQDs = nullptr;
    engine::DataSource *RecAllQ3Ds = nullptr;
    engine::DataSource *RecAllQ2Ds = nullptr;
    engine::DataSource *RecAllTDs = nullptr;
    engine::DataSource *PayTypeTDs = nullptr;
    engine::DataSource *RecAll2TDs = nullptr;
    engine::DataSource *PayTDs = nullptr;
    engine::DataSource *PayQDs = nullptr;

    // Copies every row of MotorQ into TransferT; returns the number of rows.
    int BatchMove1();
    // Writes a posted TransferT row through to the table on disk.
    std::function<void(engine::Dataset &)> transferWriteThrough;

private:
    void createDatasets();
    void openStartDatasets();
    engine::DataSource *source(engine::Dataset *dataset, const QString &name);
};

// The one instance, made by the start-up.
extern TDm *Dm;
