#pragma once
// Report expressions: arithmetic and comparisons over the current row's fields,
// text in quotes, and the functions
//   SUM(x) COUNT / COUNT(x) MIN(x) MAX(x) AVERAGE(x)   aggregates over the rows
//   IF(cond, a, b) INT(x) FRAC(x) ROUND(x[, d]) ABS(x) STR(x) UPPER(s) LOWER(s)
// Operators: + - * / (text + text concatenates), = <> < <= > >=, AND OR NOT.
// Field names ignore case and may carry a dataset prefix ("MotorQ.NETPREM").
//
// An aggregate keeps its own running state: accumulate() adds the current row,
// reset() starts it again at zero (a group footer resets when its group starts).
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <vector>

namespace reportwriter {

// The current row as the renderer holds it: values in the source's field order.
using RowValues = QVariantList;

class Expression
{
public:
    struct Node;

    Expression();
    ~Expression();
    Expression(Expression &&) noexcept;
    Expression &operator=(Expression &&) noexcept;

    // Throws platform::Error naming the problem (unknown field, syntax).
    static Expression parse(const QString &text, const QStringList &fieldNames);

    QVariant evaluate(const RowValues &row) const;
    void accumulate(const RowValues &row);
    void reset();
    bool hasAggregates() const { return !m_aggregates.empty(); }
    bool isValid() const { return m_root != nullptr; }

private:
    std::unique_ptr<Node> m_root;
    std::vector<Node *> m_aggregates;
};

} // namespace reportwriter
