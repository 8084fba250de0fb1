#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

#include "PrintFixture.h"
#include "PrintKeyRows.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/PrintSettings.h"
#include "core/Settings.h"
#include "desktop/Launcher.h"
#include "output/PrintFieldTitles.h"
#include "output/printSelectDataDialog.h"

// The print setup dialog driven as a user would: what it shows for a fresh
// store, moving fields between the lists, the checks of OK and what it
// stores under every key.
class tst_PrintSetup : public QObject
{
    Q_OBJECT

private:
    static QStringList texts(const QListWidget *list)
    {
        QStringList result;
        for (int row = 0; row < list->count(); ++row)
            result.append(list->item(row)->text());
        return result;
    }

    static std::unique_ptr<DBItemCollection> collection()
    {
        return PrintFixture::makeCollection(
            { QStringLiteral("Køkken"), QStringLiteral("Stue"), QStringLiteral("Have") },
            { QStringLiteral("Kælder"), QStringLiteral("Loft") }, {});
    }

    static bool select(QListWidget *list, const QString &text)
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        if (found.size() != 1)
            return false;
        list->setCurrentItem(found.first());
        return true;
    }

private slots:
    void init() { resetColumnTitles(); }

    void freshStore()
    {
        TestSupport::IsolatedSettings isolated;
        const auto register_ = collection();
        printSelectDataDialog dialog(register_.get());

        QCOMPARE(dialog.objectName(), QStringLiteral("Print setup"));
        QVERIFY(dialog.isModal());
        QCOMPARE(texts(dialog.wantedListBox), (QStringList { "Gruppe", "Navn", "Fabrikat", "Pris", "Vurd.", "Dato" }));
        QCOMPARE(texts(dialog.availableListBox),
            (QStringList { "ITEM_COUNT", "Antal", "Billede", "Rum", "Beskrivelse", "Leverandør", "Adresse", "Serie no.",
                "Www", "Kvitt.", "Dok.", "Produkt model" }));
        QCOMPARE(dialog.separatorComboBox->currentText(), QStringLiteral("|"));
        QVERIFY(dialog.sortTypeRadioButton->isChecked());
        QVERIFY(!dialog.PrintGroupCheckBox->isChecked());
        QCOMPARE(dialog.PrintGroupComboBox->count(), 3);
        QCOMPARE(dialog.PrintLocationComboBox->currentText(), QStringLiteral("Kælder"));

        for (int i = 0; i < PrintFields::FieldCount; ++i) {
            const auto field = PrintFields::Field(i);
            if (field == PrintFields::ItemCount)
                continue;
            QLineEdit *edit = dialog.lengthEdit(field);
            QVERIFY(edit);
            QCOMPARE(dialog.lengthLabel(field)->text(), PrintFieldTitles::title(field));
            const QString expected = field == PrintFields::Date ? QStringLiteral("10")
                                                                : QString::number(PrintFields::defaultLength(field));
            QCOMPARE(edit->text(), expected);
        }
        QTest::mouseClick(dialog.buttonCancel, Qt::LeftButton);
        QVERIFY(Settings().allKeys().isEmpty());
    }

    // The dialog names the fields as the open database does: the length
    // labels, the sort choices and the "only the group/location" check boxes
    // show the edition's column titles, in every language, and no text on
    // the dialog names a field of another edition (no "Room" where the
    // database calls it "Storage place").
    void speaksTheEditionsTitles_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        for (const PrintFixture::EditionDemo &demo : PrintFixture::editionDemos()) {
            for (const QString &language : PrintFixture::languages())
                QTest::addRow("%s %s", demo.tag, qPrintable(language)) << language << QString::fromLatin1(demo.folder);
        }
    }

    void speaksTheEditionsTitles()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        TestSupport::IsolatedSettings isolated;
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("larkspan_") + language, TestSupport::runDir()));
        QCoreApplication::installTranslator(&translator);
        const auto restore = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        const QStringList own = PrintFixture::demoFieldNames(folder.toLatin1().constData(), language);
        QVERIFY(PrintFixture::useFieldNames(own));

        const auto register_ = collection();
        printSelectDataDialog dialog(register_.get());
        const auto title = [](PrintFields::Field field) { return PrintFieldTitles::title(field); };
        QCOMPARE(dialog.PrintGroupCheckBox->text(),
            QCoreApplication::translate("PrintFieldTitles", "Kun %1").arg(title(PrintFields::Group)));
        QCOMPARE(dialog.PrintLocationCheckBox->text(),
            QCoreApplication::translate("PrintFieldTitles", "Kun %1").arg(title(PrintFields::Location)));
        QCOMPARE(dialog.sortTypeRadioButton->text(), title(PrintFields::Group));
        QCOMPARE(dialog.sortNameRadioButton->text(), title(PrintFields::Name));
        QCOMPARE(dialog.sortModelRadioButton->text(), title(PrintFields::Model));
        QCOMPARE(dialog.sortPriceRadioButton->text(),
            QCoreApplication::translate("PrintFieldTitles", "%1 (i alt)").arg(title(PrintFields::Price)));
        QCOMPARE(dialog.sortDateradioButton->text(), title(PrintFields::Date));
        QCOMPARE(dialog.sortLocationButton->text(), title(PrintFields::Location));
        for (int i = 0; i < PrintFields::FieldCount; ++i) {
            if (QLabel *label = dialog.lengthLabel(PrintFields::Field(i)))
                QCOMPARE(label->text(), title(PrintFields::Field(i)));
        }

        // Every text the dialog shows, and the field names of the other
        // editions in this language that this edition does not use.
        QStringList shown;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            shown.append(label->text());
        for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
            shown.append(button->text().remove(QLatin1Char('&')));
        for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
            shown.append(box->title());
        const QString ownText = own.join(QLatin1Char('\n'));
        for (const PrintFixture::EditionDemo &other : PrintFixture::editionDemos()) {
            for (const QString &name : PrintFixture::demoFieldNames(other.folder, language)) {
                const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(name)),
                    QRegularExpression::CaseInsensitiveOption);
                if (name.isEmpty() || ownText.contains(word))
                    continue;
                for (const QString &text : std::as_const(shown))
                    QVERIFY2(!text.contains(word),
                        qPrintable(QStringLiteral("%1 (of %2) in \"%3\"").arg(name, QLatin1String(other.tag), text)));
            }
        }
    }

    void movingFields()
    {
        TestSupport::IsolatedSettings isolated;
        printSelectDataDialog dialog(nullptr);

        // Nothing chosen: nothing moves.
        dialog.availableListBox->setCurrentItem(nullptr);
        QTest::mouseClick(dialog.AddButton, Qt::LeftButton);
        QCOMPARE(dialog.wantedListBox->count(), 6);

        QVERIFY(select(dialog.availableListBox, QStringLiteral("Antal")));
        QTest::mouseClick(dialog.AddButton, Qt::LeftButton);
        QCOMPARE(texts(dialog.wantedListBox).last(), QStringLiteral("Antal"));
        QVERIFY(!texts(dialog.availableListBox).contains(QStringLiteral("Antal")));

        QVERIFY(select(dialog.wantedListBox, QStringLiteral("Gruppe")));
        QTest::mouseClick(dialog.RemoveButton, Qt::LeftButton);
        QCOMPARE(texts(dialog.availableListBox).last(), QStringLiteral("Gruppe"));
        QCOMPARE(dialog.wantedListBox->count() + dialog.availableListBox->count(), int(PrintFields::FieldCount));

        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        Settings settings;
        QCOMPARE(settings.value(QStringLiteral("Print/printCountField")).toBool(), true);
        QCOMPARE(settings.value(QStringLiteral("Print/printGroupField")).toBool(), false);
    }

    // Each field on its own: chosen (or not) and its width land under its own keys.
    void storesEveryField_data() { PrintKeyRows::add(); }

    void storesEveryField()
    {
        QFETCH(int, field);
        QFETCH(bool, flag);
        QFETCH(QString, lengthKey);
        QFETCH(int, maxLength);
        const auto changed = PrintFields::Field(field);
        TestSupport::IsolatedSettings isolated;
        printSelectDataDialog dialog(nullptr);

        const QString title = PrintFieldTitles::title(changed);
        QVERIFY(select(flag ? dialog.wantedListBox : dialog.availableListBox, title));
        QTest::mouseClick(flag ? dialog.RemoveButton : dialog.AddButton, Qt::LeftButton);
        if (!lengthKey.isEmpty()) {
            dialog.lengthEdit(changed)->clear();
            QTest::keyClicks(dialog.lengthEdit(changed), QString::number(maxLength));
        }
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        // Every field's keys are written: the changed field's with what was
        // chosen, every other with its default (the rows of the key table).
        Settings settings;
        for (const PrintKeyRows::Row &row : PrintKeyRows::rows) {
            const QString key = QString::fromLatin1(row.flagKey);
            QVERIFY2(settings.contains(key), qPrintable(key));
            QCOMPARE(settings.value(key).toBool(), row.field == changed ? !row.flag : row.flag);
            const QString length = QString::fromLatin1(row.lengthKey);
            if (!length.isEmpty())
                QCOMPARE(settings.value(length).toInt(), row.field == changed ? maxLength : row.length);
        }
        // The current values follow the store.
        QCOMPARE(PrintSettings::current().prints(changed), !flag);
    }

    void storesChoices_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("sortMethod");
        QTest::addColumn<int>("separator");
        QTest::addColumn<bool>("groupOnly");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("locationOnly");
        QTest::addColumn<int>("location");
        QTest::newRow("type") << "sortTypeRadioButton" << 0 << 0 << false << 0 << false << 0;
        QTest::newRow("name") << "sortNameRadioButton" << 1 << 1 << true << 2 << false << 0;
        QTest::newRow("make") << "sortModelRadioButton" << 2 << 2 << false << 1 << true << 1;
        QTest::newRow("price") << "sortPriceRadioButton" << 5 << 3 << true << 1 << true << 1;
        QTest::newRow("date") << "sortDateradioButton" << 9 << 4 << false << 0 << false << 0;
        QTest::newRow("room") << "sortLocationButton" << 10 << 6 << false << 0 << false << 0;
    }

    void storesChoices()
    {
        QFETCH(QString, radio);
        QFETCH(int, sortMethod);
        QFETCH(int, separator);
        QFETCH(bool, groupOnly);
        QFETCH(int, group);
        QFETCH(bool, locationOnly);
        QFETCH(int, location);
        TestSupport::IsolatedSettings isolated;
        const auto register_ = collection();
        printSelectDataDialog dialog(register_.get());

        dialog.findChild<QRadioButton *>(radio)->click();
        dialog.separatorComboBox->setCurrentIndex(separator);
        dialog.PrintGroupCheckBox->setChecked(groupOnly);
        dialog.PrintGroupComboBox->setCurrentIndex(group);
        dialog.PrintLocationCheckBox->setChecked(locationOnly);
        dialog.PrintLocationComboBox->setCurrentIndex(location);
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);

        const PrintSettingsSnapshot stored;
        QCOMPARE(stored.sortMethod, sortMethod);
        QCOMPARE(stored.separator, PrintSettingsSnapshot::separatorChoices().at(separator));
        QCOMPARE(stored.printGroupOnly, groupOnly);
        QCOMPARE(stored.groupToPrint, group);
        QCOMPARE(stored.printLocationOnly, locationOnly);
        QCOMPARE(stored.locationToPrint, location);

        // Opened again, the dialog shows what was stored.
        printSelectDataDialog again(register_.get());
        QVERIFY(again.findChild<QRadioButton *>(radio)->isChecked());
        QCOMPARE(again.separatorComboBox->currentIndex(), separator);
        QCOMPARE(again.PrintGroupCheckBox->isChecked(), groupOnly);
        QCOMPARE(again.PrintGroupComboBox->currentIndex(), group);
        QCOMPARE(again.PrintLocationComboBox->currentIndex(), location);
    }

    // Absurd stored values open as the defaults and are stored back as
    // them; a length input left empty or out of its limits (only address and
    // description are refused) keeps its length rather than storing 0, and
    // a group or location the register's list does not reach keeps its number.
    void absurdValuesAreNotWrittenBack()
    {
        TestSupport::IsolatedSettings isolated;
        {
            Settings settings;
            settings.setValue(QStringLiteral("Print/printGroupFieldLength"), 2147483647);
            settings.setValue(QStringLiteral("Print/printNameFieldLength"), -5);
            settings.setValue(QStringLiteral("Print/printModelFieldLength"), QStringLiteral("abc"));
            settings.setValue(QStringLiteral("Print/printCountFieldLength"), 0);
            settings.setValue(QStringLiteral("Print/printNameField"), QStringLiteral("abc"));
            settings.setValue(QStringLiteral("Print/printItemCount"), 2147483647);
            settings.setValue(QStringLiteral("Print/printSeparator"), QStringLiteral("abc"));
            settings.setValue(QStringLiteral("Print/sortMethod"), -5);
            settings.setValue(QStringLiteral("Print/printGroupOnly"), 0);
            settings.setValue(QStringLiteral("Print/GroupToPrint"), 2147483647);
            settings.setValue(QStringLiteral("Print/LocationToPrint"), 7);
        }
        const auto register_ = collection();
        printSelectDataDialog dialog(register_.get());
        QCOMPARE(dialog.groupLengthLineEdit->text(), QStringLiteral("15"));
        QCOMPARE(dialog.nameLengthLineEdit->text(), QStringLiteral("15"));
        QCOMPARE(dialog.modelLengthLineEdit->text(), QStringLiteral("15"));
        QCOMPARE(dialog.countLengthLineEdit->text(), QStringLiteral("3"));
        QVERIFY(texts(dialog.wantedListBox).contains(QStringLiteral("Navn")));
        QVERIFY(texts(dialog.availableListBox).contains(QStringLiteral("ITEM_COUNT")));
        QCOMPARE(dialog.separatorComboBox->currentText(), QStringLiteral("|"));
        QVERIFY(dialog.sortTypeRadioButton->isChecked());
        QVERIFY(!dialog.PrintGroupCheckBox->isChecked());
        QCOMPARE(dialog.PrintGroupComboBox->currentIndex(), 0);
        // Location 7 is sound, but this register has two.
        QCOMPARE(dialog.PrintLocationComboBox->currentIndex(), -1);

        dialog.nameLengthLineEdit->clear();
        dialog.priceLengthLineEdit->setText(QStringLiteral("13"));
        dialog.show();
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        Settings settings;
        QCOMPARE(settings.value(QStringLiteral("Print/printGroupFieldLength")).toInt(), 15);
        QCOMPARE(settings.value(QStringLiteral("Print/printNameFieldLength")).toInt(), 15);
        QCOMPARE(settings.value(QStringLiteral("Print/printModelFieldLength")).toInt(), 15);
        QCOMPARE(settings.value(QStringLiteral("Print/printCountFieldLength")).toInt(), 3);
        QCOMPARE(settings.value(QStringLiteral("Print/printPriceFieldLength")).toInt(), 9);
        QCOMPARE(settings.value(QStringLiteral("Print/printNameField")).toBool(), true);
        QCOMPARE(settings.value(QStringLiteral("Print/printItemCount")).toBool(), false);
        QCOMPARE(settings.value(QStringLiteral("Print/printSeparator")).toString(), QStringLiteral("|"));
        QCOMPARE(settings.value(QStringLiteral("Print/sortMethod")).toInt(), 0);
        QCOMPARE(settings.value(QStringLiteral("Print/GroupToPrint")).toInt(), 0);
        QCOMPARE(settings.value(QStringLiteral("Print/LocationToPrint")).toInt(), 7);
    }

    // The address is checked first; only an acceptable address lets the
    // description be checked. A refused OK keeps the dialog and stores nothing.
    void lengthChecks_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        const QString addressMessage = QStringLiteral("'Adresse felt længde' skal være: 1 -> 200\n\nRet det !");
        const QString describeMessage = QStringLiteral("'Beskrivelse felt længde' skal være: 1 -> 200\n\nRet det !");
        const auto row = [](const char *name, const char *address, const char *description, const QString &message) {
            QTest::newRow(name) << QString::fromUtf8(address) << QString::fromUtf8(description) << message;
        };
        row("address empty", "", "15", addressMessage);
        row("both wrong: the address only", "0", "", addressMessage);
        row("description too long", "200", "201", describeMessage);
        row("both at their limits", "200", "1", QString());
    }

    void lengthChecks()
    {
        QFETCH(QString, address);
        QFETCH(QString, description);
        QFETCH(QString, message);
        TestSupport::IsolatedSettings isolated;
        TestSupport::RecordedMessageBoxes boxes;
        printSelectDataDialog dialog(nullptr);
        dialog.addressLengthLineEdit->setText(address);
        dialog.describeLengthLineEdit->setText(description);
        dialog.show();
        QTest::mouseClick(dialog.buttonOk, Qt::LeftButton);

        Settings settings;
        if (message.isEmpty()) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(settings.value(QStringLiteral("Print/printAddressFieldLength")).toInt(), address.toInt());
            return;
        }
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Felt grænseværdi fejl"));
        QCOMPARE(boxes.last().text, message);
        QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Ok") });
        QVERIFY(dialog.isVisible());
        QVERIFY(settings.allKeys().isEmpty());
    }

    // The help button: always there, opening the page of the edition and language.
    void help_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("Ostrana dk") << 1 << "dk"
                                    << "printSetupDialog.dk.htm";
        QTest::newRow("Ostrana en") << 1 << "en"
                                    << "printSetupDialog.en.htm";
        QTest::newRow("Vistrel no") << 2 << "no"
                                    << "printSetupDialog.no.htm";
        QTest::newRow("Numivax dk") << 3 << "dk"
                                    << "printSetupNumivax.dk.htm";
        QTest::newRow("Numivax en") << 3 << "en"
                                    << "printSetupNumivax.en.htm";
        QTest::newRow("Quorvel en") << 5 << "en"
                                    << "printSetupDialog.en.htm";
    }

    void help()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QString, page);
        TestSupport::IsolatedSettings isolated(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        printSelectDataDialog dialog(nullptr);
        QVERIFY(dialog.buttonHelp->isEnabled());
        QCOMPARE(printSelectDataDialog::helpPage(), page);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launched;
        QTest::mouseClick(dialog.buttonHelp, Qt::LeftButton);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(launched.count(), 1);
        QCOMPARE(launched.last().url, QUrl::fromLocalFile(QDir::currentPath() + QStringLiteral("/help/") + page));
    }
};

QTEST_MAIN(tst_PrintSetup)
#include "tst_printsetup.moc"
