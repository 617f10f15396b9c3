#include "dataset.h"

#include <cmath>

#include "connection.h"
#include "platform/error.h"

namespace engine {

int Dataset::s_calculationDepth = 0;

namespace {

[[noreturn]] void fail(const QString &text)
{
    throw platform::Error(text);
}

QStringList splitFieldList(const QString &fields)
{
    QStringList names;
    for (const QString &part : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

// Splits "A=1 and B='x'" into its equalities, leaving quoted text whole.
QStringList splitConjunction(const QString &text)
{
    QStringList parts;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            current += c;
            continue;
        }
        if (c.isSpace() && text.mid(i + 1, 4).compare(QLatin1String("and "), Qt::CaseInsensitive) == 0) {
            parts << current;
            current.clear();
            i += 4;
            continue;
        }
        current += c;
    }
    parts << current;
    return parts;
}

QString unquote(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() >= 2 && (t.front() == QLatin1Char('\'') || t.front() == QLatin1Char('"')) && t.back() == t.front()) {
        QString inner = t.mid(1, t.size() - 2);
        inner.replace(QString(2, t.front()), QString(1, t.front()));
        return inner;
    }
    return t;
}

} // namespace

Dataset::Dataset(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
}

Dataset::~Dataset() = default;

Field *Dataset::addField(const FieldDef &def)
{
    if (isActive())
        fail(QStringLiteral("%1: cannot add the field '%2' to an open dataset").arg(name(), def.name));
    if (findField(def.name))
        fail(QStringLiteral("%1: duplicate field name '%2'").arg(name(), def.name));
    m_fieldIndex.insert(def.name.toUpper(), fieldCount());
    m_fieldIndex.insert(def.name, fieldCount());
    m_fieldListCache.clear();
    m_literalIndex.clear();
    m_literalSlots.fill({});
    m_fields.push_back(std::make_unique<Field>(this, fieldCount(), def));
    return m_fields.back().get();
}

Field *Dataset::findField(const QString &name) const
{
    auto it = m_fieldIndex.constFind(name);
    if (it == m_fieldIndex.constEnd())
        it = m_fieldIndex.constFind(name.toUpper());
    return it == m_fieldIndex.constEnd() ? nullptr : m_fields[size_t(*it)].get();
}

Field *Dataset::fieldByName(const QString &fieldName) const
{
    Field *f = findField(fieldName);
    if (!f)
        fail(QStringLiteral("%1: Field '%2' not found").arg(name(), fieldName));
    return f;
}

Field *Dataset::fieldByLiteral(const char *literalName) const
{
    // A small table by the literal's address answers most calls; the hash keeps all.
    LiteralSlot &slot = m_literalSlots[(quintptr(literalName) >> 3) % kLiteralSlots];
    if (slot.name != literalName) {
        auto it = m_literalIndex.constFind(literalName);
        if (it == m_literalIndex.constEnd())
            it = m_literalIndex.insert(literalName, fieldByName(QLatin1String(literalName))->index());
        slot = LiteralSlot{literalName, *it};
    }
    return m_fields[size_t(slot.index)].get();
}

QList<Field *> Dataset::visibleFields() const
{
    QList<Field *> list;
    for (const auto &f : m_fields)
        if (f->isVisible())
            list << f.get();
    return list;
}

void Dataset::removeDataFields()
{
    std::erase_if(m_fields, [](const std::unique_ptr<Field> &f) { return f->isData(); });
    m_fieldIndex.clear();
    for (int i = 0; i < fieldCount(); ++i) {
        m_fields[size_t(i)]->m_index = i;
        m_fieldIndex.insert(m_fields[size_t(i)]->name().toUpper(), i);
        m_fieldIndex.insert(m_fields[size_t(i)]->name(), i);
    }
    m_fieldListCache.clear();
    m_literalIndex.clear();
    m_literalSlots.fill({});
}

void Dataset::checkActive() const
{
    if (!isActive())
        fail(QStringLiteral("%1: Cannot perform this operation on a closed dataset").arg(name()));
}

void Dataset::setState(State s)
{
    if (m_state == s)
        return;
    m_state = s;
    emit stateChanged(s);
}

void Dataset::open()
{
    if (isActive())
        return;
    for (const auto &f : m_fields)
        if (f->kind() == FieldKind::Lookup && f->lookup().dataset)
            f->lookup().dataset->clearLookupCache();
    doOpen();
    m_record = emptyRecord();
    m_hasRow = false;
    m_modified = false;
    try {
        parseFilter();
        filterChanged();
    } catch (...) {
        doClose();
        throw;
    }
    m_state = State::Browse;
    emit activeChanged(true);
    emit stateChanged(m_state);
    first();
    if (afterOpen)
        afterOpen(*this);
}

bool Dataset::hasDerivedFields() const
{
    if (onCalcFields)
        return true;
    for (const auto &f : m_fields)
        if (!f->isData())
            return true;
    return false;
}

// A dataset with derived fields that reached its end or closed lets go of the read
// transactions its rows' look-ups held, unless it is itself read for another row.
void Dataset::finishedReading()
{
    if (s_calculationDepth == 0 && hasDerivedFields())
        Connection::endHeldReads();
}

void Dataset::close()
{
    if (!isActive())
        return;
    finishedReading();
    doClose();
    m_state = State::Inactive;
    m_hasRow = false;
    m_modified = false;
    m_eof = m_bof = true;
    m_record = emptyRecord();
    m_filterConditions.clear();
    emit stateChanged(m_state);
    emit activeChanged(false);
    emit recordChanged();
}

void Dataset::checkBrowseMode()
{
    checkActive();
    if (m_state == State::Edit || m_state == State::Insert) {
        if (m_modified)
            post();
        else
            cancel();
    }
}

void Dataset::land(bool found, const Record &row)
{
    if (found) {
        m_record = row;
        m_hasRow = true;
    } else {
        m_record = emptyRecord();
        m_hasRow = false;
    }
    calculate();
    emit recordChanged();
    if (afterScroll)
        afterScroll(*this);
}

void Dataset::first()
{
    checkBrowseMode();
    Record row = emptyRecord();
    const bool found = doFirst(row);
    m_bof = true;
    m_eof = !found;
    land(found, row);
}

void Dataset::last()
{
    checkBrowseMode();
    Record row = emptyRecord();
    const bool found = doLast(row);
    m_eof = true;
    m_bof = !found;
    land(found, row);
}

void Dataset::next()
{
    checkBrowseMode();
    if (m_eof || !m_hasRow) {
        m_eof = true;
        return;
    }
    Record row = emptyRecord();
    if (doNext(row)) {
        m_bof = false;
        land(true, row);
    } else {
        m_eof = true;
        finishedReading();
    }
}

void Dataset::prior()
{
    checkBrowseMode();
    if (m_bof || !m_hasRow) {
        m_bof = true;
        return;
    }
    Record row = emptyRecord();
    if (doPrior(row)) {
        m_eof = false;
        land(true, row);
    } else {
        m_bof = true;
    }
}

void Dataset::refresh()
{
    checkBrowseMode();
    if (!m_hasRow) {
        first();
        return;
    }
    Record row = emptyRecord();
    if (doRefresh(row))
        land(true, row);
    else
        first();
}

const QVector<int> &Dataset::fieldList(const QString &fields) const
{
    auto it = m_fieldListCache.constFind(fields);
    if (it == m_fieldListCache.constEnd()) {
        QVector<int> indexes;
        for (const QString &n : splitFieldList(fields))
            indexes << fieldByName(n)->index();
        it = m_fieldListCache.insert(fields, indexes);
    }
    return *it;
}

// Conditions on the fields at `indexes`, the i-th equal to valueAt(i) converted to the
// field's type.
template<typename ValueAt>
QList<Condition> Dataset::conditionsOn(const QVector<int> &indexes, qsizetype count, ValueAt valueAt) const
{
    if (indexes.size() != count || indexes.isEmpty())
        fail(QStringLiteral("%1: %2 key fields and %3 values").arg(name()).arg(indexes.size()).arg(count));
    QList<Condition> conditions;
    conditions.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const Field *f = field(indexes.at(i));
        if (!f->isData())
            fail(QStringLiteral("%1: '%2' is not a data field").arg(name(), f->name()));
        conditions << Condition{f->index(), Field::convert(valueAt(i), f->type(), 0, f->name())};
    }
    return conditions;
}

QList<Condition> Dataset::conditionsFor(const QString &fields, const QVariantList &values) const
{
    return conditionsOn(fieldList(fields), values.size(), [&](qsizetype i) { return values.at(i); });
}

// The result field of the first row meeting the conditions; null when a value sought is null.
QVariant Dataset::lookupBy(const QList<Condition> &conditions, const QString &resultField)
{
    for (const Condition &c : conditions)
        if (c.value.isNull())
            return {};
    const Field *result = fieldByName(resultField);
    if (!result->isData())
        fail(QStringLiteral("%1: '%2' is not a data field").arg(name(), result->name()));
    return doLookup(conditions, result->index());
}

bool Dataset::locate(const QString &keyFields, const QVariantList &values)
{
    checkBrowseMode();
    const QList<Condition> conditions = conditionsFor(keyFields, values);
    Record row = emptyRecord();
    if (!doLocate(conditions, row))
        return false;
    m_eof = m_bof = false;
    land(true, row);
    return true;
}

QVariant Dataset::lookup(const QString &keyFields, const QVariantList &values, const QString &resultField)
{
    checkActive();
    return lookupBy(conditionsFor(keyFields, values), resultField);
}

void Dataset::edit()
{
    checkActive();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (isReadOnly())
        fail(QStringLiteral("%1: Cannot modify a read-only dataset").arg(name()));
    if (!m_hasRow) {
        insert();
        return;
    }
    m_oldRecord = m_record;
    m_oldHasRow = m_hasRow;
    m_modified = false;
    setState(State::Edit);
}

void Dataset::startInsert(bool append)
{
    checkBrowseMode();
    if (isReadOnly())
        fail(QStringLiteral("%1: Cannot modify a read-only dataset").arg(name()));
    m_oldRecord = m_record;
    m_oldHasRow = m_hasRow;
    m_record = emptyRecord();
    m_modified = false;
    m_insertAppends = append;
    setState(State::Insert);
    calculate();
    emit recordChanged();
    if (afterInsert)
        afterInsert(*this);
}

void Dataset::insert()
{
    startInsert(false);
}

void Dataset::append()
{
    startInsert(true);
}

void Dataset::post()
{
    checkActive();
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    if (beforePost)
        beforePost(*this);
    if (m_state == State::Insert)
        doInsert(m_record, m_insertAppends);
    else
        doUpdate(m_oldRecord, m_record);
    m_hasRow = true;
    m_eof = m_bof = false;
    m_modified = false;
    setState(State::Browse);
    calculate();
    emit recordChanged();
    if (afterPost)
        afterPost(*this);
}

void Dataset::cancel()
{
    checkActive();
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    m_record = m_oldRecord;
    m_hasRow = m_oldHasRow;
    m_modified = false;
    setState(State::Browse);
    if (m_hasRow)
        calculate();
    emit recordChanged();
}

void Dataset::remove()
{
    checkActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (isReadOnly())
        fail(QStringLiteral("%1: Cannot modify a read-only dataset").arg(name()));
    if (m_state == State::Edit)
        cancel();
    if (!m_hasRow)
        fail(QStringLiteral("%1: Cannot perform this operation on an empty dataset").arg(name()));
    Record landed = emptyRecord();
    const bool left = doDelete(m_record, landed);
    m_eof = m_bof = !left;
    land(left, landed);
}

void Dataset::parseFilter()
{
    m_filterConditions.clear();
    if (!m_filtered || m_filter.trimmed().isEmpty())
        return;
    QList<Condition> conditions;
    for (const QString &part : splitConjunction(m_filter)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            fail(QStringLiteral("%1: invalid filter \"%2\"").arg(name(), m_filter));
        const QString fieldName = part.left(eq).trimmed();
        const Field *f = findField(fieldName);
        if (!f || !f->isData())
            fail(QStringLiteral("%1: Field '%2' not found").arg(name(), fieldName));
        QVariant v = unquote(part.mid(eq + 1));
        if (f->type() != FieldType::String && f->type() != FieldType::FixedString)
            v = Field::convert(v, f->type(), 0, f->name());
        conditions << Condition{f->index(), v};
    }
    m_filterConditions = conditions;
}

void Dataset::setFilter(const QString &filter)
{
    if (filter == m_filter)
        return;
    if (isActive())
        checkBrowseMode();
    const QString previous = m_filter;
    m_filter = filter;
    if (!isActive())
        return;
    try {
        parseFilter();
    } catch (...) {
        m_filter = previous;
        parseFilter();
        throw;
    }
    filterChanged();
    first();
}

void Dataset::setFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    if (isActive())
        checkBrowseMode();
    m_filtered = filtered;
    if (!isActive())
        return;
    try {
        parseFilter();
    } catch (...) {
        m_filtered = !filtered;
        parseFilter();
        throw;
    }
    filterChanged();
    first();
}

bool Dataset::sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return false;
    const auto numeric = [](const QVariant &v) {
        const int t = v.typeId();
        return t == QMetaType::Int || t == QMetaType::Double || t == QMetaType::LongLong || t == QMetaType::Short
            || t == QMetaType::Bool;
    };
    if (numeric(a) && numeric(b))
        return a.toDouble() == b.toDouble();
    if (a.typeId() == QMetaType::QDate || b.typeId() == QMetaType::QDate)
        return a.toDate() == b.toDate();
    return a.toString() == b.toString();
}

bool Dataset::matches(const Record &row, const QList<Condition> &conditions) const
{
    for (const Condition &c : conditions)
        if (!sameValue(row.at(c.field), c.value))
            return false;
    return true;
}

QVariant Dataset::rawValue(int index) const
{
    if (m_state == State::Inactive || index < 0 || index >= m_record.size())
        return {};
    return m_record.at(index);
}

void Dataset::setRawValue(Field *field, const QVariant &value)
{
    checkActive();
    const QVariant converted = Field::convert(value, field->type(), field->size(), field->name());
    if (!field->isData()) {
        m_record[field->index()] = converted;
        if (!m_calculating)
            emit fieldChanged(field);
        return;
    }
    if (m_calculating)
        fail(QStringLiteral("%1: the field '%2' cannot be changed while derived fields are computed").arg(name(), field->name()));
    if (m_state != State::Edit && m_state != State::Insert)
        fail(QStringLiteral("%1: Dataset not in edit or insert mode").arg(name()));
    m_record[field->index()] = converted;
    m_modified = true;
    emit fieldChanged(field);
    const Record before = m_record;
    calculate();
    for (const auto &f : m_fields)
        if (!f->isData() && before.at(f->index()) != m_record.at(f->index()))
            emit fieldChanged(f.get());
}

void Dataset::calculate()
{
    bool any = false;
    for (const auto &f : m_fields)
        if (!f->isData()) {
            m_record[f->index()] = QVariant();
            any = true;
        }
    if ((!any && !onCalcFields) || !hasCurrentRow())
        return;
    m_calculating = true;
    ++s_calculationDepth;
    try {
        readAheadForRow();
        for (const auto &f : m_fields) {
            if (f->kind() != FieldKind::Lookup)
                continue;
            const LookupDef &l = f->lookup();
            if (!l.dataset || !l.dataset->isActive())
                continue;
            m_record[f->index()] = Field::convert(lookupFor(l), f->type(), f->size(), f->name());
        }
        if (onCalcFields)
            onCalcFields(*this);
    } catch (...) {
        m_calculating = false;
        --s_calculationDepth;
        throw;
    }
    m_calculating = false;
    --s_calculationDepth;
}

// The value of a look-up field for the current row: Dataset::lookup with the values
// taken from the row's slots, since it runs for every look-up field of every row.
QVariant Dataset::lookupFor(const LookupDef &l) const
{
    Dataset &target = *l.dataset;
    const QVector<int> &own = fieldList(l.keyFields);
    return target.lookupBy(target.conditionsOn(target.fieldList(l.lookupKeyFields), own.size(),
                                               [&](qsizetype i) { return m_record.at(own.at(i)); }),
                           l.resultField);
}

void Dataset::addReadAhead(Dataset *target, const QString &targetField, const QString &ownField)
{
    m_readAheads << ReadAheadDef{target, targetField, ownField};
}

bool Dataset::hasReadAhead(int, const QVariant &) const
{
    return true;
}

void Dataset::readAhead(int, const QVariantList &) {}

QVariantList Dataset::comingValues(int, int) const
{
    return {};
}

QString Dataset::keyText(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("\x01");
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
        return QString::number(v.toInt());
    case QMetaType::LongLong:
    case QMetaType::Double: {
        // A whole number reads the same whether it came as an integer or a real.
        const double d = v.toDouble();
        if (d == std::trunc(d) && std::fabs(d) < 9e15)
            return QString::number(qint64(d));
        return QString::number(d, 'g', 17);
    }
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    default:
        return v.toString();
    }
}

// Before the look-ups of a row: every dataset this one reads ahead in that has no rows
// read for this row's value gets the values of the coming rows in one batch. Only
// while browsing: a row being edited is computed again for each value typed.
void Dataset::readAheadForRow()
{
    if (m_state != State::Browse)
        return;
    const auto readFor = [this](Dataset *target, const QString &targetField, int ownField) {
        if (!target || !target->isActive() || !target->readsAhead())
            return;
        const Field *key = target->findField(targetField);
        if (!key || !key->isData())
            return;
        const QVariant &value = m_record.at(ownField);
        if (value.isNull() || target->hasReadAhead(key->index(), value))
            return;
        QVariantList values = comingValues(ownField, kReadAheadRows);
        if (values.isEmpty() || values.first() != value)
            values.prepend(value);
        if (values.size() > 1)
            target->readAhead(key->index(), values);
    };
    for (const ReadAheadDef &r : m_readAheads)
        if (const Field *own = findField(r.ownField))
            readFor(r.target, r.targetField, own->index());
    for (const auto &f : m_fields) {
        if (f->kind() != FieldKind::Lookup)
            continue;
        const LookupDef &l = f->lookup();
        const QVector<int> &own = fieldList(l.keyFields);
        if (own.size() == 1 && !l.lookupKeyFields.contains(QLatin1Char(';')))
            readFor(l.dataset, l.lookupKeyFields, own.first());
    }
}

QString Dataset::insertStatement(const QString &table, const Record &row, QVariantList *values) const
{
    QStringList names, marks;
    for (const auto &f : fields()) {
        if (!f->isData() || row.at(f->index()).isNull())
            continue;
        names << f->name();
        marks << QStringLiteral("?");
        *values << row.at(f->index());
    }
    if (names.isEmpty())
        return {};
    return QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

QStringList Dataset::changedAssignments(const Record &oldRow, const Record &row, QVariantList *values) const
{
    QStringList sets;
    for (const auto &f : fields()) {
        if (!f->isData() || oldRow.at(f->index()) == row.at(f->index()))
            continue;
        sets << f->name() + QStringLiteral("=?");
        *values << row.at(f->index());
    }
    return sets;
}

} // namespace engine
