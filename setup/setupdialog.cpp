#include "setup/setupdialog.h"

#include "barcodes/handlebarcodes.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/StorageCheck.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "help/HelpTopics.h"
#include "itemdialog/StoredTextValidator.h"

#include <QDebug>
#include <QDir>

setupdialog::setupdialog(
    DBItemCollection *collection, int kind, QWidget *parent, const QString &name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_kind(kind)
    , m_collection(collection)
{
    setupUi(this);
    setObjectName(name);
    setModal(modal);
    listLineEdit->clear();

    int titleColumn = ListColumns::GroupColumn;
    switch (m_kind) {
    case Locations:
        m_list = &m_collection->locations();
        titleColumn = ListColumns::LocationColumn;
        break;
    case Suppliers:
        m_list = &m_collection->suppliers();
        titleColumn = ListColumns::SupplierColumn;
        break;
    default:
        m_kind = Groups;
        m_list = &m_collection->groups();
        break;
    }
    // The titles are the main window's texts for its Setup entries.
    typeLabel->setText(QCoreApplication::translate("MainWindow", columnTitle(titleColumn).toUtf8().constData()));

    // Location labels: in the inventory edition the groups are the locations.
    if (m_kind == Groups && isQuorvel()) {
        printButton->setText(tr("PRINT_BARCODE"));
        printButton->setToolTip(tr("TOOLTIP_PRINT_BARCODE"));
        printButton->setWhatsThis(tr("WHATSHIS_PRINT_LOCATION_BARCODE"));
    } else {
        printButton->hide();
    }

    for (const QString &entry : *m_list)
        listLineEdit->addItem(entry);
    m_changed = false;

    buttonHelp->setVisible(HelpTopics::listSetupHelpShown(edition(), currentLanguage()));
    selectedItemLineEdit->setValidator(new StoredTextValidator(selectedItemLineEdit));

    connect(addButton, &QPushButton::clicked, this, &setupdialog::AddSlot);
    connect(DeleteButton, &QPushButton::clicked, this, &setupdialog::DeleteSlot);
    connect(saveButton, &QPushButton::clicked, this, &setupdialog::SaveSlot);
    connect(buttonHelp, &QPushButton::clicked, this, &setupdialog::HelpSlot);
    connect(buttonOk, &QPushButton::clicked, this, &setupdialog::OKSlot);
    connect(printButton, &QPushButton::clicked, this, &setupdialog::PrintSlot);
    connect(buttonCancel, &QPushButton::clicked, this, &setupdialog::reject);
    connect(listLineEdit, &QListWidget::currentItemChanged, this,
        [this](QListWidgetItem *current) { listLineEdit_highlighted(current); });
}

QString setupdialog::listFilePath(int kind)
{
    QString folder = lastDbDir();
    if (folder.isEmpty())
        folder = QDir::currentPath();
    QString name = QStringLiteral("groups");
    if (kind == Locations)
        name = QStringLiteral("location");
    else if (kind == Suppliers)
        name = QStringLiteral("supplier");
    return folder + QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1Char('.') + currentLanguage()
        + QStringLiteral(".txt");
}

void setupdialog::listLineEdit_highlighted(QListWidgetItem *item)
{
    if (item)
        selectedItemLineEdit->setText(item->text());
}

bool setupdialog::acceptName(const QString &text)
{
    const QString problem = StorageCheck::textProblem(text);
    if (problem.isEmpty())
        return true;
    MessageBox::critical(this, tr("Fejl indtastning"), problem);
    return false;
}

void setupdialog::AddSlot()
{
    if (unsigned(listLineEdit->count()) >= m_list->limit()) {
        MessageBox::critical(this, tr("SETUP_WARNING"), tr("SETUP_MAX_LIMIT_REACHED"));
        return;
    }
    const QString text = selectedItemLineEdit->text();
    if (text.isEmpty())
        return;
    bool present = m_list->contains(text);
    for (int row = 0; row < listLineEdit->count() && !present; ++row)
        present = listLineEdit->item(row)->text().startsWith(text, Qt::CaseInsensitive);
    if (present) {
        MessageBox::critical(this, tr("Fejl indtastning"), tr("Dette navn er allerede anvendt"));
        return;
    }
    if (!acceptName(text))
        return;
    listLineEdit->addItem(text);
    m_changed = true;
}

void setupdialog::DeleteSlot()
{
    if (m_kind == Groups && m_collection->maxGroup() + 1 >= listLineEdit->count()) {
        MessageBox::critical(this, tr("Fejl"),
            tr("Kan ikke have færre grupper end i databasen - omplacer evt. ostrana til andre grupper"));
        return;
    }
    if (m_kind == Locations && m_collection->maxLocation() + 1 >= listLineEdit->count()) {
        MessageBox::critical(this, tr("Fejl"), tr("Kan ikke have færre lokaler end dem der allerede er i databasen"));
        return;
    }
    const int row = listLineEdit->currentRow();
    if (row < 0)
        return;
    delete listLineEdit->takeItem(row);
    m_changed = true;
}

void setupdialog::SaveSlot()
{
    const int row = listLineEdit->currentRow();
    if (row >= 0 && !m_changed) {
        const QString text = selectedItemLineEdit->text();
        if (!acceptName(text))
            return;
        listLineEdit->item(row)->setText(text);
        if (m_kind == Groups)
            emit groupRenamed(row, text);
    }

    m_list->clear();
    for (int entry = 0; entry < listLineEdit->count(); ++entry)
        m_list->add(listLineEdit->item(entry)->text());
    const QString path = listFilePath(m_kind);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // A list that cannot be written is told by the list itself.
    m_list->save(path);

    if (m_changed)
        emit listRebuilt();
    m_changed = false;
}

void setupdialog::OKSlot()
{
    SaveSlot();
    accept();
}

void setupdialog::HelpSlot()
{
    const QString page = HelpTopics::listSetupPage(edition(), m_kind);
    if (!page.isEmpty())
        openHtmlPage(page, QString(), false);
}

void setupdialog::PrintSlot()
{
    if (!isQuorvel()) {
        qDebug("NOT Quorvel_DB");
        return;
    }
    qDebug("Quorvel_DB");
    const int row = listLineEdit->currentRow();
    if (row < 0 || selectedItemLineEdit->text().isEmpty()) {
        MessageBox::critical(this, tr("SETUP_ERROR"), tr("NO_ITEM_SELECTED"));
        return;
    }
    HandlerBarcodesC().printLocationLabel(row, selectedItemLineEdit->text(), this);
}
