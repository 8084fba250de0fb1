#pragma once

#include "ui_LabelPrinterDialogBase.h"

#include <QDialog>
#include <QString>
#include <QStringList>

// The label printer's setup: the picture of the next item or location label,
// drawn from its template with the texts a print job would fill in (see
// ZplLabel for what is drawn and what is listed as not shown), the printer
// queue or device of the device file, and the label settings of LabelSettings
// under their own keys. The picture follows the name settings as they are
// changed; OK stores them and the printer, Cancel leaves both as they were.
//
// "Print test label" sends the label shown through the label printer's own
// path (the work file, then the queue or device typed, saved or not).
class LabelPrinterDialog : public QDialog, private Ui::LabelPrinterDialogBase
{
    Q_OBJECT
public:
    // What the next labels are made of: the item's inventory number and name,
    // the location's position in the group list and its name.
    struct Sample
    {
        QString serialno;
        QString itemName;
        int location = 0;
        QString locationName;
    };
    enum Kind { ItemLabel, LocationLabel };

    explicit LabelPrinterDialog(const Sample &sample, QWidget *parent = nullptr);

    // The label shown, filled; empty when its template cannot be read.
    QString labelText() const { return m_labelText; }
    // The template file of the label shown.
    QString templateFile() const;

    void accept() override;

private:
    void showLabel();
    void printTestLabel();
    void help();

    Sample m_sample;
    QString m_labelText;
};
