#include "spreadsheet/CsvExportDialog.h"

#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CsvExport.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>

CsvExportDialog::CsvExportDialog(const DBItemCollection &collection, const QString &databaseFile, int group,
    const QList<const Item *> &selection, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
    , m_databaseFile(databaseFile)
    , m_group(group)
    , m_selection(selection)
{
    setupUi(this);
    // UTF-8 holds every text; Latin-1 is the register's own character set.
    encodingBox->addItem(QStringLiteral("UTF-8"), int(CsvFormat::Utf8));
    encodingBox->addItem(CsvFormat::encodingName(CsvFormat::Latin1), int(CsvFormat::Latin1));
    separatorBox->addItem(tr("Komma (,)"), int(u','));
    separatorBox->addItem(tr("Semikolon (;)"), int(u';'));
    separatorBox->addItem(tr("Tabulator"), int(u'\t'));
    separatorBox->setCurrentIndex(separatorBox->findData(int(CsvFormat::languageSeparator())));

    const QString groupName = collection.groups().entry(group);
    groupButton->setEnabled(group >= 0);
    if (group >= 0 && !groupName.isEmpty())
        groupButton->setText(tr("Den valgte &gruppe: %1").arg(groupName));
    selectionButton->setEnabled(!selection.isEmpty());
    if (!selection.isEmpty())
        selectionButton->setText(tr("De valgte &rækker (%1)").arg(selection.size()));

    restoreChoices();
    connect(encodingBox, &QComboBox::currentIndexChanged, this, &CsvExportDialog::enableBom);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &CsvExportDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &CsvExportDialog::reject);
    enableBom();
}

namespace {

const QString encodingKey = QStringLiteral("Csv/Export/Encoding");
const QString markKey = QStringLiteral("Csv/Export/ByteOrderMark");
const QString separatorKey = QStringLiteral("Csv/Export/Separator");

// The stored names of the encodings and separators offered.
QString encodingKeyName(int encoding)
{
    return encoding == CsvFormat::Latin1 ? QStringLiteral("latin-1") : QStringLiteral("utf-8");
}

QString separatorKeyName(int separator)
{
    switch (separator) {
    case u',':
        return QStringLiteral("comma");
    case u'\t':
        return QStringLiteral("tab");
    default:
        return QStringLiteral("semicolon");
    }
}

} // namespace

void CsvExportDialog::restoreChoices()
{
    const Settings settings;
    const QString encoding = settings.value(encodingKey).toString();
    for (int i = 0; i < encodingBox->count(); ++i)
        if (encodingKeyName(encodingBox->itemData(i).toInt()) == encoding)
            encodingBox->setCurrentIndex(i);
    bomCheckBox->setChecked(settings.value(markKey, false).toBool() && encoding == encodingKeyName(CsvFormat::Utf8));
    const QString separator = settings.value(separatorKey).toString();
    for (int i = 0; i < separatorBox->count(); ++i)
        if (separatorKeyName(separatorBox->itemData(i).toInt()) == separator)
            separatorBox->setCurrentIndex(i);
}

void CsvExportDialog::rememberChoices() const
{
    Settings settings;
    settings.setValue(encodingKey, encodingKeyName(encodingBox->currentData().toInt()));
    settings.setValue(markKey, bomCheckBox->isChecked());
    settings.setValue(separatorKey, separatorKeyName(separatorBox->currentData().toInt()));
}

void CsvExportDialog::enableBom()
{
    const bool utf8 = encodingBox->currentData().toInt() == CsvFormat::Utf8;
    bomCheckBox->setEnabled(utf8);
    if (!utf8)
        bomCheckBox->setChecked(false);
}

CsvFormat CsvExportDialog::format() const
{
    CsvFormat format;
    const auto encoding = CsvFormat::Encoding(encodingBox->currentData().toInt());
    format.encoding = encoding == CsvFormat::Utf8 && bomCheckBox->isChecked() ? CsvFormat::Utf8WithBom : encoding;
    format.separator = char16_t(separatorBox->currentData().toInt());
    format.firstRowHoldsNames = true;
    return format;
}

CsvExportDialog::Scope CsvExportDialog::scope() const
{
    if (groupButton->isChecked() && groupButton->isEnabled())
        return SelectedGroup;
    if (selectionButton->isChecked() && selectionButton->isEnabled())
        return SelectedRows;
    return WholeRegister;
}

QList<const Item *> CsvExportDialog::items() const
{
    const Scope chosen = scope();
    const QSet<const Item *> selected(m_selection.cbegin(), m_selection.cend());
    QList<const Item *> result;
    for (const Item *item : m_collection) {
        if (chosen == WholeRegister || (chosen == SelectedGroup && item->group() == m_group)
            || (chosen == SelectedRows && selected.contains(item)))
            result.append(item);
    }
    return result;
}

void CsvExportDialog::accept()
{
    // "<database name>.csv" beside the database.
    const QFileInfo database(m_databaseFile);
    const QString proposed = m_databaseFile.isEmpty()
        ? QDir(lastDbDir()).filePath(editionName() + QStringLiteral(".csv"))
        : database.dir().filePath(database.completeBaseName() + QStringLiteral(".csv"));
    FileDialog::Request request;
    request.mode = FileDialog::AnyFile;
    request.title = tr("Eksportér som regneark (CSV)");
    request.folder = proposed;
    request.filters = { tr("Regneark (*.csv)"), FileDialog::allFilesFilter() };
    request.confirmOverwrite = true;
    request.defaultSuffix = QStringLiteral("csv");
    request.objectName = QStringLiteral("csvExportFileDialog");
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    if (!answer.accepted())
        return;

    WaitCursor waitCursor;
    CsvExport exporter(m_collection);
    const bool written = exporter.write(answer.path, items(), format());
    waitCursor.restore();
    if (!written) {
        MessageBox::critical(this, tr("Eksporten mislykkedes"),
            tr("%1 blev ikke gemt:\n%2").arg(QDir::toNativeSeparators(answer.path), exporter.errorString()));
        return;
    }
    m_writtenFile = answer.path;
    rememberChoices();
    QDialog::accept();
}
