#include "barcodes/handlebarcodes.h"

#include "barcodes/LabelTemplate.h"
#include "core/LabelSettings.h"
#include "core/LogXML.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/MessageBox.h"
#include "desktop/ProcessRunner.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

QString readLatin1(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

// Never null: a null text counts as absent when the template is filled.
QString cut(const QString &text, int length)
{
    const QString part = text.left(std::max(0, length));
    return part.isNull() ? QString(0, QChar()) : part;
}

void logEntry(LogXML *log, const QString &entry, const QString &source, const QString &operation)
{
    if (log)
        log->logItem(entry, source, operation);
}

// A label without an inventory number would carry 000000, which no item's
// number matches when the scanner's file is read back.
bool hasInventoryNumber(const Item &item)
{
    return !item.serialno().trimmed().isEmpty();
}

QString shownName(const Item &item)
{
    return item.name().isEmpty() ? HandlerBarcodesC::tr("(uden navn)") : item.name();
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
}

// No print queue name holds either.
bool isDevicePath(const QString &device)
{
    return device.contains(QLatin1Char('/')) || device.contains(QLatin1Char('\\'));
}

} // namespace

QString HandlerBarcodesC::workFile()
{
    return QStringLiteral("Work/BarcodeFile.txt");
}

QString HandlerBarcodesC::itemTemplateFile()
{
    return QStringLiteral("Setup/BarcodeFormatFile.txt");
}

QString HandlerBarcodesC::locationTemplateFile()
{
    return QStringLiteral("Setup/BarcodeFormatLocationFile.txt");
}

QString HandlerBarcodesC::printerDeviceFile()
{
    return QStringLiteral("Setup/PrinterDevice.txt");
}

QString HandlerBarcodesC::itemId(const QString &serialno)
{
    return serialno.rightJustified(6, QLatin1Char('0'));
}

QString HandlerBarcodesC::locationId(int position)
{
    return QString::number(position).rightJustified(6, QLatin1Char('0'));
}

QString HandlerBarcodesC::fillLabel(
    const QString &labelTemplate, const QString &id, const QString &second, const QString &third)
{
    if (!second.isNull() && third.isNull())
        return LabelTemplate::fill(labelTemplate, { id, second });
    if (!second.isNull())
        return LabelTemplate::fill(labelTemplate, { id, second, third });
    if (third.isNull())
        return LabelTemplate::fill(labelTemplate, { id, id });
    return QString();
}

QString HandlerBarcodesC::makeLabel(const QString &labelTemplate, const QString &outputFile, const QString &id,
    const QString &second, const QString &third, LogXML *log)
{
    qDebug("BarcodeID %s", qUtf8Printable(id));
    const QString label = fillLabel(labelTemplate, id, second, third);
    logEntry(log, label, QStringLiteral("handlebarcodes"), QStringLiteral("ExportToBarcodeFile"));
    logEntry(log, outputFile, QStringLiteral("handlebarcodes"), QStringLiteral("ExportToBarcodeFile"));
    return label;
}

QString HandlerBarcodesC::itemLabelText(
    const QString &labelTemplate, const QString &serialno, const QString &name, bool withName, int nameLength)
{
    const QString id = itemId(serialno);
    return withName ? fillLabel(labelTemplate, id, id, cut(name, nameLength))
                    : fillLabel(labelTemplate, id, QString(), QString());
}

QString HandlerBarcodesC::locationLabelText(
    const QString &labelTemplate, int position, const QString &name, bool withName, int nameLength)
{
    const QString id = locationId(position);
    return withName ? fillLabel(labelTemplate, id, cut(name, nameLength), QString())
                    : fillLabel(labelTemplate, id, QString(), QString());
}

QString HandlerBarcodesC::printerDevice()
{
    // The file holds one name; a line end after it is not part of the name.
    return readLatin1(printerDeviceFile()).trimmed();
}

bool HandlerBarcodesC::setPrinterDevice(const QString &device, QString *error)
{
    const QByteArray bytes = device.toLatin1();
    if (QString::fromLatin1(bytes) != device) {
        *error = tr("Navnet har et tegn, som enhedsfilen ikke kan rumme.");
        return false;
    }
    QSaveFile file(printerDeviceFile());
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

QString HandlerBarcodesC::ExportToBarcodeFile(const QString &templateFile, const QString &outputFile, const QString &id,
    const QString &second, const QString &third, LogXML *log)
{
    const QString label = makeLabel(readLatin1(templateFile), outputFile, id, second, third, log);
    QFile output(outputFile);
    if (output.open(QIODevice::WriteOnly | QIODevice::Append)) {
        output.write(label.toLatin1());
        output.flush();
        output.close();
    }
    return label;
}

bool HandlerBarcodesC::readTemplate(const QString &file, QString *text, QWidget *parent)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        MessageBox::critical(parent, tr("Etiketprinter"),
            tr("Etiketskabelonen %1 kunne ikke læses, så der er ikke sendt noget til etiketprinteren:\n%2")
                .arg(nativePath(file), input.errorString()));
        return false;
    }
    *text = QString::fromLatin1(input.readAll());
    if (text->trimmed().isEmpty()) {
        MessageBox::critical(parent, tr("Etiketprinter"),
            tr("Etiketskabelonen %1 er tom, så der er ikke sendt noget til etiketprinteren.").arg(nativePath(file)));
        return false;
    }
    return true;
}

bool HandlerBarcodesC::writeWorkFile(const QString &labels, QWidget *parent)
{
    // Never written in place: a job is in the file whole or not at all.
    QSaveFile file(workFile());
    const QByteArray bytes = labels.toLatin1();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    MessageBox::critical(parent, tr("Etiketprinter"),
        tr("Etiketfilen %1 kunne ikke skrives, så der er ikke sendt noget til etiketprinteren:\n%2")
            .arg(nativePath(workFile()), file.errorString()));
    return false;
}

QString HandlerBarcodesC::copyToDevice(const QString &workFileName, const QString &device)
{
    // A mistyped device path must not leave a file that looks like a
    // printout, nor swallow the labels into one.
    const QFileInfo info(device);
    if (!info.exists())
        return tr("Enheden findes ikke.");
    if (info.isDir())
        return tr("Det er en mappe, ikke en printerenhed.");
    if (info.isFile())
        return tr("Det er en almindelig fil, ikke en printerenhed.");
    if (!info.isWritable())
        return tr("Der kan ikke skrives til enheden.");

    QFile source(workFileName);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QFile target(device);
    if (!target.open(QIODevice::WriteOnly | QIODevice::ExistingOnly))
        return target.errorString();
    const QByteArray bytes = source.readAll();
    if (target.write(bytes) != bytes.size() || !target.flush())
        return target.errorString();
    return QString();
}

bool HandlerBarcodesC::PrintBarcode(const QString &workFileName, LogXML *log, QWidget *parent)
{
    return send(workFileName, printerDevice(), log, parent);
}

bool HandlerBarcodesC::send(const QString &workFileName, const QString &device, LogXML *log, QWidget *parent)
{
    const QString title = tr("Etiketprinter");
    if (device.isEmpty()) {
        MessageBox::critical(
            parent, title, tr("Der er ikke angivet nogen etiketprinter i %1.").arg(nativePath(printerDeviceFile())));
        return false;
    }

    QString failure;
    if (isDevicePath(device)) {
        logEntry(log, QStringLiteral("copy %1 %2").arg(workFileName, device), QStringLiteral("handlebarcodes"),
            QStringLiteral("PrintBarcode"));
        failure = copyToDevice(workFileName, device);
    } else {
        const QStringList arguments { QStringLiteral("-d"), device, QStringLiteral("-o"), QStringLiteral("raw"),
            workFileName };
        logEntry(log, QStringLiteral("lp ") + arguments.join(QLatin1Char(' ')), QStringLiteral("handlebarcodes"),
            QStringLiteral("PrintBarcode"));
        const ProcessRunner::Result result = ProcessRunner::run(QStringLiteral("lp"), arguments);
        if (!result.started)
            failure = tr("Programmet lp kunne ikke startes.");
        else if (!result.succeeded())
            failure = result.errorOutput.isEmpty() ? tr("lp sluttede med fejlkode %1.").arg(result.exitCode)
                                                   : result.errorOutput;
        if (!result.started && !result.errorOutput.isEmpty())
            failure += QLatin1Char('\n') + result.errorOutput;
    }
    if (failure.isEmpty())
        return true;
    MessageBox::critical(
        parent, title, tr("Etiketterne kunne ikke sendes til etiketprinteren %1:\n%2").arg(device, failure));
    return false;
}

bool HandlerBarcodesC::printTestLabel(const QString &label, const QString &device, QWidget *parent)
{
    startJob(nullptr, QString(), QString());
    return writeWorkFile(label, parent) && send(workFile(), device.trimmed(), nullptr, parent);
}

void HandlerBarcodesC::startJob(LogXML *log, const QString &source, const QString &operation)
{
    if (QFile::exists(workFile())) {
        QFile::remove(workFile());
        logEntry(log, workFile(), source, operation);
    }
}

QString HandlerBarcodesC::itemLabel(const Item &item, const QString &labelTemplate, LogXML *log)
{
    const QString id = itemId(item.serialno());
    if (LabelSettings::namesOnItemLabels()) {
        const int length = LabelSettings::itemNameLength();
        return makeLabel(labelTemplate, workFile(), id, id, cut(item.name(), length), log);
    }
    return makeLabel(labelTemplate, workFile(), id, QString(), QString(), log);
}

bool HandlerBarcodesC::printGroupLabels(
    const DBItemCollection &collection, const QString &groupName, LogXML *log, QWidget *parent)
{
    startJob(log, QStringLiteral("larkspanwindow"), QStringLiteral("MainWindow::PrintBarcode - QFile::remove"));
    const int group = collection.groups().indexOf(groupName);
    if (group < 0)
        return false;
    QList<const Item *> items;
    QStringList leftOut;
    for (const Item *item : collection) {
        if (item->group() != group)
            continue;
        if (hasInventoryNumber(*item))
            items.append(item);
        else
            leftOut.append(shownName(*item));
    }
    // The other items of the shelf still get their labels: one new item
    // without a number does not hold back the rest.
    if (!leftOut.isEmpty()) {
        MessageBox::warning(parent, tr("Etiketprinter"),
            tr("Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan "
               "genkendes ved en lokationsopdatering:\n%1")
                .arg(leftOut.join(QLatin1Char('\n'))));
    }
    QString labelTemplate;
    if (items.isEmpty() || !readTemplate(itemTemplateFile(), &labelTemplate, parent))
        return false;
    QString labels;
    for (const Item *item : std::as_const(items))
        labels += itemLabel(*item, labelTemplate, log);
    if (!writeWorkFile(labels, parent))
        return false;
    const bool sent = PrintBarcode(workFile(), log, parent);
    logEntry(log, workFile(), QStringLiteral("larkspanwindow"), QStringLiteral("PrintBarcode - group"));
    return sent;
}

bool HandlerBarcodesC::printItemLabel(const Item &item, LogXML *log, QWidget *parent)
{
    startJob(log, QStringLiteral("larkspanwindow"), QStringLiteral("MainWindow::PrintBarcode - QFile::remove"));
    if (!hasInventoryNumber(item)) {
        MessageBox::warning(parent, tr("Etiketprinter"),
            tr("Varen %1 har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket "
               "uden varenummer kan aldrig genkendes ved en lokationsopdatering.")
                .arg(shownName(item)));
        return false;
    }
    QString labelTemplate;
    if (!readTemplate(itemTemplateFile(), &labelTemplate, parent)
        || !writeWorkFile(itemLabel(item, labelTemplate, log), parent))
        return false;
    const bool sent = PrintBarcode(workFile(), log, parent);
    logEntry(log, workFile(), QStringLiteral("larkspanwindow"), QStringLiteral("PrintBarcode - one item"));
    return sent;
}

bool HandlerBarcodesC::printLocationLabel(int position, const QString &name, QWidget *parent)
{
    qDebug("Index %d", position);
    startJob(nullptr, QString(), QString());
    QString labelTemplate;
    if (!readTemplate(locationTemplateFile(), &labelTemplate, parent))
        return false;
    const QString id = locationId(position);
    QString label;
    if (LabelSettings::namesOnLocationLabels()) {
        const int length = LabelSettings::locationNameLength();
        label = makeLabel(labelTemplate, workFile(), id, cut(name, length), QString(), nullptr);
    } else {
        label = makeLabel(labelTemplate, workFile(), id, QString(), QString(), nullptr);
    }
    return writeWorkFile(label, parent) && PrintBarcode(workFile(), nullptr, parent);
}
