#pragma once
// Masked entry boxes. Masks are written as the windows declare them,
// "!99/99/2500;1;_": '0' a digit that must be typed, '9' a digit that may be typed,
// other characters fixed text (the "25" of a Buddhist-era year), then after ';'
// whether fixed text belongs to the value and the character shown for a blank.
#include <QDate>
#include <QLineEdit>

namespace widgets {

// Date as the counter types it: day, month and the last two digits of the year.
inline QString dateMask() { return QStringLiteral("!99/99/2500;1;_"); }
// Hours and minutes.
inline QString timeMask() { return QStringLiteral("!90:00;1;_"); }

class MaskedEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskedEdit(const QString &mask, QWidget *parent = nullptr);

    const QString &mask() const { return m_mask; }
    // The box's value with its fixed text and a blank for each position not typed:
    // an empty date box gives "  /  /25  ".
    QString maskedText() const;
    // Fills the box from a text in the mask's form (blanks allowed).
    void setMaskedText(const QString &text);
    // Empties every position that is typed; the fixed text stays.
    void clearEntry();
    // No position typed.
    bool isBlank() const;

    // The Qt input mask for a declared mask ("!99/99/2500;1;_" gives "00/00/2599;_").
    static QString toInputMask(const QString &declared);

private:
    QString m_mask;
    QChar m_blank;
};

// The masked date box "!99/99/2500;1;_". Its text turns into a date through the
// program's one date conversion, which raises the standard invalid-date message.
class DateEdit : public MaskedEdit
{
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);
    QDate date() const;             // raises platform::Error for a text that is no date
    void setDate(const QDate &date); // a null date empties the box
};

} // namespace widgets
