#include "spreadsheet/CsvImportDialog.h"

#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CsvColumns.h"
#include "database/CsvImportPlan.h"
#include "database/CsvImporter.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QStringDecoder>
#include <QTableWidgetItem>

namespace {

// The summary lists this many refused rows; the rest are counted.
constexpr int ListedRows = 500;

const QColor refusedCell(255, 190, 190);
const QColor substitutedCell(255, 240, 170);

QString folderKey()
{
    return QStringLiteral("Csv/ImportFolder");
}

// The first bytes decoded well enough to count separators in: the 8-bit
// encodings differ only outside ASCII, where no separator is.
QString decodedHead(const QByteArray &head, CsvFormat::Encoding encoding)
{
    switch (encoding) {
    case CsvFormat::Utf8:
    case CsvFormat::Utf8WithBom:
        return QStringDecoder(QStringDecoder::Utf8).decode(head);
    case CsvFormat::Utf16LE:
        return QStringDecoder(QStringDecoder::Utf16LE).decode(head);
    case CsvFormat::Utf16BE:
        return QStringDecoder(QStringDecoder::Utf16BE).decode(head);
    case CsvFormat::Windows1252:
    case CsvFormat::Latin1:
        break;
    }
    return QString::fromLatin1(head);
}

bool holdsSubstituted(const QString &cell)
{
    return cell.contains(QLatin1Char(';')) || cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
}

// The cell as the substitutes make it: a ";" becomes "," and a line break
// (CR LF, LF or CR) one blank.
QString substituted(QString cell)
{
    cell.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    cell.replace(QLatin1Char('\n'), QLatin1Char(' '));
    cell.replace(QLatin1Char('\r'), QLatin1Char(' '));
    cell.replace(QLatin1Char(';'), QLatin1Char(','));
    return cell;
}

} // namespace

CsvImportDialog::CsvImportDialog(DBItemCollection &collection, QWidget *parent)
    : QDialog(parent)
    , m_collection(collection)
{
    setupUi(this);
    fillFormatBoxes();
    buildMappingTable();
    importNewButton->setVisible(false);

    connect(chooseFileButton, &QPushButton::clicked, this, &CsvImportDialog::chooseFile);
    connect(encodingBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::formatChanged);
    connect(separatorBox, &QComboBox::currentIndexChanged, this, &CsvImportDialog::formatChanged);
    connect(headerCheck, &QCheckBox::toggled, this, &CsvImportDialog::formatChanged);
    connect(substituteCheck, &QCheckBox::toggled, this, &CsvImportDialog::substituteChanged);
    connect(checkButton, &QPushButton::clicked, this, &CsvImportDialog::check);
    connect(importButton, &QPushButton::clicked, this, [this] { importPlan(false); });
    connect(importNewButton, &QPushButton::clicked, this, [this] { importPlan(true); });
    connect(closeButton, &QPushButton::clicked, this, &CsvImportDialog::reject);

    readPreview();
    drawPreview();
    invalidatePlan();
}

CsvImportDialog::~CsvImportDialog() = default;

void CsvImportDialog::setNewDatabase(std::function<bool()> makeNew)
{
    m_makeNew = std::move(makeNew);
    importNewButton->setVisible(bool(m_makeNew));
    enableButtons();
}

void CsvImportDialog::fillFormatBoxes()
{
    for (const CsvFormat::Encoding encoding : { CsvFormat::Utf8, CsvFormat::Utf8WithBom, CsvFormat::Utf16LE,
             CsvFormat::Utf16BE, CsvFormat::Windows1252, CsvFormat::Latin1 })
        encodingBox->addItem(CsvFormat::encodingName(encoding), int(encoding));
    separatorBox->addItem(tr("Komma (,)"), int(u','));
    separatorBox->addItem(tr("Semikolon (;)"), int(u';'));
    separatorBox->addItem(tr("Tabulator"), int(u'\t'));
}

void CsvImportDialog::buildMappingTable()
{
    mappingTable->setRowCount(CsvColumns::ColumnCount);
    mappingTable->verticalHeader()->hide();
    for (int field = 0; field < CsvColumns::ColumnCount; ++field) {
        mappingTable->setItem(field, 0, new QTableWidgetItem(CsvColumns::title(field)));
        auto *box = new QComboBox(mappingTable);
        box->setObjectName(QStringLiteral("mappingBox%1").arg(field));
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        mappingTable->setCellWidget(field, 1, box);
        m_mappingBoxes.append(box);
        connect(box, &QComboBox::currentIndexChanged, this, [this, field] { mappingChanged(field); });
    }
    mappingTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    mappingTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    fillMappingBoxes();
}

QComboBox *CsvImportDialog::mappingBox(int field) const
{
    return field >= 0 && field < m_mappingBoxes.size() ? m_mappingBoxes.at(field) : nullptr;
}

CsvFormat CsvImportDialog::format() const
{
    CsvFormat format;
    format.encoding = CsvFormat::Encoding(encodingBox->currentData().toInt());
    format.separator = char16_t(separatorBox->currentData().toInt());
    format.firstRowHoldsNames = headerCheck->isChecked();
    return format;
}

void CsvImportDialog::chooseFile()
{
    FileDialog::Request request;
    request.mode = FileDialog::ExistingFile;
    request.title = tr("Importér et regneark");
    const QString folder = Settings().value(folderKey()).toString();
    request.folder = folder.isEmpty() ? lastDbDir() : folder;
    request.filters = { tr("Regneark (*.csv *.txt *.tsv)"), FileDialog::allFilesFilter() };
    const FileDialog::Answer answer = FileDialog::ask(this, request);
    if (!answer.accepted())
        return;
    Settings().setValue(folderKey(), QFileInfo(answer.path).absolutePath());
    openFile(answer.path);
}

bool CsvImportDialog::openFile(const QString &path)
{
    m_path = path;
    fileEdit->setText(QDir::toNativeSeparators(path));
    QFile file(path);
    bool opened = file.open(QIODevice::ReadOnly);
    if (opened) {
        const QByteArray head = CsvReader::head(file);
        const CsvFormat::Encoding encoding = CsvReader::detectEncoding(head);
        const char16_t separator = CsvReader::detectSeparator(decodedHead(head, encoding));
        m_filling = true;
        encodingBox->setCurrentIndex(encodingBox->findData(int(encoding)));
        const int separatorIndex = separatorBox->findData(int(separator));
        separatorBox->setCurrentIndex(separatorIndex < 0 ? 0 : separatorIndex);
        m_filling = false;
    }
    m_header.clear();
    m_mapping = CsvColumnMapping();
    readPreview();
    m_mappedByHeader = headerCheck->isChecked();
    if (opened)
        m_mapping = headerCheck->isChecked() ? CsvColumnMapping::remembered(m_header, m_collection.fields())
                                             : CsvColumnMapping::inExportOrder(m_columnCount);
    fillMappingBoxes();
    drawPreview();
    invalidatePlan();
    return opened;
}

void CsvImportDialog::readPreview()
{
    m_rows.clear();
    m_readFailure.clear();
    m_columnCount = 0;
    QStringList header;
    if (m_path.isEmpty()) {
        m_header.clear();
        return;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_header.clear();
        m_readFailure = tr("Filen %1 kan ikke åbnes: %2").arg(QDir::toNativeSeparators(m_path), file.errorString());
        return;
    }
    const CsvFormat chosen = format();
    CsvReader reader(file, chosen.encoding, chosen.separator);
    bool headerRead = !chosen.firstRowHoldsNames;
    CsvRow row;
    while (m_rows.size() < PreviewRows) {
        const CsvReader::Status status = reader.readRow(row);
        if (status == CsvReader::AtEnd)
            break;
        if (status == CsvReader::Failed) {
            m_readFailure = reader.errorString();
            break;
        }
        m_columnCount = std::max(m_columnCount, int(row.cells.size()));
        if (!headerRead) {
            header = row.cells;
            headerRead = true;
            continue;
        }
        m_rows.append(row);
    }
    if (m_readFailure.isEmpty() && reader.hadInvalidBytes())
        m_readFailure = tr("Nogle af filens bytes kan ikke læses som %1 og kan ikke gemmes. Vælg filens tegnsæt.")
                            .arg(CsvFormat::encodingName(chosen.encoding));
    m_header = header;
}

void CsvImportDialog::fillMappingBoxes()
{
    m_filling = true;
    QStringList choices { tr("ikke i filen") };
    for (int column = 0; column < m_columnCount; ++column) {
        const QString name = column < m_header.size() ? m_header.at(column).simplified() : QString();
        choices << (name.isEmpty() ? tr("Kolonne %1").arg(column + 1)
                                   : QStringLiteral("%1: %2").arg(column + 1).arg(name));
    }
    for (int field = 0; field < m_mappingBoxes.size(); ++field) {
        QComboBox *box = m_mappingBoxes.at(field);
        box->clear();
        for (int choice = 0; choice < choices.size(); ++choice)
            box->addItem(choices.at(choice), choice - 1);
        int column = m_mapping.column(field);
        if (column >= m_columnCount) {
            // A remembered column the file lacks now.
            m_mapping.setColumn(field, CsvColumnMapping::NotPresent);
            column = CsvColumnMapping::NotPresent;
        }
        box->setCurrentIndex(column + 1);
        box->setEnabled(m_columnCount > 0);
    }
    m_filling = false;
}

void CsvImportDialog::formatChanged()
{
    if (m_filling)
        return;
    const QStringList oldHeader = m_header;
    const int oldColumns = m_columnCount;
    readPreview();
    // The user's choices stay while the file's columns are the same.
    if (m_header != oldHeader || m_columnCount != oldColumns || m_mappedByHeader != headerCheck->isChecked()) {
        m_mappedByHeader = headerCheck->isChecked();
        m_mapping = headerCheck->isChecked() ? CsvColumnMapping::remembered(m_header, m_collection.fields())
                                             : CsvColumnMapping::inExportOrder(m_columnCount);
    }
    fillMappingBoxes();
    drawPreview();
    invalidatePlan();
}

void CsvImportDialog::mappingChanged(int field)
{
    if (m_filling)
        return;
    m_mapping.setColumn(field, m_mappingBoxes.at(field)->currentData().toInt());
    drawPreview();
    invalidatePlan();
}

void CsvImportDialog::substituteChanged()
{
    drawPreview();
    invalidatePlan();
}

void CsvImportDialog::drawPreview()
{
    previewTable->clear();
    previewTable->setColumnCount(m_columnCount);
    previewTable->setRowCount(int(m_rows.size()));
    QStringList titles;
    for (int column = 0; column < m_columnCount; ++column) {
        const QString name = column < m_header.size() ? m_header.at(column).simplified() : QString();
        titles << (name.isEmpty() ? tr("Kolonne %1").arg(column + 1) : name);
    }
    previewTable->setHorizontalHeaderLabels(titles);
    QStringList lines;
    for (const CsvRow &row : std::as_const(m_rows))
        lines << tr("Linje %1").arg(row.line);
    previewTable->setVerticalHeaderLabels(lines);

    // The fields each column gives.
    QList<QList<int>> fieldsOfColumn(m_columnCount);
    for (int field = 0; field < CsvColumns::ColumnCount; ++field) {
        const int column = m_mapping.column(field);
        if (column >= 0 && column < m_columnCount)
            fieldsOfColumn[column].append(field);
    }
    CsvImporter::Options options;
    options.substitute = substituteCheck->isChecked();
    const CsvImporter importer(m_collection, m_mapping, options);
    int marked = 0;
    for (int rowIndex = 0; rowIndex < m_rows.size(); ++rowIndex) {
        const QStringList &cells = m_rows.at(rowIndex).cells;
        for (int column = 0; column < cells.size(); ++column) {
            QString text = cells.at(column);
            QStringList problems;
            for (const int field : std::as_const(fieldsOfColumn.at(column))) {
                const QString problem = importer.cellProblem(field, text);
                if (!problem.isEmpty())
                    problems << problem;
            }
            auto *cell = new QTableWidgetItem;
            if (!problems.isEmpty()) {
                cell->setBackground(refusedCell);
                cell->setToolTip(problems.join(QLatin1Char('\n')));
                ++marked;
            } else if (options.substitute && !fieldsOfColumn.at(column).isEmpty() && holdsSubstituted(text)) {
                text = substituted(text);
                cell->setBackground(substitutedCell);
                cell->setToolTip(tr("Ved importen bliver ; til , og et linjeskift til et mellemrum."));
            }
            cell->setText(text);
            previewTable->setItem(rowIndex, column, cell);
        }
    }
    previewTable->resizeColumnsToContents();
    for (int column = 0; column < m_columnCount; ++column)
        previewTable->setColumnWidth(column, std::min(previewTable->columnWidth(column), 240));

    QString text;
    if (m_path.isEmpty())
        text = tr("Vælg den fil, der skal importeres.");
    else if (m_rows.isEmpty() && m_readFailure.isEmpty())
        text = tr("Filen har ingen rækker at importere.");
    else if (marked > 0)
        text = tr("De første %1 rækker, som de vil blive læst. %2 celler kan ikke gemmes; de er markeret, og "
                  "musen over en celle viser hvorfor.")
                   .arg(m_rows.size())
                   .arg(marked);
    else
        text = tr("De første %1 rækker, som de vil blive læst.").arg(m_rows.size());
    if (!m_readFailure.isEmpty())
        text += QLatin1Char(' ') + m_readFailure;
    previewLabel->setText(text);
}

void CsvImportDialog::invalidatePlan()
{
    m_plan.reset();
    summaryText->setPlainText(m_path.isEmpty()
            ? QString()
            : tr("Kontrollér gennemgår hele filen og viser, hvad importen vil gøre, før noget ændres."));
    enableButtons();
}

void CsvImportDialog::enableButtons()
{
    const bool ready = m_plan && m_plan->canApply();
    checkButton->setEnabled(!m_path.isEmpty());
    importButton->setEnabled(ready && !m_collection.isReadOnly());
    importNewButton->setEnabled(ready && bool(m_makeNew));
}

CsvImportDialog::Stamp CsvImportDialog::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Stamp();
    return Stamp { info.size(), info.lastModified() };
}

bool CsvImportDialog::askToCheckAgain(const QString &text)
{
    return MessageBox::question(this, tr("Filen er ændret"), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool CsvImportDialog::check()
{
    if (m_path.isEmpty())
        return false;
    m_plan.reset();
    const Stamp before = stampOf(m_path);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        summaryText->setPlainText(
            tr("Filen %1 kan ikke åbnes: %2").arg(QDir::toNativeSeparators(m_path), file.errorString()));
        enableButtons();
        return false;
    }
    CsvImporter::Options options;
    options.substitute = substituteCheck->isChecked();
    CsvImporter importer(m_collection, m_mapping, options);
    WaitCursor waitCursor;
    auto plan = std::make_unique<CsvImportPlan>(importer.check(file, format()));
    file.close();
    waitCursor.restore();
    const Stamp after = stampOf(m_path);
    if (!(before == after)) {
        summaryText->setPlainText(tr("Filen blev ændret, mens den blev kontrolleret. Intet importeres."));
        enableButtons();
        if (askToCheckAgain(tr("Filen %1 blev ændret af et andet program, mens den blev kontrolleret. "
                               "Kontrollér den igen?")
                                .arg(QDir::toNativeSeparators(m_path)))) {
            formatChanged();
            return check();
        }
        return false;
    }
    m_plan = std::move(plan);
    m_checked = after;
    showSummary();
    enableButtons();
    return m_plan->failure.isEmpty();
}

void CsvImportDialog::showSummary()
{
    const CsvImportPlan &plan = *m_plan;
    QStringList lines;
    if (!plan.failure.isEmpty()) {
        lines << tr("Intet kan importeres: %1").arg(plan.failure);
        lines << QString();
    }
    lines << tr("Rækker i filen: %1").arg(plan.rows);
    lines << tr("Rækker, der importeres: %1").arg(plan.items.size());
    lines << tr("Rækker, der ikke importeres: %1").arg(plan.errors.size());
    for (int i = 0; i < plan.errors.size() && i < ListedRows; ++i)
        lines << QStringLiteral("    ") + tr("Linje %1: %2").arg(plan.errors.at(i).line).arg(plan.errors.at(i).reason);
    if (plan.errors.size() > ListedRows)
        lines << QStringLiteral("    ") + tr("... og %1 rækker mere").arg(plan.errors.size() - ListedRows);
    const auto newNames = [&lines](int field, const QStringList &names) {
        if (!names.isEmpty())
            lines << tr("Nye navne i listen %1: %2").arg(CsvColumns::title(field), names.join(QStringLiteral(", ")));
    };
    newNames(ListColumns::GroupColumn, plan.newGroups);
    newNames(ListColumns::LocationColumn, plan.newLocations);
    newNames(ListColumns::SupplierColumn, plan.newSuppliers);
    if (!plan.numberedLines.isEmpty()) {
        lines << tr("Rækker uden et ledigt nummer i %1 får det næste ledige:")
                     .arg(CsvColumns::title(ListColumns::SerialnoColumn));
        for (int i = 0; i < plan.numberedLines.size() && i < ListedRows; ++i)
            lines << QStringLiteral("    ")
                    + tr("Linje %1: %2").arg(plan.numberedLines.at(i)).arg(plan.givenNumbers.value(i));
        if (plan.numberedLines.size() > ListedRows)
            lines << QStringLiteral("    ") + tr("... og %1 rækker mere").arg(plan.numberedLines.size() - ListedRows);
    }
    if (plan.substitutedCells > 0)
        lines << tr("Celler, hvor ; eller linjeskift erstattes: %1").arg(plan.substitutedCells);
    if (plan.failure.isEmpty() && plan.items.empty())
        lines << tr("Ingen rækker kan importeres.");
    if (m_collection.isReadOnly())
        lines << tr("Databasen er skrivebeskyttet, så der kan ikke importeres i den.");
    summaryText->setPlainText(lines.join(QLatin1Char('\n')));
}

bool CsvImportDialog::importPlan(bool intoNewDatabase)
{
    if (!intoNewDatabase && m_collection.isReadOnly()) {
        MessageBox::warning(this, tr("Importen er ikke mulig"),
            tr("Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den."));
        return false;
    }
    if (!m_plan || !m_plan->canApply())
        return false;
    if (!(stampOf(m_path) == m_checked)) {
        m_plan.reset();
        enableButtons();
        if (askToCheckAgain(tr("Filen %1 er ændret siden kontrollen. Kontrollér den igen?")
                                .arg(QDir::toNativeSeparators(m_path)))) {
            formatChanged();
            check();
        } else {
            summaryText->setPlainText(tr("Filen er ændret siden kontrollen. Intet er importeret."));
        }
        return false;
    }
    if (intoNewDatabase) {
        if (!m_makeNew || !m_makeNew())
            return false;
        // The new database's lists may name other entries: the plan is
        // made again against them.
        if (!check() || !m_plan->canApply())
            return false;
    }
    const int items = int(m_plan->items.size());
    if (headerCheck->isChecked() && !m_header.isEmpty())
        m_mapping.remember(m_header);
    WaitCursor waitCursor;
    const bool applied = CsvImporter::apply(m_collection, *m_plan);
    waitCursor.restore();
    m_plan.reset();
    enableButtons();
    if (!applied) {
        MessageBox::critical(this, tr("Importen mislykkedes"), tr("Intet er importeret i databasen."));
        return false;
    }
    emit imported(items, m_path, intoNewDatabase);
    accept();
    return true;
}
