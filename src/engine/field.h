#pragma once
// One field of a dataset: its definition (name, type, size, kind, display format,
// grid heading and width, visibility, entry mask, look-up) and typed access to its
// value in the dataset's current row.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace engine {

class Dataset;

// A date in the form dates are stored in, "yyyy-MM-dd", read without building texts;
// an invalid date for any other text. For UTF-16 and for UTF-8 text.
template<typename Char>
QDate storedDate(const Char *text, qsizetype size)
{
    if (size != 10 || text[4] != Char('-') || text[7] != Char('-'))
        return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (text[i] < Char('0') || text[i] > Char('9'))
                return {};
            parts[p] = parts[p] * 10 + int(text[i] - Char('0'));
        }
    return QDate(parts[0], parts[1], parts[2]);
}

enum class FieldType { String, FixedString, SmallInt, Integer, Float, Boolean, Date, DateTime };

// Data fields hold a column; calculated fields are set by the dataset's
// onCalcFields hook; look-up fields are filled by a keyed look-up in another dataset.
enum class FieldKind { Data, Calculated, Lookup };

struct LookupDef
{
    QString keyFields;        // field(s) of this row, separated by ';'
    Dataset *dataset = nullptr; // the looked-up dataset
    QString lookupKeyFields;  // its key field(s), in the same order
    QString resultField;      // the column shown
};

// A field definition, written as a chain: FieldDef(u"PREM"_s, FieldType::Float).money().
struct FieldDef
{
    FieldDef() = default;
    FieldDef(const QString &name, FieldType type, int size = 0, FieldKind kind = FieldKind::Data)
        : name(name), type(type), size(size), kind(kind)
    {
    }
    static FieldDef calculated(const QString &name, FieldType type, int size = 0)
    {
        return FieldDef(name, type, size, FieldKind::Calculated);
    }
    static FieldDef lookupField(const QString &name, int size, const QString &keyFields, Dataset *dataset,
                                const QString &lookupKeyFields, const QString &resultField)
    {
        FieldDef d(name, FieldType::String, size, FieldKind::Lookup);
        d.lookup = {keyFields, dataset, lookupKeyFields, resultField};
        return d;
    }
    FieldDef &format(const QString &f) { displayFormat = f; return *this; }
    FieldDef &money() { return format(QStringLiteral("#,###.00")); }
    FieldDef &label(const QString &l) { displayLabel = l; return *this; }
    FieldDef &width(int w) { displayWidth = w; return *this; }
    FieldDef &hidden() { visible = false; return *this; }
    FieldDef &mask(const QString &m) { editMask = m; return *this; }

    QString name;
    FieldType type = FieldType::String;
    int size = 0;
    FieldKind kind = FieldKind::Data;
    QString displayFormat;
    QString displayLabel;
    int displayWidth = 0;
    bool visible = true;
    QString editMask;
    LookupDef lookup;
};

class Field
{
    friend class Dataset;

public:
    Field(Dataset *dataset, int index, const FieldDef &def);

    const QString &name() const { return m_def.name; }
    FieldType type() const { return m_def.type; }
    int size() const { return m_def.size; }
    FieldKind kind() const { return m_def.kind; }
    bool isData() const { return m_def.kind == FieldKind::Data; }
    const LookupDef &lookup() const { return m_def.lookup; }
    Dataset *dataset() const { return m_dataset; }
    int index() const { return m_index; }
    const FieldDef &definition() const { return m_def; }

    const QString &displayFormat() const { return m_def.displayFormat; }
    void setDisplayFormat(const QString &f) { m_def.displayFormat = f; }
    // Grid heading; the field name when none was given.
    QString displayLabel() const { return m_def.displayLabel.isEmpty() ? m_def.name : m_def.displayLabel; }
    void setDisplayLabel(const QString &l) { m_def.displayLabel = l; }
    // Grid width in characters; the field size (10 for numbers and dates) when none was given.
    int displayWidth() const;
    void setDisplayWidth(int w) { m_def.displayWidth = w; }
    bool isVisible() const { return m_def.visible; }
    void setVisible(bool v) { m_def.visible = v; }
    const QString &editMask() const { return m_def.editMask; }
    void setEditMask(const QString &m) { m_def.editMask = m; }

    QVariant value() const;
    bool isNull() const { return value().isNull(); }
    QString asString() const;   // text as stored; numbers in general number format, dates dd/MM/yyyy
    double asFloat() const;     // 0 for an empty value
    int asInteger() const;      // 0 for an empty value
    QDate asDate() const;
    QDateTime asDateTime() const;
    bool asBoolean() const;
    // The value as a control or a grid shows it, with the display format.
    QString displayText() const;

    // Sets the value, converted to the field's type (text cut to the field's size).
    // Data fields need the dataset in edit or insert state. Raises platform::Error
    // when the value cannot be converted.
    void setValue(const QVariant &value);
    void clear() { setValue(QVariant()); }

    // Converts a value to the storage form of a type: QString, int, double, bool,
    // QDate or QDateTime, or a null QVariant. Text that is empty stays empty text;
    // date text is read in ISO form (as SQLite holds it) or dd/MM/yyyy.
    static QVariant convert(const QVariant &value, FieldType type, int size, const QString &fieldName);

private:
    Dataset *m_dataset;
    int m_index;
    FieldDef m_def;
};

} // namespace engine
