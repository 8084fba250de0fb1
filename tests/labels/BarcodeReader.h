#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Reads barcodes back with zbarimg (Debian's zbar-tools) and turns PDF pages
// into pictures with pdftoppm (poppler-utils), as a phone or a hand scanner
// would read the printed labels.
namespace BarcodeReader {

inline bool available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// What zbarimg reads in the picture file: each symbol's text followed by a
// line break. (Its XML output garbles letters beyond ASCII.)
inline QString readFile(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("zbarimg"), { QStringLiteral("--raw"), QStringLiteral("-q"), path });
    if (!process.waitForFinished(120000))
        return QStringLiteral("<zbarimg did not finish>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The symbols of texts without line breaks that zbarimg finds in the
// picture file, sorted.
inline QStringList decodeFile(const QString &path)
{
    QStringList texts = readFile(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    texts.sort();
    return texts;
}

// The text of the one symbol in the picture file, line breaks and all.
inline QString decodeOne(const QString &path)
{
    QString text = readFile(path);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

inline QString decodeImage(const QImage &image)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("symbol.png"));
    if (!image.save(path))
        return QStringLiteral("<picture not saved>");
    return decodeOne(path);
}

// The pages of a PDF file as pictures of 300 dots an inch, in page order.
inline QStringList pdfPages(const QString &pdf, const QString &folder, int dpi = 300)
{
    QProcess process;
    const QString prefix = QDir(folder).filePath(QStringLiteral("page"));
    process.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix });
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return {};
    QStringList pages = QDir(folder).entryList({ QStringLiteral("page*.png") }, QDir::Files, QDir::Name);
    for (QString &page : pages)
        page = QDir(folder).filePath(page);
    return pages;
}

} // namespace BarcodeReader
