#include "setup/setupdialog.h"

#include "barcodes/handlebarcodes.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/StorageCheck.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "help/HelpTopics.h"
#include "itemdialog/StoredTextValidator.h"

#include <QDebug>

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

    fillListBox();
    m_changed = false;
    enableEditing(!m_collection->isReadOnly());

    selectedItemLineEdit->setValidator(new StoredTextValidator(selectedItemLineEdit));

    connect(addButton, &QPushButton::clicked, this, &setupdialog::AddSlot);
    connect(DeleteButton, &QPushButton::clicked, this, &setupdialog::DeleteSlot);
    connect(saveButton, &QPushButton::clicked, this, &setupdialog::SaveSlot);
    connect(buttonHelp, &QPushButton::clicked, this, &setupdialog::HelpSlot);
    connect(buttonOk, &QPushButton::clicked, this, &setupdialog::OKSlot);
    connect(printButton, &QPushButton::clicked, this, &setupdialog::PrintSlot);
    connect(buttonCancel, &QPushButton::clicked, this, &setupdialog::reject);
    // Only an entry the user picks counts: the list box makes its first row
    // current (not selected) when it gets the focus, and that is no choice.
    connect(listLineEdit, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = chosenRow();
        if (row >= 0)
            listLineEdit_highlighted(listLineEdit->item(row));
    });
}

void setupdialog::fillListBox()
{
    listLineEdit->clear();
    int position = 0;
    for (const QString &entry : *m_list) {
        auto *row = new QListWidgetItem(entry, listLineEdit);
        row->setData(Qt::UserRole, position++);
    }
}

int setupdialog::savedPosition(const QListWidgetItem *row)
{
    const QVariant position = row ? row->data(Qt::UserRole) : QVariant();
    return position.isValid() ? position.toInt() : -1;
}

int setupdialog::chosenRow() const
{
    const QList<QListWidgetItem *> chosen = listLineEdit->selectedItems();
    return chosen.isEmpty() ? -1 : listLineEdit->row(chosen.first());
}

void setupdialog::enableEditing(bool writable)
{
    addButton->setEnabled(writable);
    DeleteButton->setEnabled(writable);
    saveButton->setEnabled(writable);
    selectedItemLineEdit->setReadOnly(!writable);
}

QString setupdialog::listFilePath(int kind)
{
    return DBItemCollection::listFilePath(DBItemCollection::NamedList(kind));
}

void setupdialog::listLineEdit_highlighted(QListWidgetItem *item)
{
    if (item)
        selectedItemLineEdit->setText(item->text());
}

bool setupdialog::acceptName(const QString &text, int renamed)
{
    if (text.isEmpty()) {
        MessageBox::critical(this, tr("Fejl indtastning"), tr("Skriv et navn i feltet først."));
        return false;
    }
    // A new name is refused when the list holds it (an entry deleted but not
    // yet saved counts too) or an entry begins with it, in any case.
    bool present = renamed < 0 && m_list->contains(text);
    for (int row = 0; row < listLineEdit->count() && !present; ++row)
        present = row != renamed && listLineEdit->item(row)->text().startsWith(text, Qt::CaseInsensitive);
    if (present) {
        MessageBox::critical(this, tr("Fejl indtastning"), tr("Dette navn er allerede anvendt"));
        return false;
    }
    const QString problem = StorageCheck::textProblem(text);
    if (problem.isEmpty())
        return true;
    MessageBox::critical(this, tr("Fejl indtastning"), problem);
    return false;
}

bool setupdialog::acceptDeletion(int position)
{
    const int users = m_collection->itemsUsingEntry(namedList(), position);
    if (users == 0)
        return true;
    const QString name = m_list->entry(position);
    QString text;
    if (m_kind == Groups && isQuorvel()) {
        text = tr("Lokationen \"%1\" kan ikke slettes, fordi der ligger varer på den (%2 i alt). "
                  "Flyt dem først til en anden lokation.");
    } else if (m_kind == Groups) {
        text = tr("Gruppen \"%1\" kan ikke slettes, fordi databasens genstande bruger den (%2 i alt). "
                  "Flyt dem først til en anden gruppe.");
    } else if (isQuorvel()) {
        text = tr("Navnet \"%1\" kan ikke slettes, fordi varer i databasen bruger det (%2 i alt). "
                  "Flyt dem først til et andet navn i listen.");
    } else {
        text = tr("Lokalet \"%1\" kan ikke slettes, fordi databasens genstande bruger det (%2 i alt). "
                  "Flyt dem først til et andet lokale.");
    }
    MessageBox::critical(this, tr("Fejl"), text.arg(name, QString::number(users)));
    return false;
}

bool setupdialog::confirmLabelShift(int row)
{
    if (m_kind != Groups || !isQuorvel())
        return true;
    // Only locations saved before carry printed labels.
    const int last = listLineEdit->count() - 1;
    bool labelsShift = false;
    for (int later = row + 1; later <= last && !labelsShift; ++later)
        labelsShift = savedPosition(listLineEdit->item(later)) >= 0;
    if (!labelsShift)
        return true;

    const QString name = listLineEdit->item(row)->text();
    // The locations after the deleted one take the numbers row to last - 1.
    const QString text = row == last - 1
        ? tr("Sletter du \"%1\", får lokationen efter den et nyt nummer, og etiketten for lokation %2 skal "
             "udskrives igen.\n\nSlet \"%1\"?")
              .arg(name, HandlerBarcodesC::locationId(row))
        : tr("Sletter du \"%1\", får lokationerne efter den nye numre, og etiketterne for lokation %2 til %3 skal "
             "udskrives igen.\n\nSlet \"%1\"?")
              .arg(name, HandlerBarcodesC::locationId(row), HandlerBarcodesC::locationId(last - 1));
    return MessageBox::question(this, tr("Slet lokation"), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void setupdialog::AddSlot()
{
    if (m_collection->isReadOnly())
        return;
    if (unsigned(listLineEdit->count()) >= m_list->limit()) {
        MessageBox::critical(this, tr("SETUP_WARNING"), tr("SETUP_MAX_LIMIT_REACHED"));
        return;
    }
    const QString text = selectedItemLineEdit->text();
    if (!acceptName(text, -1))
        return;
    listLineEdit->addItem(text);
    m_changed = true;
}

void setupdialog::DeleteSlot()
{
    if (m_collection->isReadOnly())
        return;
    const int row = chosenRow();
    if (row < 0)
        return;
    if (entriesAreNumbered()) {
        const int position = savedPosition(listLineEdit->item(row));
        if (position >= 0 && !acceptDeletion(position))
            return;
        if (!confirmLabelShift(row))
            return;
    }
    delete listLineEdit->takeItem(row);
    // The next deletion is the user's choice too, not the neighbour's.
    listLineEdit->clearSelection();
    listLineEdit->setCurrentItem(nullptr);
    selectedItemLineEdit->clear();
    m_changed = true;
}

bool setupdialog::removeDeletedEntries()
{
    QList<bool> kept(m_list->size(), false);
    for (int row = 0; row < listLineEdit->count(); ++row) {
        const int position = savedPosition(listLineEdit->item(row));
        if (position >= 0 && position < kept.size())
            kept[position] = true;
    }
    // Checked again: the items may have changed since the deletion.
    for (int position = 0; position < kept.size(); ++position) {
        if (!kept.at(position) && !acceptDeletion(position))
            return false;
    }
    // From the last, so that the positions still to come stay where they are.
    for (int position = int(kept.size()) - 1; position >= 0; --position) {
        if (!kept.at(position))
            m_collection->removeListEntry(namedList(), position);
    }
    return true;
}

void setupdialog::SaveSlot()
{
    if (m_collection->isReadOnly())
        return;
    // A save that renumbers items is one step of the undo history; one that
    // renumbers nothing is written to the list's own file and is no change
    // of the database.
    const CollectionStep step(*m_collection, tr("ændring af listen"));
    if (!m_changed) {
        // Nothing added or deleted: the save renames the chosen entry, and
        // without one there is nothing to save.
        const int row = chosenRow();
        if (row < 0)
            return;
        QListWidgetItem *entry = listLineEdit->item(row);
        const QString text = selectedItemLineEdit->text();
        if (text != entry->text()) {
            if (!acceptName(text, row))
                return;
            entry->setText(text);
            if (m_kind == Groups)
                emit groupRenamed(row, text);
        }
    } else if (entriesAreNumbered() && !removeDeletedEntries()) {
        return;
    }

    QStringList entries;
    for (int row = 0; row < listLineEdit->count(); ++row) {
        entries << listLineEdit->item(row)->text();
        listLineEdit->item(row)->setData(Qt::UserRole, row);
    }
    m_collection->setListEntries(namedList(), entries);
    // A list that cannot be written is told by the list itself.
    m_collection->saveList(namedList());

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
    const QString page = HelpTopics::listSetupPage(edition(), currentLanguage(), m_kind);
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
    const int row = chosenRow();
    if (row < 0 || selectedItemLineEdit->text().isEmpty()) {
        MessageBox::critical(this, tr("SETUP_ERROR"), tr("NO_ITEM_SELECTED"));
        return;
    }
    // A label carries the location's number in the saved list: after an
    // unsaved add or delete the list box's positions are not those numbers.
    if (m_changed) {
        MessageBox::critical(this, tr("SETUP_ERROR"),
            tr("Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får lokationens gemte "
               "nummer."));
        return;
    }
    HandlerBarcodesC().printLocationLabel(row, m_list->entry(row), this);
}
