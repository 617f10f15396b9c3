#include "reportwriter/expression.h"

#include "platform/error.h"

#include <QDate>
#include <cmath>
#include <functional>

namespace reportwriter {

enum class Op {
    Number, Text, Field, Neg, Not,
    Add, Sub, Mul, Div, Eq, Ne, Lt, Le, Gt, Ge, And, Or,
    If, Int, Frac, Round, Abs, Str, Upper, Lower,
    Sum, Count, Min, Max, Average
};

struct Expression::Node
{
    Op op;
    QVariant constant;
    int field = -1;
    std::vector<std::unique_ptr<Node>> args;
    // aggregate state
    double sum = 0;
    qint64 count = 0;
    QVariant extreme;

    bool isAggregate() const { return op >= Op::Sum; }
};

namespace {

using Node = Expression::Node;

bool isNumeric(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong: case QMetaType::Short:
    case QMetaType::UShort: case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

double toNumber(const QVariant &v)
{
    if (isNumeric(v))
        return v.toDouble();
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0.0;
}

bool toBool(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isNumeric(v))
        return v.toDouble() != 0;
    return !v.toString().isEmpty();
}

int compare(const QVariant &a, const QVariant &b)
{
    if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate) {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    if (isNumeric(a) || isNumeric(b)) {
        const double x = toNumber(a), y = toNumber(b);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    return QString::compare(a.toString(), b.toString());
}

QVariant eval(const Node &n, const RowValues &row)
{
    auto arg = [&](int i) { return eval(*n.args[i], row); };
    switch (n.op) {
    case Op::Number:
    case Op::Text:
        return n.constant;
    case Op::Field:
        return n.field < row.size() ? row.at(n.field) : QVariant();
    case Op::Neg:
        return -toNumber(arg(0));
    case Op::Not:
        return !toBool(arg(0));
    case Op::Add: {
        const QVariant a = arg(0), b = arg(1);
        if (isNumeric(a) && isNumeric(b))
            return a.toDouble() + b.toDouble();
        if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
            return a.toString() + b.toString();
        return toNumber(a) + toNumber(b);
    }
    case Op::Sub: return toNumber(arg(0)) - toNumber(arg(1));
    case Op::Mul: return toNumber(arg(0)) * toNumber(arg(1));
    case Op::Div: {
        const double d = toNumber(arg(1));
        return d == 0 ? 0.0 : toNumber(arg(0)) / d;
    }
    case Op::Eq: return compare(arg(0), arg(1)) == 0;
    case Op::Ne: return compare(arg(0), arg(1)) != 0;
    case Op::Lt: return compare(arg(0), arg(1)) < 0;
    case Op::Le: return compare(arg(0), arg(1)) <= 0;
    case Op::Gt: return compare(arg(0), arg(1)) > 0;
    case Op::Ge: return compare(arg(0), arg(1)) >= 0;
    case Op::And: return toBool(arg(0)) && toBool(arg(1));
    case Op::Or: return toBool(arg(0)) || toBool(arg(1));
    case Op::If: return toBool(arg(0)) ? arg(1) : arg(2);
    case Op::Int: return std::trunc(toNumber(arg(0)));
    case Op::Frac: {
        const double x = toNumber(arg(0));
        return x - std::trunc(x);
    }
    case Op::Round: {
        const double digits = n.args.size() > 1 ? toNumber(arg(1)) : 0;
        const double scale = std::pow(10.0, digits);
        return std::round(toNumber(arg(0)) * scale) / scale;
    }
    case Op::Abs: return std::fabs(toNumber(arg(0)));
    case Op::Str: {
        const QVariant v = arg(0);
        return isNumeric(v) ? QString::number(v.toDouble(), 'g', 15) : v.toString();
    }
    case Op::Upper: return arg(0).toString().toUpper();
    case Op::Lower: return arg(0).toString().toLower();
    case Op::Sum: return n.sum;
    case Op::Count: return double(n.count);
    case Op::Average: return n.count ? n.sum / double(n.count) : 0.0;
    case Op::Min:
    case Op::Max: return n.extreme.isValid() ? n.extreme : QVariant(0.0);
    }
    return {};
}

struct FunctionInfo
{
    const char16_t *name;
    Op op;
    int minArgs;
    int maxArgs;
};

const FunctionInfo kFunctions[] = {
    {u"SUM", Op::Sum, 1, 1},       {u"COUNT", Op::Count, 0, 1}, {u"MIN", Op::Min, 1, 1},
    {u"MAX", Op::Max, 1, 1},       {u"AVERAGE", Op::Average, 1, 1}, {u"IF", Op::If, 3, 3},
    {u"INT", Op::Int, 1, 1},       {u"FRAC", Op::Frac, 1, 1},   {u"ROUND", Op::Round, 1, 2},
    {u"ABS", Op::Abs, 1, 1},       {u"STR", Op::Str, 1, 1},     {u"UPPER", Op::Upper, 1, 1},
    {u"LOWER", Op::Lower, 1, 1},
};

class Parser
{
public:
    Parser(const QString &text, const QStringList &fields) : m_text(text), m_fields(fields) {}

    std::unique_ptr<Node> parseAll()
    {
        auto n = parseOr();
        skipSpace();
        if (m_pos < m_text.size())
            fail(QStringLiteral("unexpected \"%1\"").arg(m_text.mid(m_pos)));
        return n;
    }

private:
    [[noreturn]] void fail(const QString &why) const
    {
        throw platform::Error(QStringLiteral("Invalid expression %1: %2").arg(m_text, why));
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool acceptSymbol(QStringView s)
    {
        skipSpace();
        if (QStringView(m_text).mid(m_pos).startsWith(s)) {
            m_pos += s.size();
            return true;
        }
        return false;
    }

    bool acceptWord(QStringView word)
    {
        skipSpace();
        const qsizetype end = m_pos + word.size();
        if (QStringView(m_text).mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) == 0
            && (end >= m_text.size() || !(m_text.at(end).isLetterOrNumber() || m_text.at(end) == u'_'))) {
            m_pos = end;
            return true;
        }
        return false;
    }

    static std::unique_ptr<Node> make(Op op, std::unique_ptr<Node> a = {}, std::unique_ptr<Node> b = {})
    {
        auto n = std::make_unique<Node>();
        n->op = op;
        if (a)
            n->args.push_back(std::move(a));
        if (b)
            n->args.push_back(std::move(b));
        return n;
    }

    std::unique_ptr<Node> parseOr()
    {
        auto left = parseAnd();
        while (acceptWord(u"OR"))
            left = make(Op::Or, std::move(left), parseAnd());
        return left;
    }

    std::unique_ptr<Node> parseAnd()
    {
        auto left = parseNot();
        while (acceptWord(u"AND"))
            left = make(Op::And, std::move(left), parseNot());
        return left;
    }

    std::unique_ptr<Node> parseNot()
    {
        if (acceptWord(u"NOT"))
            return make(Op::Not, parseNot());
        return parseComparison();
    }

    std::unique_ptr<Node> parseComparison()
    {
        auto left = parseSum();
        static const std::pair<const char16_t *, Op> ops[] = {
            {u"<>", Op::Ne}, {u"<=", Op::Le}, {u">=", Op::Ge},
            {u"=", Op::Eq},  {u"<", Op::Lt},  {u">", Op::Gt}};
        for (const auto &[sym, op] : ops) {
            if (acceptSymbol(QStringView(sym)))
                return make(op, std::move(left), parseSum());
        }
        return left;
    }

    std::unique_ptr<Node> parseSum()
    {
        auto left = parseProduct();
        for (;;) {
            if (acceptSymbol(u"+"))
                left = make(Op::Add, std::move(left), parseProduct());
            else if (acceptSymbol(u"-"))
                left = make(Op::Sub, std::move(left), parseProduct());
            else
                return left;
        }
    }

    std::unique_ptr<Node> parseProduct()
    {
        auto left = parseUnary();
        for (;;) {
            if (acceptSymbol(u"*"))
                left = make(Op::Mul, std::move(left), parseUnary());
            else if (acceptSymbol(u"/"))
                left = make(Op::Div, std::move(left), parseUnary());
            else
                return left;
        }
    }

    std::unique_ptr<Node> parseUnary()
    {
        if (acceptSymbol(u"-"))
            return make(Op::Neg, parseUnary());
        if (acceptSymbol(u"+"))
            return parseUnary();
        return parsePrimary();
    }

    std::unique_ptr<Node> parsePrimary()
    {
        skipSpace();
        if (m_pos >= m_text.size())
            fail(QStringLiteral("unexpected end"));
        const QChar c = m_text.at(m_pos);
        if (acceptSymbol(u"(")) {
            auto n = parseOr();
            if (!acceptSymbol(u")"))
                fail(QStringLiteral("missing \")\""));
            return n;
        }
        if (c == u'\'' || c == u'"') {
            const qsizetype close = m_text.indexOf(c, m_pos + 1);
            if (close < 0)
                fail(QStringLiteral("unterminated text"));
            auto n = make(Op::Text);
            n->constant = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            return n;
        }
        if (c.isDigit() || c == u'.') {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == u'.'))
                ++m_pos;
            bool ok = false;
            const double d = m_text.mid(start, m_pos - start).toDouble(&ok);
            if (!ok)
                fail(QStringLiteral("bad number"));
            auto n = make(Op::Number);
            n->constant = d;
            return n;
        }
        if (c.isLetter() || c == u'_') {
            const qsizetype start = m_pos;
            while (m_pos < m_text.size()
                   && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == u'_' || m_text.at(m_pos) == u'.'))
                ++m_pos;
            const QString word = m_text.mid(start, m_pos - start);
            if (acceptSymbol(u"("))
                return parseCall(word);
            if (word.compare(u"TRUE", Qt::CaseInsensitive) == 0 || word.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
                auto n = make(Op::Number);
                n->constant = word.compare(u"TRUE", Qt::CaseInsensitive) == 0;
                return n;
            }
            // a bare COUNT is the row count unless the data has a field of that name
            if (word.compare(u"COUNT", Qt::CaseInsensitive) == 0 && !hasField(word))
                return make(Op::Count);
            return parseField(word);
        }
        fail(QStringLiteral("unexpected \"%1\"").arg(c));
    }

    bool hasField(const QString &name) const
    {
        return m_fields.contains(name, Qt::CaseInsensitive);
    }

    std::unique_ptr<Node> parseField(const QString &word)
    {
        const QString name = word.mid(word.lastIndexOf(u'.') + 1);
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i).compare(name, Qt::CaseInsensitive) == 0) {
                auto n = make(Op::Field);
                n->field = i;
                return n;
            }
        }
        fail(QStringLiteral("unknown field %1").arg(word));
    }

    std::unique_ptr<Node> parseCall(const QString &name)
    {
        const FunctionInfo *info = nullptr;
        for (const FunctionInfo &f : kFunctions) {
            if (name.compare(QStringView(f.name), Qt::CaseInsensitive) == 0)
                info = &f;
        }
        if (!info)
            fail(QStringLiteral("unknown function %1").arg(name));
        auto n = make(info->op);
        if (!acceptSymbol(u")")) {
            do {
                n->args.push_back(parseOr());
            } while (acceptSymbol(u","));
            if (!acceptSymbol(u")"))
                fail(QStringLiteral("missing \")\" after the arguments of %1").arg(name));
        }
        const int count = int(n->args.size());
        if (count < info->minArgs || count > info->maxArgs)
            fail(QStringLiteral("wrong number of arguments for %1").arg(name));
        return n;
    }

    const QString &m_text;
    const QStringList &m_fields;
    qsizetype m_pos = 0;
};

void collectAggregates(Node *n, std::vector<Node *> &out)
{
    if (n->isAggregate()) {
        out.push_back(n); // an aggregate's argument is evaluated per row, not aggregated again
        return;
    }
    for (auto &a : n->args)
        collectAggregates(a.get(), out);
}

} // namespace

Expression::Expression() = default;
Expression::~Expression() = default;
Expression::Expression(Expression &&) noexcept = default;
Expression &Expression::operator=(Expression &&) noexcept = default;

Expression Expression::parse(const QString &text, const QStringList &fieldNames)
{
    Expression e;
    e.m_root = Parser(text, fieldNames).parseAll();
    collectAggregates(e.m_root.get(), e.m_aggregates);
    return e;
}

QVariant Expression::evaluate(const RowValues &row) const
{
    return m_root ? eval(*m_root, row) : QVariant();
}

void Expression::accumulate(const RowValues &row)
{
    for (Node *a : m_aggregates) {
        ++a->count;
        if (a->args.empty())
            continue;
        const QVariant v = eval(*a->args[0], row);
        a->sum += toNumber(v);
        if (a->op == Op::Min || a->op == Op::Max) {
            if (!a->extreme.isValid()
                || (a->op == Op::Min ? compare(v, a->extreme) < 0 : compare(v, a->extreme) > 0))
                a->extreme = v;
        }
    }
}

void Expression::reset()
{
    for (Node *a : m_aggregates) {
        a->sum = 0;
        a->count = 0;
        a->extreme = QVariant();
    }
}

} // namespace reportwriter
