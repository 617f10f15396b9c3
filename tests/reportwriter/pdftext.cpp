#include "pdftext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

QString normaliseThai(const QString &text)
{
    static const char16_t pua[] = {
        0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F700-F709
        0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E0D, 0x0E31, 0x0E4D, 0x0E48, 0x0E49, // F70A-F713
        0x0E4A, 0x0E4B, 0x0E4C, 0x0E47, 0x0E38, 0x0E39, 0x0E3A};                         // F714-F71A
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out.append(u >= 0xF700 && u <= 0xF71A ? QChar(pua[u - 0xF700]) : c);
    }
    // nikhahit [tone] sara aa  ->  [tone] sara am
    static const QRegularExpression am(QStringLiteral("\u0E4D([\u0E48-\u0E4B]?)\u0E32"));
    out.replace(am, QStringLiteral("\\1\u0E33"));
    // a tone mark written before a lower or upper vowel -> vowel first
    static const QRegularExpression toneFirst(QStringLiteral("([\u0E48-\u0E4C])([\u0E31\u0E34-\u0E3A\u0E47])"));
    out.replace(toneFirst, QStringLiteral("\\2\\1"));
    return out;
}

QList<PdfWord> readPdfWords(const QString &pdfFile)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfFile, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed on " << pdfFile.toStdString();
        return {};
    }
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pageRe(QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                          "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    int page = -1;
    for (auto it = pageRe.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(u"<page")) {
            ++page;
            continue;
        }
        PdfWord w;
        w.page = page;
        w.box = QRectF(QPointF(m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72),
                       QPointF(m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72));
        w.text = normaliseThai(QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText());
        words.append(w);
    }
    return words;
}

int pdfPageCount(const QString &pdfFile)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdfFile});
    p.waitForFinished(60000);
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pages.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QList<PdfWord> findWords(const QList<PdfWord> &words, const QString &text, int page)
{
    const QString wanted = normaliseThai(text);
    QList<PdfWord> out;
    for (const PdfWord &w : words) {
        if ((page < 0 || w.page == page) && w.text == wanted)
            out.append(w);
    }
    return out;
}
