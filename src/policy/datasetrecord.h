#pragma once
// The rating's view of a dataset's current row: the policy row of MotorT (written
// into its edit buffer), the current package of PacketQ and the current agent of
// AgentT (read). A dataset without a current row, or a field it does not have,
// reads as empty, which is how a missing package or agent counts.
#include "recordaccess.h"

namespace engine {
class Dataset;
}

namespace policy {

class DatasetRecord : public RecordAccess
{
public:
    explicit DatasetRecord(engine::Dataset &dataset);
    QVariant value(const QString &field) const override;
    void setValue(const QString &field, const QVariant &value) override;

private:
    engine::Dataset &m_dataset;
};

// The three rows the policy windows rate with, taken from the data module.
struct RatingRows {
    DatasetRecord policy;    // Dm->MotorT
    DatasetRecord package;   // Dm->PacketQ
    DatasetRecord agent;     // Dm->AgentT
    static RatingRows fromDataModule();
};

} // namespace policy
