#include "setup/AutomakeItems.h"

#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "database/StorageCheck.h"
#include "desktop/MessageBox.h"
#include "itemdialog/StoredTextValidator.h"

#include <QDate>

#include <algorithm>
#include <memory>

AutomakeItems::AutomakeItems(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    // Every pre-created item carries this name into the database file.
    ui.nameLineEdit->setValidator(new StoredTextValidator(ui.nameLineEdit));
    // The on_..._ slots are connected by name in setupUi.
    connect(ui.pushButtonClose, &QPushButton::clicked, this, &AutomakeItems::close);
}

void AutomakeItems::on_lineEdit_textChanged(const QString &text)
{
    bool ok = false;
    m_count = text.toInt(&ok, 10);
    if (!ok)
        m_count = 0;
    if (m_count < 1 || m_count > MaxCount) {
        MessageBox::warning(this, QCoreApplication::translate("AutomakeItemsClass", "Warning"),
            QCoreApplication::translate(
                "AutomakeItemsClass", "Number of items must be:\nGreater than 0 and less than 1000"));
        m_count = 0;
    }
}

void AutomakeItems::on_pushButtonMakeItems_clicked()
{
    if (m_count <= 0 || !m_collection)
        return;
    const QString name = ui.nameLineEdit->text();
    const QString problem = StorageCheck::textProblem(name);
    if (!problem.isEmpty()) {
        MessageBox::critical(this, QCoreApplication::translate("AutomakeItemsClass", "Warning"), problem);
        return;
    }
    // Numbers above the highest that serial numbers are read as would read
    // as 0, and the next batch would number from the start again.
    const int highest = m_collection->highestSerialNumber();
    if (qint64(highest) + m_count > Item::maxSerialNumber) {
        MessageBox::critical(this, QCoreApplication::translate("AutomakeItemsClass", "Warning"),
            QCoreApplication::translate("AutomakeItemsClass",
                "%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der kan højst "
                "tælles til %3. Ingen varer er oprettet.")
                .arg(m_count)
                .arg(highest)
                .arg(Item::maxSerialNumber));
        return;
    }
    const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    // The batch gets consecutive numbers, counted on from the highest: the
    // register is looked through once, not once per item.
    int next = highest;
    const CollectionStep step(*m_collection, tr("oprettelse af %1 varer").arg(m_count));
    for (int made = 0; made < m_count; ++made) {
        auto item = std::make_unique<Item>();
        item->setNumberOfItems(1);
        item->setDate(today);
        item->setGroup(0);
        item->setSerialno(QString::number(next + 1));
        item->setName(name);
        // Once the register has items, its highest number is that of its
        // items (the start number counts only for an empty register).
        const bool wasEmpty = m_collection->count() == 0;
        const int number = item->serialNumberValue();
        m_collection->add(std::move(item));
        next = wasEmpty ? std::max(0, number) : std::max(next, number);
    }
}
