#include "barcodes/LabelPrinterDialog.h"

#include "barcodes/ZplLabel.h"
#include "barcodes/ZplPreview.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "core/LabelSettings.h"
#include "core/Settings.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "help/HelpTopics.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include <algorithm>

namespace {

// The label printer's resolution.
constexpr double dotsPerMillimetre = 203 / 25.4;
// The picture is at most this wide on screen, and never more than one and a
// half times the printer's dots.
constexpr int pictureWidth = 560;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
}

// The label on a grey ground with a thin frame, so that its white shows.
QPixmap picture(const QImage &label)
{
    const double scale = std::min(1.5, double(pictureWidth) / std::max(1, label.width()));
    const QSize size = (QSizeF(label.size()) * scale).toSize().expandedTo(QSize(1, 1));
    QPixmap pixmap(size + QSize(2, 2));
    pixmap.fill(Qt::darkGray);
    QPainter painter(&pixmap);
    painter.drawImage(QRect(QPoint(1, 1), size), label.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.end();
    return pixmap;
}

} // namespace

LabelPrinterDialog::LabelPrinterDialog(const Sample &sample, QWidget *parent)
    : QDialog(parent)
    , m_sample(sample)
{
    setupUi(this);
    kindBox->addItem(tr("Vareetiket"), int(ItemLabel));
    kindBox->addItem(tr("Lokationsetiket"), int(LocationLabel));
    for (QSpinBox *length : { itemLengthSpin, locationLengthSpin })
        length->setRange(1, LabelSettings::maxNameLength);
    itemNamesCheck->setChecked(LabelSettings::namesOnItemLabels());
    itemLengthSpin->setValue(LabelSettings::itemNameLength());
    locationNamesCheck->setChecked(LabelSettings::namesOnLocationLabels());
    locationLengthSpin->setValue(LabelSettings::locationNameLength());
    printerEdit->setText(HandlerBarcodesC::printerDevice());
    QPalette ground = previewLabel->palette();
    ground.setColor(QPalette::Window, QColor(0xd8, 0xd8, 0xd8));
    previewLabel->setPalette(ground);

    connect(kindBox, &QComboBox::currentIndexChanged, this, &LabelPrinterDialog::showLabel);
    for (QCheckBox *names : { itemNamesCheck, locationNamesCheck })
        connect(names, &QCheckBox::toggled, this, &LabelPrinterDialog::showLabel);
    for (QSpinBox *length : { itemLengthSpin, locationLengthSpin })
        connect(length, &QSpinBox::valueChanged, this, &LabelPrinterDialog::showLabel);
    connect(testButton, &QPushButton::clicked, this, &LabelPrinterDialog::printTestLabel);
    connect(printerEdit, &QLineEdit::textEdited, testResultLabel, &QLabel::clear);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &LabelPrinterDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &LabelPrinterDialog::reject);
    connect(buttonBox, &QDialogButtonBox::helpRequested, this, &LabelPrinterDialog::help);
    showLabel();
    adjustSize();
}

QString LabelPrinterDialog::templateFile() const
{
    return kindBox->currentData().toInt() == LocationLabel ? HandlerBarcodesC::locationTemplateFile()
                                                           : HandlerBarcodesC::itemTemplateFile();
}

void LabelPrinterDialog::showLabel()
{
    itemLengthSpin->setEnabled(itemNamesCheck->isChecked());
    locationLengthSpin->setEnabled(locationNamesCheck->isChecked());
    testResultLabel->clear();
    m_labelText.clear();

    QFile file(templateFile());
    QString labelTemplate;
    QString unreadable;
    if (!file.open(QIODevice::ReadOnly))
        unreadable
            = tr("Etiketskabelonen %1 kunne ikke læses:\n%2").arg(nativePath(file.fileName()), file.errorString());
    else if ((labelTemplate = QString::fromLatin1(file.readAll())).trimmed().isEmpty())
        unreadable = tr("Etiketskabelonen %1 er tom.").arg(nativePath(file.fileName()));
    testButton->setEnabled(unreadable.isEmpty());
    if (!unreadable.isEmpty()) {
        previewLabel->setPixmap(QPixmap());
        previewLabel->setText(unreadable);
        notShownLabel->clear();
        return;
    }

    if (kindBox->currentData().toInt() == LocationLabel)
        m_labelText = HandlerBarcodesC::locationLabelText(labelTemplate, m_sample.location, m_sample.locationName,
            locationNamesCheck->isChecked(), locationLengthSpin->value());
    else
        m_labelText = HandlerBarcodesC::itemLabelText(
            labelTemplate, m_sample.serialno, m_sample.itemName, itemNamesCheck->isChecked(), itemLengthSpin->value());

    const ZplLabel label = ZplLabel::parse(m_labelText);
    const ZplPreview preview(label);
    const QPixmap shown = picture(preview.image());
    // The whole label is shown: the dialog grows rather than cut it.
    previewLabel->setMinimumSize(shown.size().expandedTo(QSize(320, 160)));
    previewLabel->setPixmap(shown);

    QStringList notes;
    notes.append(tr("%1 × %2 punkter, %3 × %4 mm")
                     .arg(preview.size().width())
                     .arg(preview.size().height())
                     .arg(preview.size().width() / dotsPerMillimetre, 0, 'f', 1)
                     .arg(preview.size().height() / dotsPerMillimetre, 0, 'f', 1));
    if (!label.hasStart())
        notes.append(tr("Skabelonen har ingen ^XA, så printeren læser den ikke som en etiket."));
    else if (!label.hasEnd())
        notes.append(tr("Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet."));
    if (!label.notShown().isEmpty())
        notes.append(tr("Ikke vist: %1").arg(label.notShown().join(QStringLiteral(", "))));
    notes.append(preview.errors());
    notShownLabel->setText(notes.join(QLatin1Char('\n')));
}

void LabelPrinterDialog::printTestLabel()
{
    testResultLabel->clear();
    const QString device = printerEdit->text().trimmed();
    if (device.isEmpty()) {
        MessageBox::warning(this, tr("Etiketprinter"), tr("Skriv først printerkøen eller enheden."));
        printerEdit->setFocus();
        return;
    }
    HandlerBarcodesC labels;
    if (labels.printTestLabel(m_labelText, device, this))
        testResultLabel->setText(tr("Prøveetiketten er sendt til %1.").arg(device));
}

void LabelPrinterDialog::accept()
{
    const QString device = printerEdit->text().trimmed();
    // An unchanged name leaves the file byte for byte as it is.
    QString error;
    if (device != HandlerBarcodesC::printerDevice() && !HandlerBarcodesC::setPrinterDevice(device, &error)) {
        MessageBox::critical(this, tr("Etiketprinter"),
            tr("Etiketprinteren kunne ikke gemmes i %1:\n%2")
                .arg(nativePath(HandlerBarcodesC::printerDeviceFile()), error));
        return;
    }
    Settings settings;
    settings.setValue(QStringLiteral("EnableNameOnLabels"), itemNamesCheck->isChecked());
    settings.setValue(QStringLiteral("BarcodeItemNameLabelLength"), itemLengthSpin->value());
    settings.setValue(QStringLiteral("EnableLocationNameOnLabels"), locationNamesCheck->isChecked());
    settings.setValue(QStringLiteral("BarcodeLocationNameLabeLength"), locationLengthSpin->value());
    QDialog::accept();
}

void LabelPrinterDialog::help()
{
    openHtmlPage(HelpTopics::labelPrinterPage(edition(), currentLanguage()), QString(), false);
}
