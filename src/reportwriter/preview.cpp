#include "reportwriter/preview.h"

#include "platform/error.h"
#include "reportwriter/painter.h"
#include "reportwriter/progress.h"
#include "reportwriter/renderer.h"

#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace reportwriter {

namespace {

bool askForPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PreviewDialog::PreviewDialog(DisplayList list, QWidget *parent)
    : QDialog(parent), m_list(std::move(list)), m_previewPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_chooser(askForPrinter)
{
    setWindowTitle(QStringLiteral("Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    preparePrinter(*m_previewPrinter, m_list);

    m_view = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_view->setObjectName(QStringLiteral("PreviewView"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PreviewDialog::paintRequested);

    m_print = new QPushButton(QStringLiteral("พิมพ์"), this);
    m_print->setObjectName(QStringLiteral("PrintButton"));
    auto *zoomIn = new QPushButton(QStringLiteral("ขยาย"), this);
    auto *zoomOut = new QPushButton(QStringLiteral("ย่อ"), this);
    auto *fitWidth = new QPushButton(QStringLiteral("เต็มความกว้าง"), this);
    auto *close = new QPushButton(QStringLiteral("ปิด"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(m_print, &QPushButton::clicked, this, &PreviewDialog::print);
    connect(zoomIn, &QPushButton::clicked, m_view, [this] { m_view->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, m_view, [this] { m_view->zoomOut(); });
    connect(fitWidth, &QPushButton::clicked, m_view, &QPrintPreviewWidget::fitToWidth);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(zoomIn);
    buttons->addWidget(zoomOut);
    buttons->addWidget(fitWidth);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    m_view->fitToWidth();
}

PreviewDialog::~PreviewDialog() = default;

int PreviewDialog::exec()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    return QDialog::exec();
}

void PreviewDialog::showEvent(QShowEvent *event)
{
    setWindowState(windowState() | Qt::WindowMaximized);
    QDialog::showEvent(event);
}

void PreviewDialog::paintRequested(QPrinter *printer)
{
    printDisplayList(*printer, m_list);
}

void PreviewDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, m_list);
    printer.setFromTo(1, int(m_list.pages.size()));
    printer.setPrintRange(QPrinter::AllPages);
    if (!m_chooser || !m_chooser(printer, this))
        return;
    printDisplayList(printer, m_list);
}

bool previewReport(const Layout &layout, ReportSource &source, QWidget *parent)
{
    DisplayList list;
    {
        ProgressDialog progress(parent);
        list = render(layout, source, progress.callback());
    }
    if (list.cancelled)
        return false;
    PreviewDialog dialog(std::move(list), parent);
    dialog.exec();
    return true;
}

} // namespace reportwriter
