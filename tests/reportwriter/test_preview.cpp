// The print preview and the progress dialog, driven as a user would.
#include "fixtures.h"
#include "pdftext.h"

#include "platform/error.h"
#include "reportwriter/painter.h"
#include "reportwriter/preview.h"
#include "reportwriter/progress.h"
#include "reportwriter/renderer.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace reportwriter;

TEST(Preview, OpensMaximisedAndPrintsFromItsButton)
{
    QTemporaryDir dir;
    auto rows = fixture::sales({30, 25});
    DisplayList list = render(fixture::salesList(), rows);
    const int pages = int(list.pages.size());
    ASSERT_GE(pages, 2);

    PreviewDialog dialog(std::move(list));
    const QString file = dir.filePath(QStringLiteral("printed.pdf"));
    int asked = 0;
    dialog.setPrinterChooser([&](QPrinter &printer, QWidget *) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.windowState() & Qt::WindowMaximized);
    dialog.previewWidget()->updatePreview();
    EXPECT_EQ(dialog.previewWidget()->pageCount(), pages);

    QTest::mouseClick(dialog.printButton(), Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(pdfPageCount(file), pages);
    const auto words = readPdfWords(file);
    EXPECT_EQ(findWords(words, QStringLiteral("50000001"), 0).size(), 1);
    // the grand total: 55 rows of 1,000.50 + n, n = 0..54
    EXPECT_EQ(findWords(words, QStringLiteral("56,512.50"), pages - 1).size(), 1);
}

TEST(Preview, RefusedPrinterPrintsNothing)
{
    QTemporaryDir dir;
    auto rows = fixture::sales({2});
    PreviewDialog dialog(render(fixture::salesList(), rows));
    dialog.setPrinterChooser([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("no.pdf")));
        return false;
    });
    dialog.print();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("no.pdf"))));
}

TEST(Progress, CancelInTheDialogStopsTheLayout)
{
    MemorySource rows({QStringLiteral("POLNO"), QStringLiteral("agentname"), QStringLiteral("EFFDATE"),
                       QStringLiteral("NETPREM")});
    for (int i = 0; i < 5000; ++i)
        rows.addRow({QString::number(i), QStringLiteral("ก"), QDate(2550, 1, 1), 1.0});
    ProgressDialog progress;
    const Progress press = [&](int done, int total) {
        if (done >= 1000)
            progress.dialog()->cancel(); // the user presses "ยกเลิก"
        return progress(done, total);
    };
    const DisplayList list = render(fixture::salesList(), rows, press);
    EXPECT_TRUE(list.cancelled);
    EXPECT_EQ(progress.dialog()->maximum(), 5000);
    int details = 0;
    for (const DisplayPage &p : list.pages)
        details += int(p.bandKinds().count(Band::Kind::Detail));
    EXPECT_EQ(details, 1000);
    QTemporaryDir dir;
    EXPECT_THROW(writePdf(list, dir.filePath(QStringLiteral("half.pdf"))), platform::Error);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("half.pdf"))));
}
