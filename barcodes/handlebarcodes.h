#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class DBItemCollection;
class Item;
class LogXML;
class QWidget;

// Barcode labels for a ZPL-type label printer. A label job fills the label
// template once per item (or for one location, see LabelTemplate for how the
// texts are made safe), replaces the work file with the whole job and copies
// that file raw to the printer named in the printer device file. All paths
// are relative to the current folder, the program's run folder.
//
// A job is sent only when the work file holds it: a template that cannot be
// read or is empty, or a work file that cannot be replaced, is told to the
// user and nothing goes to the printer, so a previous job is never sent again.
//
// The printer device file names either a print queue, which gets the file
// through "lp -d QUEUE -o raw FILE", or a device path (any text with "/" or
// "\", which no queue name may hold, such as /dev/usb/lp0). A device path
// must name an existing device that can be written to; a plain file, a folder
// or a missing path is refused and never created. A copy that fails is told
// to the user: there is no console window here that would show the outcome.
class HandlerBarcodesC
{
    Q_DECLARE_TR_FUNCTIONS(HandlerBarcodesC)

public:
    static QString workFile();
    static QString itemTemplateFile();
    static QString locationTemplateFile();
    static QString printerDeviceFile();

    // An item's serial number right-justified to six characters with "0"
    // in front; a longer text stays whole.
    static QString itemId(const QString &serialno);
    // A group's 0-based position in the group list, the same way.
    static QString locationId(int position);

    // The label of an item with that inventory number and name, or of the
    // location at that position with that name, filled as a print job fills
    // it; the name, cut to nameLength characters, only when withName.
    static QString itemLabelText(
        const QString &labelTemplate, const QString &serialno, const QString &name, bool withName, int nameLength);
    static QString locationLabelText(
        const QString &labelTemplate, int position, const QString &name, bool withName, int nameLength);

    // The printer the device file names, without the line end after it;
    // empty when there is none.
    static QString printerDevice();
    // Replaces the device file with the name as it is; false, with the
    // reason, when the file could not be written or the name holds a
    // character that Latin-1 has not.
    static bool setPrinterDevice(const QString &device, QString *error);

    // Fills the template with the ID and the optional second and third
    // texts (null for absent) in placeholder order, appends the label to
    // outputFile and returns it. A missing template reads as empty; the print
    // jobs below refuse one instead.
    QString ExportToBarcodeFile(const QString &templateFile, const QString &outputFile, const QString &id,
        const QString &second, const QString &third, LogXML *log);
    // Sends the work file to the label printer; false, after telling the
    // user why (parent of the box), when it did not reach it.
    bool PrintBarcode(const QString &workFileName, LogXML *log, QWidget *parent = nullptr);

    // One label sent, through the work file, to the printer named (a queue
    // or a device path, as in the device file), which need not be the
    // device file's yet: the label printer setup's test label.
    bool printTestLabel(const QString &label, const QString &device, QWidget *parent);

    // A new job: the work file of the previous one goes.
    static void startJob(LogXML *log, const QString &source, const QString &operation);

    // The labels of every item of the named group, in collection order, in one
    // job; nothing is sent for a name that is not in the group list or a group
    // without items. Items without an inventory number get no label: the user
    // is told their names and the others are sent. True when labels were sent.
    bool printGroupLabels(const DBItemCollection &collection, const QString &groupName, LogXML *log, QWidget *parent);
    // The label of one item in one job; an item without an inventory number
    // is refused, telling the user its name.
    bool printItemLabel(const Item &item, LogXML *log, QWidget *parent);
    // The label of the location at position (0-based in the group list), with
    // its name when "EnableLocationNameOnLabels" is set.
    bool printLocationLabel(int position, const QString &name, QWidget *parent);

private:
    // The template filled with the ID and the second and third texts as
    // ExportToBarcodeFile describes.
    static QString fillLabel(
        const QString &labelTemplate, const QString &id, const QString &second, const QString &third);
    // The filled template; the label and the output file name go to the log.
    static QString makeLabel(const QString &labelTemplate, const QString &outputFile, const QString &id,
        const QString &second, const QString &third, LogXML *log);
    // The item's label, with its name when "EnableNameOnLabels" is set.
    static QString itemLabel(const Item &item, const QString &labelTemplate, LogXML *log);
    // False, after telling the user, when the template cannot be read or is empty.
    static bool readTemplate(const QString &file, QString *text, QWidget *parent);
    // Replaces the work file with the job whole; false, after telling the
    // user, when it could not.
    static bool writeWorkFile(const QString &labels, QWidget *parent);
    // Sends the work file to the printer named; false, after telling the user.
    static bool send(const QString &workFileName, const QString &device, LogXML *log, QWidget *parent);
    // Copies the work file to the device path; why it could not, or empty.
    static QString copyToDevice(const QString &workFileName, const QString &device);
};
