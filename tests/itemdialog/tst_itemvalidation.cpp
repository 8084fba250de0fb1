#include <QtTest>

#include <QClipboard>

#include <cmath>

#include "ItemDialogFixture.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"

using namespace ItemDialogTest;

namespace {

// Puts the text into the field the way a user does, typing it key by key or
// pasting it from the clipboard over the field's whole text.
void enter(QLineEdit *edit, const QString &how, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (how == QLatin1String("typed")) {
        // QTest::keyClicks knows ASCII keys only; other characters come as
        // the text of a key without a key code, as from a keyboard layout
        // or an input method. A surrogate pair is one keystroke.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
            const QString key = text.mid(i, length);
            if (key[0].unicode() < 0x80)
                QTest::keyClick(edit, key[0].toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, key, Qt::NoModifier);
            i += length - 1;
        }
    } else if (how == QLatin1String("pasted")) {
        QApplication::clipboard()->setText(text);
        QTest::keySequence(edit, QKeySequence::Paste);
    } else {
        edit->setText(text);
    }
}

QStringList texts(const QList<MessageBox::Shown> &shown)
{
    QStringList result;
    for (const MessageBox::Shown &box : shown)
        result << box.text;
    return result;
}

} // namespace

class tst_ItemValidation : public QObject
{
    Q_OBJECT

private slots:
    void saveCheck_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("priceToday");
        QTest::addColumn<bool>("blankLocation");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        const QString limit = QString::fromUtf8("Felt grænseværdi fejl");
        const QString priceText = QString::fromUtf8("'Købspris' skal være: 0.0 -> 9999999\n\nRet det !");
        const QString todayText = QString::fromUtf8("'Vurderet pris' skal være: 0.0 -> 9999999\n\nRet det !");
        const QString countText = QString::fromUtf8("'Antal' skal være i intervalet: 0 -> 100000\n\nRet det !");
        // Where no count is demanded, any count the database file holds.
        const QString storedCountText
            = QString::fromUtf8("'Antal' skal være i intervalet: 0 -> 2147483647\n\nRet det !");
        const QString error = QStringLiteral("Fejl");
        const int ostrana = OstranaEdition, vistrel = VistrelEdition, numivax = NumivaxEdition,
                  quorvel = QuorvelEdition;

        QTest::newRow("1 all fine") << ostrana << "Sofa"
                                    << "2"
                                    << "250"
                                    << "100" << false << ""
                                    << "";
        QTest::newRow("1 price empty") << ostrana << "Sofa"
                                       << "2"
                                       << ""
                                       << "100" << false << limit << priceText;
        QTest::newRow("1 price with 3 decimals") << ostrana << "Sofa"
                                                 << "2"
                                                 << "1.234"
                                                 << "100" << false << limit << priceText;
        QTest::newRow("1 price above the top") << ostrana << "Sofa"
                                               << "2"
                                               << "99999999"
                                               << "100" << false << limit << priceText;
        QTest::newRow("1 estimate empty is the price") << ostrana << "Sofa"
                                                       << "2"
                                                       << "250"
                                                       << "" << false << ""
                                                       << "";
        QTest::newRow("1 estimate wrong") << ostrana << "Sofa"
                                          << "2"
                                          << "250"
                                          << "1.234" << false << limit << todayText;
        QTest::newRow("1 count 0") << ostrana << "Sofa"
                                   << "0"
                                   << "250"
                                   << "100" << false << limit << countText;
        QTest::newRow("1 count empty") << ostrana << "Sofa"
                                       << ""
                                       << "250"
                                       << "100" << false << limit << countText;
        QTest::newRow("1 count top") << ostrana << "Sofa"
                                     << "100000"
                                     << "250"
                                     << "100" << false << ""
                                     << "";
        QTest::newRow("1 name missing") << ostrana << ""
                                        << "2"
                                        << "250"
                                        << "100" << false << error << "OstranaNameMissing";
        QTest::newRow("1 numbers before the name") << ostrana << ""
                                                   << "2"
                                                   << ""
                                                   << "100" << false << limit << priceText;
        QTest::newRow("1 no location saves") << ostrana << "Sofa"
                                             << "2"
                                             << "250"
                                             << "100" << true << ""
                                             << "";
        QTest::newRow("5 count 0") << quorvel << "Sofa"
                                   << "0"
                                   << "250"
                                   << "100" << false << limit << countText;
        QTest::newRow("5 empty prices pass") << quorvel << "Sofa"
                                             << "1"
                                             << ""
                                             << "" << false << ""
                                             << "";
        QTest::newRow("5 estimate with 3 decimals") << quorvel << "Sofa"
                                                    << "1"
                                                    << ""
                                                    << "1.234" << false << limit << todayText;
        QTest::newRow("5 price above the top") << quorvel << "Sofa"
                                               << "1"
                                               << "10000000"
                                               << "" << false << limit << priceText;
        QTest::newRow("5 name missing") << quorvel << ""
                                        << "1"
                                        << "1"
                                        << "1" << false << error << "QuorvelNameMissing";
        QTest::newRow("5 no location") << quorvel << "Sofa"
                                       << "1"
                                       << "1"
                                       << "1" << true << error << "QuorvelItemTypeHasNotBeenSelectedRum";
        QTest::newRow("2 numbers empty") << vistrel << "Sofa"
                                         << ""
                                         << ""
                                         << "" << false << ""
                                         << "";
        QTest::newRow("2 price with 3 decimals") << vistrel << "Sofa"
                                                 << ""
                                                 << "1.234"
                                                 << "" << false << limit << priceText;
        QTest::newRow("2 name missing") << vistrel << ""
                                        << ""
                                        << ""
                                        << "" << false << error << "VistrelNameMissing";
        QTest::newRow("3 numbers empty") << numivax << "1864"
                                         << ""
                                         << ""
                                         << "" << true << ""
                                         << "";
        QTest::newRow("3 estimate above the top") << numivax << "1864"
                                                  << ""
                                                  << ""
                                                  << "99999999" << false << limit << todayText;
        QTest::newRow("1 count past what the file holds") << ostrana << "Sofa"
                                                          << "2147483648"
                                                          << "250"
                                                          << "100" << false << limit << countText;
        QTest::newRow("2 count above the typing limit") << vistrel << "Sofa"
                                                        << "200000"
                                                        << ""
                                                        << "" << false << ""
                                                        << "";
        QTest::newRow("2 count at the top the file holds") << vistrel << "Sofa"
                                                           << "2147483647"
                                                           << ""
                                                           << "" << false << ""
                                                           << "";
        QTest::newRow("2 count past what the file holds") << vistrel << "Sofa"
                                                          << "2147483648"
                                                          << ""
                                                          << "" << false << limit << storedCountText;
        QTest::newRow("3 count past even 64 bits") << numivax << "1864"
                                                   << "99999999999999999999"
                                                   << ""
                                                   << "" << false << limit << storedCountText;
        QTest::newRow("3 count below what the file holds") << numivax << "1864"
                                                           << "-2147483649"
                                                           << ""
                                                           << "" << false << limit << storedCountText;
        QTest::newRow("3 count that is no number") << numivax << "1864"
                                                   << "12x"
                                                   << ""
                                                   << "" << false << limit << storedCountText;
        QTest::newRow("3 name missing") << numivax << ""
                                        << "1"
                                        << "1"
                                        << "1" << false << error << "NumivaxNameMissing";
    }
    void saveCheck()
    {
        QFETCH(int, edition);
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, price);
        QFETCH(QString, priceToday);
        QFETCH(bool, blankLocation);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TestSupport::IsolatedSettings settings(edition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.sofa);

        // setText, unlike typing, lets any text in: the check must catch it.
        d->nameLineEdit->setText(name);
        d->numberOfItemsLineEdit->setText(count);
        d->priceLineEdit->setText(price);
        d->priceTodayLineEdit->setText(priceToday);
        d->infoLineEdit->setText(QStringLiteral("checked"));
        if (blankLocation)
            ItemDialog::setComboText(d->locationComboBox, QString());
        d->nameLineEdit->setFocus();

        const bool saved = d->save_slot();
        QCOMPARE(saved, text.isEmpty());
        QCOMPARE(reg.sofa->description(), saved ? QStringLiteral("checked") : QString::fromUtf8("Grøn"));
        if (saved && !count.isEmpty())
            QCOMPARE(QString::number(reg.sofa->numberOfItems()), count);
        QCOMPARE(databaseModified(), saved);
        if (saved) {
            QCOMPARE(boxes.count(), 0);
            return;
        }
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, title);
        QCOMPARE(boxes.last().text, text);
        QCOMPARE(boxes.last().buttons, QStringList { QStringLiteral("Ok") });
        // The input stays as the user left it, and so does the focus.
        QCOMPARE(d->nameLineEdit->text(), name);
        QCOMPARE(d->priceLineEdit->text(), price);
        QCOMPARE(d->numberOfItemsLineEdit->text(), count);
        QCOMPARE(d->focusWidget(), d->nameLineEdit);
        QVERIFY(d->isVisible());
    }

    // "9e999" is infinity; whether typed, pasted or put in past the field's
    // validator it must never reach the item, in any edition.
    void infinitePriceNeverReachesTheItem_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("kept");
        const QList<std::pair<int, const char *>> editions = { { OstranaEdition, "Ostrana" },
            { VistrelEdition, "Vistrel" }, { NumivaxEdition, "Numivax" }, { QuorvelEdition, "Quorvel" } };
        for (const auto &[edition, name] : editions) {
            for (const char *field : { "priceLineEdit", "priceTodayLineEdit" }) {
                // The "e" is refused as it is typed; the digits are a price.
                QTest::addRow("%s %s typed", name, field) << edition << field << "typed"
                                                          << "9999";
                QTest::addRow("%s %s pasted", name, field) << edition << field << "pasted"
                                                           << "";
                QTest::addRow("%s %s set", name, field) << edition << field << "set"
                                                        << "9e999";
            }
        }
    }
    void infinitePriceNeverReachesTheItem()
    {
        QFETCH(int, edition);
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, kept);
        TestSupport::IsolatedSettings settings(edition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.lamp);
        auto *edit = d->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        const bool isPrice = field == QLatin1String("priceLineEdit");

        // A paste that is no price is refused whole: the field is as it was.
        enter(edit, how, QStringLiteral("9e999"));
        QCOMPARE(edit->text(), how == QLatin1String("pasted") ? (isPrice ? "750.50" : "375.25") : kept);
        // Not even the count's and price's keystroke reaction takes it.
        QVERIFY(std::isfinite(reg.lamp->price()));

        const bool saved = d->save_slot();
        QCOMPARE(saved, how != QLatin1String("set"));
        QVERIFY(std::isfinite(reg.lamp->price()));
        QVERIFY(std::isfinite(reg.lamp->priceToday()));
        if (saved) {
            QCOMPARE(boxes.count(), 0);
            QCOMPARE(isPrice ? reg.lamp->price() : reg.lamp->priceToday(),
                kept.isEmpty() ? (isPrice ? 750.5 : 375.25) : kept.toDouble());
            return;
        }
        QCOMPARE(reg.lamp->price(), 750.5);
        QCOMPARE(reg.lamp->priceToday(), 375.25);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QString::fromUtf8("Felt grænseværdi fejl"));
        QVERIFY2(boxes.last().text.startsWith(
                     isPrice ? QString::fromUtf8("'Købspris'") : QString::fromUtf8("'Vurderet pris'")),
            qPrintable(boxes.last().text));
    }

    // Characters the file cannot hold, and pasted line breaks, are refused
    // as they come in and named; a ";" is refused without a word, as the
    // user sees it is not taken.
    void refusedInputIsNamed_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QStringList>("messages");
        const QString euro = QString::fromUtf8("Databasen kan ikke gemme tegnene €, så de er ikke sat ind.");
        const QString l = QString::fromUtf8("Databasen kan ikke gemme tegnene Ł, så de er ikke sat ind.");
        const QString z = QString::fromUtf8("Databasen kan ikke gemme tegnene ź, så de er ikke sat ind.");
        const QString lz = QString::fromUtf8("Databasen kan ikke gemme tegnene Ł ź, så de er ikke sat ind.");
        const QString lineBreak
            = QString::fromUtf8("Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.");
        const QString pris = QString::fromUtf8("Pris 100 €");
        const QString lodz = QString::fromUtf8("Łódź");

        QTest::newRow("euro typed") << "nameLineEdit"
                                    << "typed" << pris << "Pris 100 " << QStringList { euro };
        QTest::newRow("euro pasted") << "nameLineEdit"
                                     << "pasted" << pris << "" << QStringList { euro };
        QTest::newRow("city typed") << "infoLineEdit"
                                    << "typed" << lodz << QString::fromUtf8("ód") << QStringList { l, z };
        QTest::newRow("city pasted") << "infoLineEdit"
                                     << "pasted" << lodz << "" << QStringList { lz };
        QTest::newRow("city pasted as supplier") << "supplier"
                                                 << "pasted" << lodz << "" << QStringList { lz };
        QTest::newRow("camera pasted in a link")
            << "photolinkLineEdit"
            << "pasted" << QString::fromUtf8("foto📷.jpg") << ""
            << QStringList { QString::fromUtf8("Databasen kan ikke gemme tegnene 📷, så de er ikke sat ind.") };
        QTest::newRow("two lines pasted") << "addressLineEdit"
                                          << "pasted"
                                          << "Linje 1\nLinje 2"
                                          << "" << QStringList { lineBreak };
        // A control character cannot be seen, so it is named as well.
        const QString control = QString::fromUtf8(
            "Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.");
        QTest::newRow("vertical tab pasted")
            << "nameLineEdit"
            << "pasted" << QStringLiteral("Linje 1\vLinje 2") << "" << QStringList { control };
        QTest::newRow("escape pasted in a link")
            << "wwwLineEdit"
            << "pasted" << QStringLiteral("http://x.dk/\x1b[0m") << "" << QStringList { control };
        QTest::newRow("escape pasted as supplier")
            << "supplier"
            << "pasted" << QStringLiteral("Ny\x1b") << "" << QStringList { control };
        QTest::newRow("separator typed") << "serialnoLineEdit"
                                         << "typed"
                                         << "A;12"
                                         << "A12" << QStringList {};
        QTest::newRow("Latin-1 is fine") << "productLineEdit"
                                         << "pasted" << QString::fromUtf8("Æblegrød ½ £")
                                         << QString::fromUtf8("Æblegrød ½ £") << QStringList {};
        QTest::newRow("230 characters pasted") << "receiptLineEdit"
                                               << "pasted" << QString(230, QLatin1Char('k')) << "" << QStringList {};
    }
    void refusedInputIsNamed()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(QStringList, messages);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(nullptr);
        QLineEdit *edit
            = field == QLatin1String("supplier") ? d->supplierComboBox->lineEdit() : d->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        enter(edit, how, text);
        QCOMPARE(edit->text(), kept);
        QCOMPARE(texts(boxes.shown()), messages);
        for (const MessageBox::Shown &box : boxes.shown())
            QCOMPARE(box.title, QString::fromUtf8("Felt grænseværdi fejl"));

        // Whatever was let in can be saved.
        retype(d->nameLineEdit, QStringLiteral("Kasse"));
        retype(d->priceLineEdit, QStringLiteral("10"));
        d->locationComboBox->setCurrentIndex(0);
        QVERIFY(d->save_slot());
        QCOMPARE(boxes.count(), messages.size());
    }

    // A text that got into a field past its validator is refused at save,
    // naming the field by its label.
    void saveCheckNamesTheField_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const int ostrana = OstranaEdition, quorvel = QuorvelEdition, numivax = NumivaxEdition;
        const QString separator
            = QStringLiteral("Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.");
        const QString lineBreak = QStringLiteral("Linjeskift kan ikke gemmes i et felt.");
        const QString tooLong = QString::fromUtf8("Databasen kan højst gemme 199 tegn i et felt.");
        auto named = [](const char *label, const QString &why) {
            return QString::fromUtf8("Feltet \"%1\" kan ikke gemmes i databasen.\n%2\n\nRet det !")
                .arg(QString::fromUtf8(label), why);
        };
        QTest::newRow("name with a separator") << ostrana << "nameLineEdit"
                                               << "Sofa;2" << named("Navn", separator);
        QTest::newRow("model with a euro")
            << ostrana << "productBrandLineEdit" << QString::fromUtf8("PH 5 €")
            << named("PRODUCT_BRAND", QString::fromUtf8("Tegnene € kan ikke gemmes i databasen."));
        QTest::newRow("supplier with a separator") << numivax << "supplier"
                                                   << "Ny;Butik" << named("Leverandør", separator);
        QTest::newRow("extra info of 200")
            << ostrana << "addressLineEdit" << QString(200, QLatin1Char('x')) << named("EXTRA_INFO", tooLong);
        QTest::newRow("description in Polish")
            << quorvel << "infoLineEdit" << QString::fromUtf8("Łódź")
            << named("Beskrivelse", QString::fromUtf8("Tegnene Ł ź kan ikke gemmes i databasen."));
        QTest::newRow("picture of 199 passes")
            << ostrana << "photolinkLineEdit" << QString(199, QLatin1Char('p')) << QString();
        QTest::newRow("document with a line feed") << numivax << "documentLineEdit"
                                                   << "a\nb.pdf" << named("DOCUMENT", lineBreak);
        // The file holds a control character that a database brought, and
        // the item saves as it is (an export writes it as "?").
        QTest::newRow("description with a vertical tab from the database")
            << quorvel << "infoLineEdit" << QStringLiteral("Linje 1\vLinje 2") << QString();
    }
    void saveCheckNamesTheField()
    {
        QFETCH(int, edition);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestSupport::IsolatedSettings settings(edition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.sofa);
        Item before = *reg.sofa;
        if (field == QLatin1String("supplier"))
            ItemDialog::setComboText(d->supplierComboBox, text);
        else
            d->findChild<QLineEdit *>(field)->setText(text);
        d->nameLineEdit->setFocus();

        const bool saved = d->save_slot();
        QCOMPARE(saved, message.isEmpty());
        if (saved) {
            QCOMPARE(boxes.count(), 0);
            return;
        }
        QCOMPARE(texts(boxes.shown()).join(QLatin1String(" // ")), message);
        QCOMPARE(boxes.last().title, QString::fromUtf8("Felt grænseværdi fejl"));
        QCOMPARE(reg.sofa->dump(), before.dump());
        QVERIFY(!databaseModified());
        QCOMPARE(d->focusWidget(), d->nameLineEdit);
    }

    // Emptying the count field is no count: the item keeps its own while the
    // field is empty. Saving then follows each edition's count rule: the
    // editions that demand a count refuse, the others store 0.
    void clearingTheCount_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("countAfterSave");
        QTest::newRow("Ostrana") << int(OstranaEdition) << false << 2;
        QTest::newRow("Vistrel") << int(VistrelEdition) << true << 0;
        QTest::newRow("Numivax") << int(NumivaxEdition) << true << 0;
        QTest::newRow("Quorvel") << int(QuorvelEdition) << false << 2;
    }
    void clearingTheCount()
    {
        QFETCH(int, edition);
        QFETCH(bool, saved);
        QFETCH(int, countAfterSave);
        TestSupport::IsolatedSettings settings(edition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.lamp);
        retype(d->numberOfItemsLineEdit, QString());
        QCOMPARE(d->numberOfItemsLineEdit->text(), QString());
        QCOMPARE(reg.lamp->numberOfItems(), 2);
        QCOMPARE(d->save_slot(), saved);
        QCOMPARE(reg.lamp->numberOfItems(), countAfterSave);
        QCOMPARE(boxes.count(), saved ? 0 : 1);
    }

    void emptyEstimateTakesThePrice()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.sofa);
        retype(d->priceLineEdit, QStringLiteral("250"));
        retype(d->priceTodayLineEdit, QString());
        QTest::mouseClick(d->buttonOk, Qt::LeftButton);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(d->priceTodayLineEdit->text(), QStringLiteral("250"));
        QCOMPARE(reg.sofa->priceToday(), 250.0);
        QCOMPARE(reg.sofa->price(), 250.0);
    }

    void locationTitleComesFromTheList()
    {
        TestSupport::IsolatedSettings settings(QuorvelEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        setColumnTitle(ItemListView::LocationColumn, QStringLiteral("Lager"));
        auto d = reg.open(nullptr);
        retype(d->nameLineEdit, QStringLiteral("Skrue"));
        QTest::mouseClick(d->buttonOk, Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("QuorvelItemTypeHasNotBeenSelectedLager"));
        QCOMPARE(reg.collection.count(), 4);
        resetColumnTitles();
    }

    void typingLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("no separator in a name") << "nameLineEdit"
                                                << "a;b"
                                                << "ab";
        QTest::newRow("199 characters") << "productLineEdit" << QString(205, QLatin1Char('x'))
                                        << QString(199, QLatin1Char('x'));
        QTest::newRow("links too") << "photolinkLineEdit"
                                   << "c:\\a;b.jpg"
                                   << "c:\\ab.jpg";
        QTest::newRow("model too") << "productBrandLineEdit"
                                   << "PH;5"
                                   << "PH5";
        QTest::newRow("price has 9 characters") << "priceLineEdit"
                                                << "9999999.99"
                                                << "9999999.9";
        QTest::newRow("price has 2 decimals") << "priceTodayLineEdit"
                                              << "12.345"
                                              << "12.34";
        QTest::newRow("price has a point, not a comma") << "priceLineEdit"
                                                        << "12,5"
                                                        << "125";
        QTest::newRow("no negative price") << "priceLineEdit"
                                           << "-5"
                                           << "5";
        QTest::newRow("count up to 100000") << "numberOfItemsLineEdit"
                                            << "100001"
                                            << "10000";
        QTest::newRow("count is whole") << "numberOfItemsLineEdit"
                                        << "2.5"
                                        << "25";
    }
    void typingLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Register reg;
        auto d = reg.open(reg.sofa);
        auto *edit = d->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
    }

    void supplierTextIsLimitedToo()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Register reg;
        auto d = reg.open(reg.sofa);
        d->supplierComboBox->lineEdit()->clear();
        QTest::keyClicks(d->supplierComboBox->lineEdit(), QStringLiteral("Ny;Butik"));
        QCOMPARE(d->supplierComboBox->currentText(), QStringLiteral("NyButik"));
    }

    void showValidateError()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Register reg;
        auto d = reg.open(reg.sofa);
        d->ShowValidateError(QString());
        QCOMPARE(boxes.count(), 0);
        d->ShowValidateError(QStringLiteral("Too big"));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("Too big\n\nRet det !"));
        QCOMPARE(boxes.last().title, QString::fromUtf8("Felt grænseværdi fejl"));
    }
};

QTEST_MAIN(tst_ItemValidation)
#include "tst_itemvalidation.moc"
