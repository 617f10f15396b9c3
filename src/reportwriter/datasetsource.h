#pragma once
// A report over one of the engine's datasets: the renderer walks the dataset's rows
// (calculated and look-up fields are computed as each row is read) and takes each
// field's display format from the field itself.
#include "reportsource.h"

namespace engine {
class Dataset;
}

namespace reportwriter {

class DatasetSource : public ReportSource
{
public:
    explicit DatasetSource(engine::Dataset &dataset);

    QStringList fieldNames() const override;
    bool first() override;
    bool next() override;
    bool eof() const override;
    QVariant value(const QString &field) const override;
    QString displayFormat(const QString &field) const override;
    int rowCount() const override;

private:
    engine::Dataset &m_dataset;
};

} // namespace reportwriter
