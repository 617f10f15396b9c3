#include "maskededit.h"

#include "platform/dateformat.h"
#include "platform/error.h"

namespace widgets {

namespace {

struct DeclaredMask {
    QString body;
    QChar blank = QLatin1Char('_');
};

DeclaredMask parse(const QString &declared)
{
    DeclaredMask m;
    const QStringList parts = declared.split(QLatin1Char(';'));
    m.body = parts.value(0);
    if (m.body.startsWith(QLatin1Char('!')))
        m.body.remove(0, 1);
    if (parts.size() > 2 && !parts.at(2).isEmpty())
        m.blank = parts.at(2).at(0);
    return m;
}

bool isEntryPosition(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('9');
}

} // namespace

QString MaskedEdit::toInputMask(const QString &declared)
{
    const DeclaredMask m = parse(declared);
    QString out;
    for (QChar c : m.body) {
        if (c == QLatin1Char('0'))
            out += QLatin1Char('9'); // digit required
        else if (c == QLatin1Char('9'))
            out += QLatin1Char('0'); // digit allowed
        else if (QStringLiteral("AaNnXxDdHhBb#><!{}[]\\").contains(c))
            out += QLatin1Char('\\') + c;
        else
            out += c;
    }
    return out + QLatin1Char(';') + m.blank;
}

MaskedEdit::MaskedEdit(const QString &mask, QWidget *parent)
    : QLineEdit(parent), m_mask(mask), m_blank(parse(mask).blank)
{
    setInputMask(toInputMask(mask));
    const int characters = int(parse(mask).body.size());
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(characters + 2, QLatin1Char('0'))) + 12);
}

QString MaskedEdit::maskedText() const
{
    QString text = displayText();
    text.replace(m_blank, QLatin1Char(' '));
    return text;
}

void MaskedEdit::setMaskedText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char(' '), m_blank);
    setText(shown);
}

void MaskedEdit::clearEntry()
{
    setText(QString());
    setCursorPosition(0);
}

bool MaskedEdit::isBlank() const
{
    const QString body = parse(m_mask).body;
    const QString shown = displayText();
    for (int i = 0; i < body.size() && i < shown.size(); ++i)
        if (isEntryPosition(body.at(i)) && shown.at(i) != m_blank)
            return false;
    return true;
}

DateEdit::DateEdit(QWidget *parent)
    : MaskedEdit(dateMask(), parent)
{
}

QDate DateEdit::date() const
{
    // The year's digits must be typed: "20/05/25  " is no date.
    if (!hasAcceptableInput())
        throw platform::Error(platform::DateFormat::invalidDateMessage(maskedText()));
    return platform::DateFormat::fromText(maskedText());
}

void DateEdit::setDate(const QDate &date)
{
    if (!date.isValid()) {
        clearEntry();
        return;
    }
    setMaskedText(platform::DateFormat::toText(date));
}

} // namespace widgets
