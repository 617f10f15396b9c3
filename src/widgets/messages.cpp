#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace widgets {

namespace {
Messages *g_installed = nullptr;

QWidget *owner()
{
    return QApplication::activeWindow();
}

QString title()
{
    return QApplication::applicationDisplayName();
}
} // namespace

Messages &Messages::current()
{
    static BoxMessages boxes;
    return g_installed ? *g_installed : boxes;
}

void Messages::install(Messages *messages)
{
    g_installed = messages;
}

void BoxMessages::error(const QString &text)
{
    QMessageBox::critical(owner(), title(), text);
}

void BoxMessages::information(const QString &text)
{
    QMessageBox::information(owner(), title(), text);
}

void BoxMessages::warning(const QString &text)
{
    QMessageBox::warning(owner(), title(), text);
}

bool BoxMessages::questionYesNo(const QString &text)
{
    return QMessageBox::question(owner(), title(), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool BoxMessages::questionOkCancel(const QString &text)
{
    return QMessageBox::question(owner(), title(), text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace widgets
