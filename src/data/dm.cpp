#include "dm.h"

#include "agentcode.h"
#include "datasetfields.h"
#include "derivedfields.h"
#include "edition/edition.h"
#include "engine/batchmove.h"
#include "platform/aliasregistry.h"

using engine::FieldDef;
using engine::FieldType;

TDm *Dm = nullptr;

namespace {

const QString dateMask = QStringLiteral("!99/99/2500;1;_");
const QString timeMask = QStringLiteral("!90:00;1;_");

QStringList list(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *n : names)
        out << QString::fromLatin1(n);
    return out;
}

// The money columns of MOTOR: PREM to COMMISS, PAID, MOTCOM, PRBCOM, OUTSTANDING.
QStringList motorMoney()
{
    return list({"PREM", "STAMP", "TAX", "NETPREM", "PREM1", "PREM2", "DISCOUNT", "COMMISS", "PAID", "MOTCOM", "PRBCOM",
                 "OUTSTANDING"});
}

void maskDates(engine::Dataset &d)
{
    for (const char *name : {"KEYDATE", "RECDATE", "POLDATE", "EFFDATE", "ENDDATE"})
        d.fieldByName(QLatin1String(name))->setEditMask(dateMask);
}

void heading(engine::Dataset &d, const char *field, const QString &label, int width)
{
    engine::Field *f = d.fieldByName(QLatin1String(field));
    if (!label.isEmpty())
        f->setDisplayLabel(label);
    f->setDisplayWidth(width);
}

void hide(engine::Dataset &d, const char *field)
{
    d.fieldByName(QLatin1String(field))->setVisible(false);
}

FieldDef calcText(const char *name, int size)
{
    return FieldDef::calculated(QString::fromLatin1(name), FieldType::String, size);
}

FieldDef calcMoney(const char *name)
{
    return FieldDef::calculated(QString::fromLatin1(name), FieldType::Float).money();
}

FieldDef lookup(const char *name, int size, const char *key, engine::Dataset *dataset, const char *datasetKey,
                const char *result)
{
    return FieldDef::lookupField(QString::fromLatin1(name), size, QString::fromLatin1(key), dataset,
                                 QString::fromLatin1(datasetKey), QString::fromLatin1(result));
}

} // namespace

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
    data::registerFieldTypeHints();
    createDatasets();
    openStartDatasets();
    Dm = this;
}

TDm::~TDm()
{
    if (Dm == this)
        Dm = nullptr;
    // Datasets and data sources go before the connections they read from.
    const auto datasets = findChildren<engine::Dataset *>(Qt::FindDirectChildrenOnly);
    for (engine::Dataset *d : datasets)
        d->close();
    qDeleteAll(findChildren<engine::DataSource *>(Qt::FindDirectChildrenOnly));
    qDeleteAll(datasets);
}

engine::DataSource *TDm::source(engine::Dataset *dataset, const QString &name)
{
    return new engine::DataSource(dataset, name, this);
}

void TDm::createDatasets()
{
    const bool full = edition::isFull();
    auto table = [this](engine::Connection &c, const char *tableName, const char *name) {
        return new engine::TableDataset(&c, QString::fromLatin1(tableName), QString::fromLatin1(name), this);
    };
    auto query = [this](engine::Connection *c, const char *name, std::initializer_list<const char *> lines) {
        auto *q = new engine::QueryDataset(c, QString::fromLatin1(name), this);
        q->setSql(list(lines));
        return q;
    };

    // All datasets exist before any field is declared: look-up fields name them.
    Sticker2T = table(Database2, "STICKER2", "Sticker2T");
    Sticker2Q = query(&Database2, "Sticker2Q", {"select * from sticker2", "where polno='99999999'"});
    PolMotorT = table(Database2, "POLMOTOR", "PolMotorT");
    ExecQ = query(&Database2, "ExecQ", {});
    MotorT = table(Database2, "MOTOR", "MotorT");
    ProvinceT = table(Database1, "PROVINCE", "ProvinceT");
    PrefixT = table(Database1, "PREFIX", "PrefixT");
    PrbT = table(Database1, "PRB", "PrbT");
    BrandQ = query(&Database2, "BrandQ", {"select distinct brand from car_model"});
    PacketQ = query(&Database2, "PacketQ", {"select * from packet"});
    BrandQ2 = query(&Database2, "BrandQ2", {"select * from car_model", "where brand=:prm"});
    MotorQ = query(&Database2, "MotorQ",
                   {"select * from motor", "where polno='99999999'", "and keydate>=:Prm1", "and keydate<=:Prm2"});
    // The aggregates are named in the text so that both servers call them alike.
    MotorQ2 = query(&Database2, "MotorQ2",
                    {"select code,sum(prem) as \"SUM\",sum(netprem) as \"SUM_1\",sum(commiss) as \"SUM_2\","
                     "count(code) as \"COUNT\" from Motor",
                     "group by code"});
    PolMotorQ = query(&Database2, "PolMotorQ", {"select status,count(status) from polmotor", "group by status"});
    PolMotorQ2 = query(&Database2, "PolMotorQ2", {"select * from polmotor", "where polno='99999999'"});
    TransferT = new engine::MemoryTable(QStringLiteral("TransferT"), this);
    MotorQ3 = query(&Database2, "MotorQ3", {"select min(polno) from polmotor", "where status='0'"});
    BrandT = table(Database2, "CAR_MODEL", "BrandT");
    AgentT = table(Database2, "AGENT", "AgentT");
    AgentQ = query(&Database2, "AgentQ", {"select max(Agent) from agent"});
    AgentQ2 = query(&Database2, "AgentQ2", {"select * from agent"});
    if (full) {
        RecAllQ = query(&Database2, "RecAllQ",
                        {"select agent,count(*) from motor", "where outstanding>0", "and agent<>''", "group by agent"});
        RecAllQ3 = query(&Database2, "RecAllQ3", {"select * from motor", "where polno='99999999'"});
        RecAllQ2 = query(&Database2, "RecAllQ2", {"select count(*) from motor", "where outstanding>0", "and agent<>''"});
        RecAllT = new engine::MemoryTable(QStringLiteral("RecAllT"), this);
        PayTypeT = table(Database2, "PAYTYPE", "PayTypeT");
        RecAll2T = new engine::MemoryTable(QStringLiteral("RecAll2T"), this);
    }
    PayT = table(Database2, "PAY", "PayT");
    if (full)
        PayQ = query(&Database2, "PayQ", {"select * from pay", "where polno=:prm"});
    StickerT = table(Database1, "STICKER", "StickerT");
    Query1 = query(nullptr, "Query1", {});

    // Fields.
    data::addTableColumns(*Sticker2T, QStringLiteral("STICKER2"));
    Sticker2T->setOrderFields(list({"RECDATE", "POLNO"}));
    data::addTableColumns(*Sticker2Q, QStringLiteral("STICKER2"));
    data::addColumns(*PolMotorT, QStringLiteral("POLMOTOR"), list({"POLNO", "RECDATE", "STATUS", "AGENT"}));

    data::addTableColumns(*MotorT, QStringLiteral("MOTOR"), list({"B", "C", "D"}), motorMoney());
    maskDates(*MotorT);
    MotorT->fieldByName(QStringLiteral("CAR_SIZE"))->setEditMask(timeMask);
    MotorT->addField(lookup("stickno", 11, "PRBPOLNO", PrbT, "POLNO", "STICKNO"));
    MotorT->addField(lookup("agent22", 4, "PRBPOLNO", StickerT, "POLNO", "AGENT"));
    MotorT->addField(calcMoney("netpaid"));
    MotorT->addField(calcMoney("prbprem"));
    MotorT->addField(calcMoney("prbnetprem"));
    MotorT->addField(calcText("Status2", 15));
    MotorT->onCalcFields = [this](engine::Dataset &d) { data::calcMotorT(*this, d); };

    // Code tables looked up for every report row keep their answers for the
    // duration of the reading query.
    for (engine::TableDataset *codes : {ProvinceT, PrefixT, AgentT})
        codes->setCachesLookups(true);
    data::addTableColumns(*ProvinceT, QStringLiteral("PROVINCE"));
    data::addTableColumns(*PrefixT, QStringLiteral("PREFIX"));
    data::addTableColumns(*PrbT, QStringLiteral("PRB"), {}, list({"PREM", "STAMP", "TAX", "NETPREM"}));
    maskDates(*PrbT);

    data::addColumns(*BrandQ, QStringLiteral("CAR_MODEL"), list({"BRAND"}));
    data::addTableColumns(*PacketQ, QStringLiteral("PACKET"));
    BrandQ2->addField(FieldDef(QStringLiteral("Brand"), FieldType::String, 30));
    BrandQ2->addField(FieldDef(QStringLiteral("Model"), FieldType::String, 30));
    BrandQ2->addField(FieldDef(QStringLiteral("Grp"), FieldType::String, 1));

    data::addTableColumns(*MotorQ, QStringLiteral("MOTOR"), list({"B", "C", "D", "PROVINCE2", "BRANCH"}), motorMoney());
    MotorQ->addField(lookup("prefix2", 20, "PREFIX", PrefixT, "CODE", "NAME"));
    MotorQ->addField(lookup("province12", 20, "PROVINCE", ProvinceT, "CODE", "NAME"));
    MotorQ->addField(lookup("desc1", 20, "CODE", PacketQ, "CODE", "BODY"));
    MotorQ->addField(lookup("desc2", 100, "CODE", PacketQ, "CODE", "CAR_USE"));
    MotorQ->addField(lookup("prbcode", 5, "PRBPOLNO", PrbT, "POLNO", "CODE"));
    MotorQ->addField(lookup("agentname", 70, "AGENT", AgentT, "AGENT", "FNAME"));
    MotorQ->addField(lookup("agent22", 4, "PRBPOLNO", StickerT, "POLNO", "AGENT"));
    for (const auto &[name, size] : std::initializer_list<std::pair<const char *, int>>{
             {"name", 100}, {"addr", 100}, {"province13", 25}, {"Brand_Model", 60}, {"seat2", 10}, {"csize2", 10},
             {"cash2", 10}, {"INVNO", 10}, {"agent2", 6}, {"name2", 100}, {"agentname2", 35}, {"paytyp", 6},
             {"paytyp2", 4}, {"prbpolno2", 8}, {"detail", 200}})
        MotorQ->addField(calcText(name, size));
    for (const char *name : {"NET", "totalprem", "pvisa", "pcash", "mottotal", "prbprem", "prbnetprem", "prbstamp",
                             "prbtotal", "netpaid", "totalcom"})
        MotorQ->addField(calcMoney(name));
    MotorQ->addField(FieldDef::calculated(QStringLiteral("prbeffdate"), FieldType::Date));
    MotorQ->onCalcFields = [this](engine::Dataset &d) { data::calcMotorQ(*this, d); };
    // The payments of the coming policies are read in batches; PrbT's compulsory
    // policies come with the prbcode look-up's batches.
    MotorQ->addReadAhead(PayT, QStringLiteral("POLNO"), QStringLiteral("POLNO"));

    MotorQ2->addField(FieldDef(QStringLiteral("CODE"), FieldType::String, 3));
    for (const char *name : {"SUM", "SUM_1", "SUM_2"})
        MotorQ2->addField(FieldDef(QString::fromLatin1(name), FieldType::Float).money());
    MotorQ2->addField(FieldDef(QStringLiteral("COUNT"), FieldType::Integer));

    PolMotorQ->addField(FieldDef(QStringLiteral("STATUS"), FieldType::String, 1));
    PolMotorQ->addField(FieldDef(QStringLiteral("COUNT"), FieldType::Integer));
    PolMotorQ->addField(calcText("status2", 10));
    PolMotorQ->onCalcFields = data::calcPolMotorStatus;
    data::addColumns(*PolMotorQ2, QStringLiteral("POLMOTOR"), list({"POLNO", "RECDATE", "STATUS"}));
    PolMotorQ2->addField(calcText("status2", 10));
    PolMotorQ2->onCalcFields = data::calcPolMotorStatus;

    // The transfer table holds MOTOR's first 48 columns (to PROVINCE2) less those
    // the head office does not take.
    {
        const QStringList left = list({"B", "C", "D", "CASH", "A", "PAID", "MOTCOM", "PRBCOM", "OUTSTANDING", "FEE", "STATUS"});
        const data::Table &motor = data::Schema::table(QStringLiteral("MOTOR"));
        QStringList columns;
        for (int i = 0; i < 48 && i < motor.columns.size(); ++i)
            if (!left.contains(motor.columns[i].name))
                columns << motor.columns[i].name;
        data::addColumns(*TransferT, QStringLiteral("MOTOR"), columns);
        TransferT->afterPost = [this](engine::Dataset &d) {
            if (transferWriteThrough)
                transferWriteThrough(d);
        };
    }

    MotorQ3->addField(FieldDef(QStringLiteral("MIN"), FieldType::FixedString, 8));
    data::addTableColumns(*BrandT, QStringLiteral("CAR_MODEL"));
    BrandT->setOrderFields(list({"BRAND", "MODEL"}));

    data::addTableColumns(*AgentT, QStringLiteral("AGENT"));
    AgentT->afterInsert = [this](engine::Dataset &d) {
        AgentQ->close();
        AgentQ->open();
        d.setValue(QStringLiteral("AGENT"), data::nextAgentCode(Database2));
    };
    AgentQ->addField(FieldDef(QStringLiteral("MAX"), FieldType::FixedString, 4));
    data::addTableColumns(*AgentQ2, QStringLiteral("AGENT"));

    if (full) {
        RecAllQ->addField(FieldDef(QStringLiteral("AGENT"), FieldType::FixedString, 4));
        RecAllQ->addField(FieldDef(QStringLiteral("COUNT"), FieldType::Integer));
        RecAllQ->addField(lookup("agentname", 70, "AGENT", AgentT, "AGENT", "FNAME"));

        data::addColumns(*RecAllQ3, QStringLiteral("MOTOR"), list({"POLNO", "REGNO"}));
        RecAllQ3->addField(calcMoney("Netpaid"));
        data::addColumns(*RecAllQ3, QStringLiteral("MOTOR"), list({"OUTSTANDING", "PAID", "PREFIX", "FNAME", "LNAME"}),
                         list({"OUTSTANDING", "PAID"}));
        RecAllQ3->addField(lookup("prefix2", 20, "PREFIX", PrefixT, "CODE", "NAME"));
        RecAllQ3->addField(calcText("name", 100));
        data::addColumns(*RecAllQ3, QStringLiteral("MOTOR"), list({"STATUS"}));
        RecAllQ3->setRequestLive(QStringLiteral("MOTOR"), list({"POLNO"}));
        RecAllQ3->onCalcFields = data::calcRecAllQ3;
        heading(*RecAllQ3, "POLNO", QStringLiteral("เลขกรมธรรม์"), 8);
        heading(*RecAllQ3, "REGNO", QStringLiteral("ทะเบียน"), 10);
        heading(*RecAllQ3, "Netpaid", QStringLiteral("เงินต้องชำระ"), 10);
        heading(*RecAllQ3, "OUTSTANDING", QStringLiteral("ค้างชำระ"), 10);
        heading(*RecAllQ3, "PAID", {}, 10);
        hide(*RecAllQ3, "PAID");

        RecAllQ2->addField(FieldDef(QStringLiteral("COUNT"), FieldType::Integer));

        RecAllT->addField(FieldDef(QStringLiteral("CK"), FieldType::Boolean));
        RecAllT->addField(FieldDef(QStringLiteral("STATUS"), FieldType::String, 1));
        RecAllT->addField(FieldDef(QStringLiteral("POLNO"), FieldType::FixedString, 8));
        RecAllT->addField(FieldDef(QStringLiteral("REGNO"), FieldType::String, 10));
        for (const char *name : {"NETPAID", "PAID", "OUTSTANDING"})
            RecAllT->addField(FieldDef(QString::fromLatin1(name), FieldType::Float).money());
        RecAllT->addField(FieldDef(QStringLiteral("NAME"), FieldType::String, 100));

        data::addTableColumns(*PayTypeT, QStringLiteral("PAYTYPE"));

        RecAll2T->addField(FieldDef(QStringLiteral("SEQ"), FieldType::SmallInt));
        RecAll2T->addField(FieldDef(QStringLiteral("DOCNO"), FieldType::String, 10));
        RecAll2T->addField(FieldDef(QStringLiteral("PTYPE"), FieldType::String, 20));
        RecAll2T->addField(FieldDef(QStringLiteral("FEE"), FieldType::Float).money());
        RecAll2T->addField(FieldDef(QStringLiteral("AMOUNT"), FieldType::Float).money());
        RecAll2T->addField(FieldDef(QStringLiteral("PAYDETAIL"), FieldType::String, 100));
        RecAll2T->addField(FieldDef(QStringLiteral("AMOUNT2"), FieldType::Float));
        heading(*RecAll2T, "SEQ", QStringLiteral("ลำดับ"), 10);
        heading(*RecAll2T, "DOCNO", QStringLiteral("เลขที่เอกสาร"), 10);
        heading(*RecAll2T, "PTYPE", QStringLiteral("ชนิดการรับชำระ"), 20);
        heading(*RecAll2T, "FEE", QStringLiteral("ค่าธรรมเนียม"), 10);
        heading(*RecAll2T, "AMOUNT", QStringLiteral("จำนวนเงิน"), 13);
        heading(*RecAll2T, "PAYDETAIL", QStringLiteral("รายละเอียดการรับชำระ"), 40);
        hide(*RecAll2T, "AMOUNT2");
        RecAll2T->afterInsert = [](engine::Dataset &d) { d.setValue(QStringLiteral("SEQ"), d.recordCount() + 1); };
    }

    data::addColumns(*PayT, QStringLiteral("PAY"),
                     list({"PTYPE", "FEE", "AMOUNT", "PDATE", "POLNO", "SEQ", "DOCNO", "PAYDETAIL", "AMOUNT2"}));
    // PAY has no key: its rows are visited in the order they were paid.
    PayT->setOrderFields(list({"POLNO", "PDATE", "SEQ", "DOCNO", "PTYPE", "AMOUNT2"}));
    PayT->setFiltered(true);
    heading(*PayT, "PTYPE", QStringLiteral("ชนิดการจ่าย"), 20);
    heading(*PayT, "FEE", QStringLiteral("ค่าธรรมเนียม"), 10);
    heading(*PayT, "AMOUNT", QStringLiteral("จำนวนเงิน"), 13);
    heading(*PayT, "PDATE", QStringLiteral("วันที่จ่าย"), 18);
    heading(*PayT, "POLNO", {}, 8);

    if (full) {
        data::addColumns(*PayQ, QStringLiteral("PAY"),
                         list({"SEQ", "DOCNO", "PDATE", "PTYPE", "FEE", "AMOUNT", "AMOUNT2", "PAYDETAIL", "POLNO"}),
                         list({"FEE", "AMOUNT", "AMOUNT2"}));
        heading(*PayQ, "SEQ", QStringLiteral("ลำดับ"), 5);
        heading(*PayQ, "DOCNO", QStringLiteral("เลขที่เอกสาร"), 10);
        heading(*PayQ, "PDATE", QStringLiteral("วันที่รับชำระ"), 13);
        heading(*PayQ, "PTYPE", QStringLiteral("ชนิกการรับชำระ"), 20);
        heading(*PayQ, "FEE", QStringLiteral("ค่าธรรมเนียม"), 10);
        heading(*PayQ, "AMOUNT", QStringLiteral("จำนวนเงิน"), 10);
        heading(*PayQ, "AMOUNT2", QStringLiteral("ตัดจ่าย"), 10);
        heading(*PayQ, "PAYDETAIL", QStringLiteral("รายละเอียดการรับชำระ"), 57);
        hide(*PayQ, "POLNO");
    }

    data::addColumns(*StickerT, QStringLiteral("STICKER"), list({"POLNO", "STICKNO", "RECDATE", "STATUS", "AGENT"}));
    StickerT->setOrderFields(list({"POLNO"}));

    // Data sources.
    Sticker2TDs = source(Sticker2T, QStringLiteral("Sticker2TDs"));
    PolMotorTDs = source(PolMotorT, QStringLiteral("PolMotorTDs"));
    MotorTDs = source(MotorT, QStringLiteral("MotorTDs"));
    ProvinceTDs = source(ProvinceT, QStringLiteral("ProvinceTDs"));
    PrefixTDs = source(PrefixT, QStringLiteral("PrefixTDs"));
    PrbTDs = source(PrbT, QStringLiteral("PrbTDs"));
    BrandQDs = source(BrandQ, QStringLiteral("BrandQDs"));
    PacketQDs = source(PacketQ, QStringLiteral("PacketQDs"));
    BrandQ2Ds = source(BrandQ2, QStringLiteral("BrandQ2Ds"));
    MotorQDs = source(MotorQ, QStringLiteral("MotorQDs"));
    AgentTDs = source(AgentT, QStringLiteral("AgentTDs"));
    AgentQ2Ds = source(AgentQ2, QStringLiteral("AgentQ2Ds"));
    if (full) {
        RecAllQDs = source(RecAllQ, QStringLiteral("RecAllQDs"));
        RecAllQ3Ds = source(RecAllQ3, QStringLiteral("RecAllQ3Ds"));
        RecAllQ2Ds = source(RecAllQ2, QStringLiteral("RecAllQ2Ds"));
        RecAllTDs = source(RecAllT, QStringLiteral("RecAllTDs"));
        PayTypeTDs = source(PayTypeT, QStringLiteral("PayTypeTDs"));
        RecAll2TDs = source(RecAll2T, QStringLiteral("RecAll2TDs"));
        PayQDs = source(PayQ, QStringLiteral("PayQDs"));
    }
    PayTDs = source(PayT, QStringLiteral("PayTDs"));
}

void TDm::openStartDatasets()
{
    // The looked-up datasets open first, so that the first row of every other
    // dataset already shows its look-up fields.
    const QList<engine::Dataset *> startOpen{ProvinceT, PrefixT, PrbT, StickerT, PacketQ, AgentT, PayT,
                                             Sticker2T, PolMotorT, MotorT, BrandQ, BrandT, PayTypeT, RecAll2T, PayQ};
    for (engine::Dataset *d : startOpen)
        if (d)
            d->open();
}

int TDm::BatchMove1()
{
    if (!TransferT->isActive())
        TransferT->open();
    return engine::batchCopy(*MotorQ, *TransferT);
}
