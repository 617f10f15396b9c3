#pragma once
// Reads a PDF back with poppler's pdftotext -bbox: every word with its box in
// inches, and Thai text normalised so that it compares with what was printed.
#include <QList>
#include <QRectF>
#include <QString>

struct PdfWord
{
    int page = 0;     // 0-based
    QRectF box;       // inches from the top-left of the page
    QString text;
};

// Runs pdftotext; an empty list and a failed expectation when it cannot.
QList<PdfWord> readPdfWords(const QString &pdfFile);
int pdfPageCount(const QString &pdfFile);

// pdftotext gives some Thai marks as the private-use forms U+F700–U+F71A and
// sara am as nikhahit + sara aa around the tone mark: map them back.
QString normaliseThai(const QString &text);

// The words of one page whose text, normalised, equals text.
QList<PdfWord> findWords(const QList<PdfWord> &words, const QString &text, int page = -1);
