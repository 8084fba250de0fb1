#include <QtTest>

#include "ItemDialogFixture.h"
#include "TestSupport.h"
#include "mainwindow/ColumnTitles.h"

using namespace ItemDialogTest;

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
        const QString error = QStringLiteral("Fejl");
        const int ostrana = OstranaEdition, vistrel = VistrelEdition, numivax = NumivaxEdition,
                  quorvel = QuorvelEdition;

        QTest::newRow("1 all fine") << ostrana << "Sofa" << "2" << "250" << "100" << false << "" << "";
        QTest::newRow("1 price empty") << ostrana << "Sofa" << "2" << "" << "100" << false << limit << priceText;
        QTest::newRow("1 price with 3 decimals")
            << ostrana << "Sofa" << "2" << "1.234" << "100" << false << limit << priceText;
        QTest::newRow("1 price above the top")
            << ostrana << "Sofa" << "2" << "99999999" << "100" << false << limit << priceText;
        QTest::newRow("1 estimate empty is the price") << ostrana << "Sofa" << "2" << "250" << "" << false << ""
                                                       << "";
        QTest::newRow("1 estimate wrong") << ostrana << "Sofa" << "2" << "250" << "1.234" << false << limit
                                          << todayText;
        QTest::newRow("1 count 0") << ostrana << "Sofa" << "0" << "250" << "100" << false << limit << countText;
        QTest::newRow("1 count empty") << ostrana << "Sofa" << "" << "250" << "100" << false << limit << countText;
        QTest::newRow("1 count top") << ostrana << "Sofa" << "100000" << "250" << "100" << false << "" << "";
        QTest::newRow("1 name missing") << ostrana << "" << "2" << "250" << "100" << false << error
                                        << "OstranaNameMissing";
        QTest::newRow("1 numbers before the name")
            << ostrana << "" << "2" << "" << "100" << false << limit << priceText;
        QTest::newRow("1 no location saves") << ostrana << "Sofa" << "2" << "250" << "100" << true << "" << "";
        QTest::newRow("5 count 0") << quorvel << "Sofa" << "0" << "250" << "100" << false << limit << countText;
        QTest::newRow("5 prices free") << quorvel << "Sofa" << "1" << "" << "1.234" << false << "" << "";
        QTest::newRow("5 name missing") << quorvel << "" << "1" << "1" << "1" << false << error
                                        << "QuorvelNameMissing";
        QTest::newRow("5 no location") << quorvel << "Sofa" << "1" << "1" << "1" << true << error
                                       << "QuorvelItemTypeHasNotBeenSelectedRum";
        QTest::newRow("2 numbers empty") << vistrel << "Sofa" << "" << "" << "" << false << "" << "";
        QTest::newRow("2 name missing") << vistrel << "" << "" << "" << "" << false << error
                                        << "VistrelNameMissing";
        QTest::newRow("3 numbers empty") << numivax << "1864" << "" << "" << "" << true << "" << "";
        QTest::newRow("3 name missing") << numivax << "" << "1" << "1" << "1" << false << error
                                        << "NumivaxNameMissing";
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
        QCOMPARE(databaseModified(), saved);
        if (saved) {
            QCOMPARE(boxes.count(), 0);
            return;
        }
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, title);
        QCOMPARE(boxes.last().text, text);
        QCOMPARE(boxes.last().buttons, QStringList{QStringLiteral("Ok")});
        // The input stays as the user left it, and so does the focus.
        QCOMPARE(d->nameLineEdit->text(), name);
        QCOMPARE(d->priceLineEdit->text(), price);
        QCOMPARE(d->numberOfItemsLineEdit->text(), count);
        QCOMPARE(d->focusWidget(), d->nameLineEdit);
        QVERIFY(d->isVisible());
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
        QTest::newRow("no separator in a name") << "nameLineEdit" << "a;b" << "ab";
        QTest::newRow("199 characters") << "productLineEdit" << QString(205, QLatin1Char('x'))
                                        << QString(199, QLatin1Char('x'));
        QTest::newRow("links too") << "photolinkLineEdit" << "c:\\a;b.jpg" << "c:\\ab.jpg";
        QTest::newRow("model too") << "productBrandLineEdit" << "PH;5" << "PH5";
        QTest::newRow("price has 9 characters") << "priceLineEdit" << "9999999.99" << "9999999.9";
        QTest::newRow("price has 2 decimals") << "priceTodayLineEdit" << "12.345" << "12.34";
        QTest::newRow("price has a point, not a comma") << "priceLineEdit" << "12,5" << "125";
        QTest::newRow("no negative price") << "priceLineEdit" << "-5" << "5";
        QTest::newRow("count up to 100000") << "numberOfItemsLineEdit" << "100001" << "10000";
        QTest::newRow("count is whole") << "numberOfItemsLineEdit" << "2.5" << "25";
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
