#pragma once

// Reads a PDF back with poppler's command-line tools: the text of each page and the
// words with their boxes (in points from the page's top left corner).

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVector>

// Windows has no poppler: there a test ends where it would read its PDF back, and says so.
#define PDF_READ_BACK_OR_SKIP()                                                                    \
    if (QSysInfo::kernelType() == "winnt")                                                         \
    QSKIP("no pdftotext (poppler) on Windows: the PDF is not read back")

namespace PdfReadBack {

struct Word
{
    QString text;
    int page; // 1 for the first
    double xMin, yMin, xMax, yMax;
};

struct Page
{
    double width;
    double height;
};

inline QString run(const QString& tool, const QStringList& args)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return QString();
    QProcess process;
    process.start(exe, args);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, in reading order; the form feeds between pages are the split.
inline QStringList pages(const QString& file)
{
    const QString text = run("pdftotext", {"-enc", "UTF-8", file, "-"});
    QStringList result = text.split(QChar('\f'));
    if (!result.isEmpty() && result.last().trimmed().isEmpty())
        result.removeLast();
    return result;
}

inline QString unescape(QString s)
{
    s.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    return s;
}

inline QVector<Word> words(const QString& file, QVector<Page>* pageSizes = nullptr)
{
    const QString html = run("pdftotext", {"-enc", "UTF-8", "-bbox", file, "-"});
    QVector<Word> result;
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++page;
            if (pageSizes)
                pageSizes->append(Page{m.captured(1).toDouble(), m.captured(2).toDouble()});
            continue;
        }
        result.append(Word{unescape(m.captured(7)), page, m.captured(3).toDouble(),
                           m.captured(4).toDouble(), m.captured(5).toDouble(),
                           m.captured(6).toDouble()});
    }
    return result;
}

// The fonts the file embeds, one line each as pdffonts lists them.
inline QStringList fonts(const QString& file)
{
    return run("pdffonts", {file}).split('\n', Qt::SkipEmptyParts).mid(2);
}

} // namespace PdfReadBack
