#pragma once
// The dataset model the windows are written in: fields, a current row, the states
// inactive / browse / edit / insert, navigation, locate and look-up by key, edit,
// insert, append, post, cancel, delete, filters, calculated and look-up fields
// recomputed for every row read, rules run around insert and post, and signals
// that data-aware controls follow.
//
// Subclasses supply the cursor (TableDataset reads pages by key, QueryDataset and
// MemoryTable hold their rows in memory); this class holds the state rules.
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "field.h"

namespace engine {

using Record = QVector<QVariant>;

// One equality of a filter or a locate: field index and the value sought.
struct Condition
{
    int field;
    QVariant value;
};

class Dataset : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    explicit Dataset(const QString &name = {}, QObject *parent = nullptr);
    ~Dataset() override;

    QString name() const { return objectName(); }

    // Fields. Declared fields stay for the dataset's life; a dataset that declares no
    // data fields takes them from its table or result when it opens.
    Field *addField(const FieldDef &def);
    const std::vector<std::unique_ptr<Field>> &fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    Field *field(int index) const { return m_fields.at(size_t(index)).get(); }
    Field *findField(const QString &name) const; // without case; nullptr when missing
    Field *fieldByName(const QString &name) const; // raises platform::Error when missing
    // fieldByName for a name written as a string literal in code that runs for every
    // row: the answer is kept by the literal's address, so no text is built per call.
    Field *fieldByLiteral(const char *literalName) const;
    QVariant value(const QString &fieldName) const { return fieldByName(fieldName)->value(); }
    void setValue(const QString &fieldName, const QVariant &v) { fieldByName(fieldName)->setValue(v); }
    QList<Field *> visibleFields() const;

    void open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isReadOnly() const { return m_readOnly || !canModify(); }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return !m_hasRow && m_state != State::Insert; }
    bool hasCurrentRow() const { return m_hasRow || m_state == State::Insert; }
    // Rows that pass the filter.
    virtual int recordCount() = 0;

    // Moves to the first row whose fields ("POLNO" or "A;B") equal the values; false
    // (and no move) when there is none.
    bool locate(const QString &keyFields, const QVariantList &values);
    bool locate(const QString &keyField, const QVariant &value) { return locate(keyField, QVariantList{value}); }
    // The result field of the first row whose key fields equal the values, without
    // moving; a null QVariant when there is none.
    QVariant lookup(const QString &keyFields, const QVariantList &values, const QString &resultField);

    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    void remove();
    bool isModified() const { return m_modified; }

    // Filter text: equalities of one field and a value, joined by "and":
    // "Polno=12345678", "STATUS='0'", "AGENT = \"1001\" and STATUS='C'". The values
    // are bound, never pasted into SQL. The filter applies while isFiltered().
    void setFilter(const QString &filter);
    const QString &filter() const { return m_filter; }
    void setFiltered(bool filtered);
    bool isFiltered() const { return m_filtered; }

    // Reads the current row again from the store (a statement may have changed it);
    // goes to the first row when it is gone.
    void refresh();

    // Rules, run by this dataset. onCalcFields sets the calculated fields of the
    // current row (look-up fields are already filled); afterInsert runs after a new
    // row is started; beforePost may raise to refuse the row; afterPost runs after a
    // row is stored; afterScroll after the current row changed.
    std::function<void(Dataset &)> onCalcFields;
    std::function<void(Dataset &)> afterInsert;
    std::function<void(Dataset &)> beforePost;
    std::function<void(Dataset &)> afterPost;
    std::function<void(Dataset &)> afterOpen;
    std::function<void(Dataset &)> afterScroll;

    // True while some dataset computes the derived fields of a row: the reads made for
    // them may share one held read transaction (Connection::holdRead).
    static bool computingDerivedFields() { return s_calculationDepth > 0; }

    // Forgets look-up results kept for speed (see TableDataset::setCachesLookups).
    virtual void clearLookupCache() {}

    // Reading ahead for derived fields: while this dataset computes the derived fields
    // of its rows, the rows of `target` whose `targetField` equals this dataset's
    // `ownField` are read for the coming rows of this dataset in one statement, and the
    // locates, look-ups and single-value filters of `target` on that field are answered
    // from them. Look-up fields with one key field read ahead without being declared.
    void addReadAhead(Dataset *target, const QString &targetField, const QString &ownField);
    static constexpr int kReadAheadRows = 64;

    // Used by Field.
    QVariant rawValue(int index) const;
    void setRawValue(Field *field, const QVariant &value);

signals:
    void activeChanged(bool active);
    void stateChanged(engine::Dataset::State state);
    // The current row moved, was re-read or emptied: controls show every field again.
    void recordChanged();
    // One value of the current row changed (also calculated fields recomputed by it).
    void fieldChanged(engine::Field *field);

protected:
    // Cursor primitives of a subclass. Each that lands on a row fills the data-field
    // slots of `row` (all slots are sized to fieldCount()) and returns true.
    virtual void doOpen() = 0;
    virtual void doClose() = 0;
    virtual bool doFirst(Record &row) = 0;
    virtual bool doLast(Record &row) = 0;
    virtual bool doNext(Record &row) = 0;
    virtual bool doPrior(Record &row) = 0;
    // Moves to the first row meeting the conditions (and the filter); leaves the
    // position unchanged and returns false when there is none.
    virtual bool doLocate(const QList<Condition> &conditions, Record &row) = 0;
    virtual QVariant doLookup(const QList<Condition> &conditions, int resultField) = 0;
    // Stores a new row (append: at the end, else before the current row) and makes it
    // current; `row` may be refreshed with what the store made of it (defaults).
    // Parts of the statements that store a row, for the datasets that write to a table:
    // an INSERT of the row's non-null data fields (empty text when it has none), and
    // the "column=?" assignments of the data fields that differ from the old row.
    QString insertStatement(const QString &table, const Record &row, QVariantList *values) const;
    QStringList changedAssignments(const Record &oldRow, const Record &row, QVariantList *values) const;

    virtual void doInsert(Record &row, bool append) = 0;
    virtual void doUpdate(const Record &oldRow, Record &row) = 0;
    // Deletes the current row; lands on the row after it (or before it when it was
    // the last) and returns whether one is left.
    virtual bool doDelete(const Record &row, Record &landed) = 0;
    // The current row read again; false when it is gone.
    virtual bool doRefresh(Record &row) = 0;
    virtual bool canModify() const { return true; }
    virtual void filterChanged() {}
    // Called at open when no data fields are declared.
    virtual void createDefaultFields() {}

    // Reading ahead (see addReadAhead). A dataset that can answer reads from rows read
    // ahead says so and keeps the rows of the last batch; one that holds its coming rows
    // gives the values of a field in them, the current row's first.
    virtual bool readsAhead() const { return false; }
    virtual bool hasReadAhead(int field, const QVariant &value) const;
    virtual void readAhead(int field, const QVariantList &values);
    virtual QVariantList comingValues(int field, int count) const;
    // The text by which a value is matched in memory: numbers by value, dates as ISO text.
    static QString keyText(const QVariant &v);

    // The active filter, parsed (empty when none).
    const QList<Condition> &filterConditions() const { return m_filterConditions; }
    bool matches(const Record &row, const QList<Condition> &conditions) const;
    static bool sameValue(const QVariant &a, const QVariant &b);
    QList<Condition> conditionsFor(const QString &fields, const QVariantList &values) const;
    template<typename ValueAt>
    QList<Condition> conditionsOn(const QVector<int> &indexes, qsizetype count, ValueAt valueAt) const;
    QVariant lookupBy(const QList<Condition> &conditions, const QString &resultField);
    void removeDataFields(); // for datasets whose fields follow the result
    Record emptyRecord() const { return Record(fieldCount()); }
    void checkActive() const;

private:
    void parseFilter();
    const QVector<int> &fieldList(const QString &fields) const;
    void checkBrowseMode();
    void land(bool found, const Record &row);
    void calculate();
    void readAheadForRow();
    QVariant lookupFor(const LookupDef &lookup) const;
    void startInsert(bool append);
    void setState(State s);
    bool hasDerivedFields() const;
    void finishedReading();
    static int s_calculationDepth;

    std::vector<std::unique_ptr<Field>> m_fields;
    QHash<QString, int> m_fieldIndex; // name as declared and in upper case → index
    State m_state = State::Inactive;
    Record m_record;
    Record m_oldRecord;
    bool m_oldHasRow = false;
    bool m_hasRow = false;
    bool m_eof = true;
    bool m_bof = true;
    bool m_modified = false;
    bool m_readOnly = false;
    bool m_calculating = false;
    bool m_insertAppends = false;
    QString m_filter;
    bool m_filtered = false;
    QList<Condition> m_filterConditions;
    mutable QHash<QString, QVector<int>> m_fieldListCache;
    mutable QHash<const char *, int> m_literalIndex;
    struct LiteralSlot
    {
        const char *name = nullptr;
        int index = -1;
    };
    static constexpr size_t kLiteralSlots = 127;
    mutable std::array<LiteralSlot, kLiteralSlots> m_literalSlots{};
    struct ReadAheadDef
    {
        Dataset *target;
        QString targetField;
        QString ownField;
    };
    QVector<ReadAheadDef> m_readAheads;
};

} // namespace engine
