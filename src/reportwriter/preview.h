#pragma once
// The print preview: a maximised window showing the pages of a display list, with
// buttons to zoom, to print and to close. Printing asks for the printer first
// (the standard print dialog); tests replace that question with their own.
#include "reportwriter/displaylist.h"
#include "reportwriter/layout.h"
#include "reportwriter/reportsource.h"

#include <QDialog>
#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace reportwriter {

class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    // Decides where "print" goes: set up the printer (or refuse) and return true to print.
    using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *parent)>;

    explicit PreviewDialog(DisplayList list, QWidget *parent = nullptr);
    ~PreviewDialog() override;

    void setPrinterChooser(PrinterChooser chooser) { m_chooser = std::move(chooser); }
    const DisplayList &displayList() const { return m_list; }
    QPrintPreviewWidget *previewWidget() const { return m_view; }
    QPushButton *printButton() const { return m_print; }

    // Shows the dialog maximised before it runs.
    int exec() override;
    void showEvent(QShowEvent *event) override;

public slots:
    void print();

private:
    void paintRequested(QPrinter *printer);

    DisplayList m_list;
    std::unique_ptr<QPrinter> m_previewPrinter;
    QPrintPreviewWidget *m_view = nullptr;
    QPushButton *m_print = nullptr;
    PrinterChooser m_chooser;
};

// Lays the report out behind a progress dialog and previews it; returns false
// when the user cancelled the layout (nothing is shown then).
bool previewReport(const Layout &layout, ReportSource &source, QWidget *parent = nullptr);

} // namespace reportwriter
