#include "dbedit.h"

#include <QRegularExpressionValidator>

#include "guarded.h"

namespace widgets {

DBEdit::DBEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(&m_link, &FieldLink::changed, this, &DBEdit::showValue);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { writeText(text); });
    showValue();
}

DBEdit::DBEdit(engine::DataSource *source, const QString &fieldName, QWidget *parent)
    : DBEdit(parent)
{
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

void DBEdit::showValue()
{
    if (m_link.isWriting())
        return;
    engine::Field *f = m_link.isLinked() ? m_link.field() : nullptr;
    setReadOnly(!f || !m_link.canEdit());
    if (!f) {
        setValidator(nullptr);
        clear();
        return;
    }
    const engine::FieldType t = f->type();
    const bool whole = t == engine::FieldType::Integer || t == engine::FieldType::SmallInt;
    const bool number = whole || t == engine::FieldType::Float;
    if (number && !validator()) {
        static const QRegularExpression wholePattern(QStringLiteral("-?[0-9]*"));
        static const QRegularExpression floatPattern(QStringLiteral("-?[0-9]*[.]?[0-9]*"));
        setValidator(new QRegularExpressionValidator(whole ? wholePattern : floatPattern, this));
    }
    if (f->size() > 0 && (t == engine::FieldType::String || t == engine::FieldType::FixedString)
        && (maxLength() == 32767 || maxLength() > f->size()))
        setMaxLength(f->size());
    const QString shown = hasFocus() ? f->asString() : f->displayText();
    if (shown != text())
        setText(shown);
}

void DBEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    showValue();
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    showValue();
}

void DBEdit::writeText(const QString &text)
{
    // A sign or a point alone is a number still being typed.
    if (text == QLatin1String("-") || text == QLatin1String(".") || text == QLatin1String("-."))
        return;
    guarded([&] {
        if (!m_link.write(text.isEmpty() ? QVariant() : QVariant(text)))
            showValue();
    });
}

} // namespace widgets
