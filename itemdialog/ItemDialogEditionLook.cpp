#include "itemdialog/ItemDialogEditionLook.h"

#include "ui_ItemDialogBase.h"

#include "core/Edition.h"
#include "core/Settings.h"
#include "database/userItemCollection.h"

#include <QCoreApplication>
#include <QDialog>

#include <initializer_list>

// Every text set here is one of the item dialog's own and is translated in
// its context, "ItemDialog".

namespace {

// Entries of the database's field-names list come from the database folder,
// so their translations can only be looked up at run time.
QString translatedEntry(const QString &entry)
{
    return QCoreApplication::translate("ItemDialog", entry.toUtf8().constData());
}

void removeHelp(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets) {
        widget->setToolTip(QString());
        widget->setWhatsThis(QString());
    }
}

void applyVistrel(QDialog &dialog, Ui::ItemDialogBase &f)
{
    dialog.setWindowTitle(QCoreApplication::translate("ItemDialog", "PICTURE_GALLERY"));
    // No money: the gallery keeps no total value.
    for (QWidget *widget :
        std::initializer_list<QWidget *> { f.TotalPriceTextLabel, f.priceTotalLineEdit, f.StkTextLabel, f.KrTextLabel })
        widget->hide();
    f.numberOfItemsLineEdit->setWhatsThis(QCoreApplication::translate("ItemDialog", "WHATSHIS_VISTREL_REG_NUMBER"));
    f.numberOfItemsLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_VISTREL_REG_NUMBER"));
    f.priceLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_VISTREL_ESTIMATED_PRICE"));
    f.priceLineEdit->setWhatsThis(QCoreApplication::translate("ItemDialog", "WHATSHIS_VISTREL_ESTIMATED_PRICE"));
    f.priceTodayLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_VISTREL_SALESPRICE"));
    f.priceTodayLineEdit->setWhatsThis(QCoreApplication::translate("ItemDialog", "WHATSHIS_VISTREL_SALESPRICE"));
    f.documentLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_VISTREL_DOCUMENT"));
    f.documentLineEdit->setWhatsThis(QCoreApplication::translate("ItemDialog", "WHATSHIS_VISTREL_DOCUMENT"));
}

void applyNumivax(QDialog &dialog, Ui::ItemDialogBase &f)
{
    dialog.setWindowTitle(QCoreApplication::translate("ItemDialog", "NUMIVAX_DIALOG_TITLE"));
    removeHelp({ f.nameLineEdit });
    f.numberOfItemsLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_DB_NUMBEROF"));
    f.documentLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_NUMIVAX_DOCUMENT"));
    f.addressLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_NUMIVAX_QUALITY"));
    f.addressLineEdit->setWhatsThis(QCoreApplication::translate("ItemDialog", "WHATSHIS_NUMIVAX_QUALITY"));
    f.receiptLineEdit->setToolTip(QCoreApplication::translate("ItemDialog", "TOOLTIP_NUMIVAX_BACKSIDE_PICTURE"));
    f.browseReceiptPushButton->setToolTip(
        QCoreApplication::translate("ItemDialog", "TOOLTIP_BROWSE_BACKSIDE_PICTURE_NUMIVAX"));
    f.showReceiptPushButton->setToolTip(
        QCoreApplication::translate("ItemDialog", "TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX"));
}

} // namespace

void ItemDialogEditionLook::apply(QDialog &dialog, Ui::ItemDialogBase &f)
{
    if (isQuorvel()) {
        // The inventory edition numbers its items itself.
        f.serialnoLineEdit->setEnabled(false);
        if (!Settings().value(QStringLiteral("EnableNumberOfItemsLineEdit"), true).toBool())
            f.numberOfItemsLineEdit->setEnabled(false);
        removeHelp({ f.locationComboBox, f.addressLineEdit, f.serialnoLineEdit, f.browseReceiptPushButton });
    }

    // The picture and coin editions use these fields for other things than
    // the form's help describes.
    if (isVistrel() || isNumivax()) {
        removeHelp({ f.numberOfItemsLineEdit, f.productLineEdit, f.priceLineEdit, f.priceTodayLineEdit,
            f.locationComboBox, f.supplierComboBox, f.serialnoLineEdit, f.documentLineEdit, f.addressLineEdit,
            f.receiptLineEdit, f.browseReceiptPushButton, f.showReceiptPushButton });
    }
    // Prices are in kroner for the Danish and Norwegian texts; the English
    // ones name no currency (its users count in many), and a catalogue
    // cannot give a text as empty.
    if (currentLanguage() == QLatin1String("en"))
        f.KrTextLabel->clear();

    if (isVistrel())
        applyVistrel(dialog, f);
    else if (isNumivax())
        applyNumivax(dialog, f);
}

void ItemDialogEditionLook::applyFieldTitles(Ui::ItemDialogBase &f, const userItemCollection &fields)
{
    // An entry the list does not have (or leaves empty) keeps the form's title.
    auto relabel = [&fields](int index, auto apply) {
        const QString entry = fields.entry(index);
        if (!entry.isEmpty())
            apply(entry);
    };
    relabel(0, [&f](const QString &e) { f.TypeTextLabel->setText(translatedEntry(e)); });
    relabel(1, [&f](const QString &e) { f.NameTextLabel->setText(translatedEntry(e)); });
    relabel(2, [&f](const QString &e) { f.ProductTextLabel->setText(translatedEntry(e)); });
    relabel(3, [&f](const QString &e) { f.NumberTextLabel->setText(translatedEntry(e)); });
    relabel(4, [&f](const QString &e) { f.PriceTextLabel->setText(translatedEntry(e)); });
    relabel(5, [&f](const QString &e) { f.PriceTodayTextLabel->setText(translatedEntry(e)); });
    relabel(6, [&f](const QString &e) {
        f.PictureTextLabel->setText(translatedEntry(e));
        f.primaryTabWidget->setTabText(f.primaryTabWidget->indexOf(f.picturePage), e);
        f.showPhotoPushButton->setText(QCoreApplication::translate("ItemDialog", "SHOWPHOTO") + translatedEntry(e));
        f.browsePhotoPushButton->setText(QCoreApplication::translate("ItemDialog", "BROWSEPHOTO") + translatedEntry(e));
    });
    relabel(7, [&f](const QString &e) { f.DateTextLabel->setText(translatedEntry(e)); });
    relabel(8, [&f](const QString &e) { f.LocationTextLabel->setText(translatedEntry(e)); });
    relabel(9, [&f](const QString &e) { f.DescriptionTextLabel->setText(translatedEntry(e)); });
    relabel(10, [&f](const QString &e) { f.SupplierTextLabel->setText(translatedEntry(e)); });
    relabel(11, [&f](const QString &e) { f.SupplierExtraTextLabel->setText(translatedEntry(e)); });
    relabel(12, [&f](const QString &e) { f.SerialNoTextLabel->setText(translatedEntry(e)); });
    relabel(13, [&f](const QString &e) {
        f.WwwTextLabel->setText(translatedEntry(e));
        f.showWwwPushButton->setText(QCoreApplication::translate("ItemDialog", "SHOWWWW") + translatedEntry(e));
    });
    relabel(14, [&f](const QString &e) {
        f.ReceiptTextLabel->setText(translatedEntry(e));
        f.primaryTabWidget->setTabText(f.primaryTabWidget->indexOf(f.receiptPage), e);
        f.browseReceiptPushButton->setText(
            QCoreApplication::translate("ItemDialog", "BROWSERECIEPT") + translatedEntry(e));
        f.showReceiptPushButton->setText(QCoreApplication::translate("ItemDialog", "SHOWRECIEPT") + translatedEntry(e));
    });
    // Older field lists hold a placeholder with "#" for the document.
    relabel(15, [&f](const QString &e) {
        if (e.contains(QLatin1Char('#')))
            return;
        f.documentTextLabel->setText(translatedEntry(e));
        f.insertDocumentPushButton->setText(
            QCoreApplication::translate("ItemDialog", "BROWSEDOC") + translatedEntry(e));
        f.showDocumentPushButton->setText(QCoreApplication::translate("ItemDialog", "SHOWDOC") + translatedEntry(e));
    });
    relabel(16, [&f](const QString &e) { f.ManufacturerTextLabel->setText(translatedEntry(e)); });
}
