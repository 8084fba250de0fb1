#include "output/ValueReportDialog.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/ExternalViewers.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "help/HelpTopics.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>

namespace {

const QString ownerKey = QStringLiteral("ValueReport/Owner");
const QString addressKey = QStringLiteral("ValueReport/Address");
const QString policyKey = QStringLiteral("ValueReport/Policy");
const QString photosKey = QStringLiteral("ValueReport/Photos");
const QString receiptsKey = QStringLiteral("ValueReport/Receipts");

} // namespace

ValueReportDialog::ValueReportDialog(const DBItemCollection &collection, int group,
    const QList<const Item *> &selection, const QList<const Item *> &shown, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_selection(selection)
    , m_shown(shown)
{
    setupUi(this);
    groupButton->setText(columnTitle(ListColumns::GroupColumn) + QStringLiteral(":"));
    locationButton->setText(columnTitle(ListColumns::LocationColumn) + QStringLiteral(":"));
    groupBox->addItems(collection.groups().entries());
    locationBox->addItems(collection.locations().entries());
    if (group >= 0 && group < groupBox->count())
        groupBox->setCurrentIndex(group);
    groupButton->setEnabled(groupBox->count() > 0);
    locationButton->setEnabled(locationBox->count() > 0);
    selectionButton->setEnabled(!selection.isEmpty());
    if (!selection.isEmpty())
        selectionButton->setText(tr("De valgte &rækker (%1)").arg(selection.size()));
    // What the filtered list shows is what is reported, unless rows were
    // picked out of it.
    shownButton->setVisible(!shown.isEmpty());
    if (!shown.isEmpty()) {
        shownButton->setText(tr("De &viste rækker (%1)").arg(shown.size()));
        shownButton->setChecked(selection.size() <= 1);
    }
    connect(groupBox, &QComboBox::activated, groupButton, [this] { groupButton->setChecked(true); });
    connect(locationBox, &QComboBox::activated, locationButton, [this] { locationButton->setChecked(true); });

    sortBox->addItem(columnTitle(ListColumns::GroupColumn), int(ValueReport::ByGroup));
    sortBox->addItem(columnTitle(ListColumns::LocationColumn), int(ValueReport::ByLocation));
    sortBox->addItem(tr("Værdi i dag, højeste først"), int(ValueReport::ByValue));
    // Vistrel and Numivax keep their second picture where the others keep
    // the receipt; the pictures check box takes both.
    receiptsCheckBox->setVisible(!isVistrel() && !isNumivax());

    const Settings settings;
    ownerEdit->setText(settings.value(ownerKey).toString());
    addressEdit->setPlainText(settings.value(addressKey).toString());
    policyEdit->setText(settings.value(policyKey).toString());
    photosCheckBox->setChecked(settings.value(photosKey, true).toBool());
    receiptsCheckBox->setChecked(settings.value(receiptsKey, true).toBool());

    connect(buttonBox, &QDialogButtonBox::accepted, this, &ValueReportDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ValueReportDialog::reject);
    connect(buttonBox, &QDialogButtonBox::helpRequested, this,
        [] { openHtmlPage(HelpTopics::valueReportPage(edition(), currentLanguage()), QString(), false); });
}

ValueReport::Options ValueReportDialog::options() const
{
    ValueReport::Options options;
    options.owner = ownerEdit->text().trimmed();
    options.address = addressEdit->toPlainText().trimmed();
    options.policy = policyEdit->text().trimmed();
    options.photos = photosCheckBox->isChecked();
    options.receipts = isVistrel() || isNumivax() ? options.photos : receiptsCheckBox->isChecked();
    options.sort = ValueReport::Sort(sortBox->currentData().toInt());
    options.pageSize = ValueReport::localPageSize();
    return options;
}

QList<const Item *> ValueReportDialog::items() const
{
    const bool bySelection = selectionButton->isChecked() && selectionButton->isEnabled();
    const bool byShown = shownButton->isChecked() && !m_shown.isEmpty();
    if (bySelection || byShown) {
        const QList<const Item *> &picked = bySelection ? m_selection : m_shown;
        const QSet<const Item *> chosen(picked.cbegin(), picked.cend());
        QList<const Item *> result;
        for (const Item *item : m_collection)
            if (chosen.contains(item))
                result.append(item);
        return result;
    }
    const bool byGroup = groupButton->isChecked() && groupButton->isEnabled();
    const bool byLocation = locationButton->isChecked() && locationButton->isEnabled();
    QList<const Item *> result;
    for (const Item *item : m_collection) {
        if ((byGroup && item->group() != groupBox->currentIndex())
            || (byLocation && item->location() != locationBox->currentIndex()))
            continue;
        result.append(item);
    }
    return result;
}

void ValueReportDialog::remember() const
{
    Settings settings;
    settings.setValue(ownerKey, ownerEdit->text().trimmed());
    settings.setValue(addressKey, addressEdit->toPlainText().trimmed());
    settings.setValue(policyKey, policyEdit->text().trimmed());
    settings.setValue(photosKey, photosCheckBox->isChecked());
    settings.setValue(receiptsKey, receiptsCheckBox->isChecked());
}

void ValueReportDialog::accept()
{
    const QString database = m_collection.fileName();
    const QString name = tr("%1 - værdiopgørelse.pdf")
                             .arg(database.isEmpty() ? editionName() : QFileInfo(database).completeBaseName());
    FileDialog::Request request;
    request.mode = FileDialog::AnyFile;
    request.title = tr("Gem værdiopgørelsen");
    request.folder = database.isEmpty() ? QDir(lastDbDir()).filePath(name) : QFileInfo(database).dir().filePath(name);
    request.filters = { tr("PDF-filer (*.pdf)"), FileDialog::allFilesFilter() };
    request.confirmOverwrite = true;
    request.defaultSuffix = QStringLiteral("pdf");
    request.objectName = QStringLiteral("valueReportFileDialog");
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    if (!answer.accepted())
        return;
    remember();

    ValueReport report(m_collection, items(), options());
    QProgressDialog progress(tr("Skriver værdiopgørelsen..."), tr("Stop"), 0, 100, this);
    progress.setObjectName(QStringLiteral("valueReportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool written = report.write(answer.path, [&progress](int page, int pages) {
        progress.setMaximum(pages);
        progress.setValue(page);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (!written) {
        if (!report.errorString().isEmpty())
            MessageBox::critical(this, tr("Værdiopgørelsen blev ikke gemt"),
                tr("%1 blev ikke gemt:\n%2").arg(QDir::toNativeSeparators(answer.path), report.errorString()));
        return;
    }
    m_writtenFile = answer.path;
    QDialog::accept();
}
