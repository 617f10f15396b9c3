#include "datasetrecord.h"

#include "data/dm.h"
#include "engine/dataset.h"
#include "engine/field.h"

namespace policy {

DatasetRecord::DatasetRecord(engine::Dataset &dataset)
    : m_dataset(dataset)
{
}

QVariant DatasetRecord::value(const QString &field) const
{
    if (!m_dataset.isActive() || !m_dataset.hasCurrentRow())
        return {};
    const engine::Field *f = m_dataset.findField(field);
    return f ? f->value() : QVariant();
}

void DatasetRecord::setValue(const QString &field, const QVariant &value)
{
    m_dataset.fieldByName(field)->setValue(value);
}

RatingRows RatingRows::fromDataModule()
{
    return {DatasetRecord(*Dm->MotorT), DatasetRecord(*Dm->PacketQ), DatasetRecord(*Dm->AgentT)};
}

} // namespace policy
