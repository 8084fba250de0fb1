#include <QtTest>

#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DatabaseVersions.h"
#include "desktop/FileDialog.h"
#include "setup/CommonSetup.h"

#include <memory>
#include <optional>

using namespace TestSupport;

namespace {

// ProgramFiles decides the default folders; each case sets or clears it and
// the old value comes back afterwards.
class ProgramFiles
{
public:
    explicit ProgramFiles(const QByteArray &value)
        : m_old(qgetenv("ProgramFiles"))
        , m_hadOld(qEnvironmentVariableIsSet("ProgramFiles"))
    {
        if (value.isNull())
            qunsetenv("ProgramFiles");
        else
            qputenv("ProgramFiles", value);
    }
    ~ProgramFiles()
    {
        if (m_hadOld)
            qputenv("ProgramFiles", m_old);
        else
            qunsetenv("ProgramFiles");
    }

private:
    QByteArray m_old;
    bool m_hadOld;
};

QStringList lineEdits(const CommonSetup &dialog)
{
    return { dialog.PicturePathLineEdit->text(), dialog.ReceiptPathLineEdit->text(),
        dialog.DocumentPathLineEdit->text() };
}

QStringList stored()
{
    Settings settings;
    QStringList values;
    for (const char *key : { "PicturePath", "ReceiptPath", "DocumentPath" })
        values << settings.value(QLatin1String(key), QStringLiteral("<none>")).toString();
    return values;
}

} // namespace

class tst_CommonSetup : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<QByteArray>("programFiles");
        QTest::addColumn<QStringList>("expected");

        const QString pictures
            = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        const QString documents
            = QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        const QString taldrum = QDir::toNativeSeparators(QStringLiteral("/opt/programs/Taldrum"));
        QTest::newRow("ProgramFiles set") << QByteArray("/opt/programs") << QStringList { taldrum, taldrum, taldrum };
        QTest::newRow("ProgramFiles not set") << QByteArray() << QStringList { pictures, documents, documents };
    }

    void defaults()
    {
        QFETCH(QByteArray, programFiles);
        QFETCH(QStringList, expected);
        IsolatedSettings settings(OstranaEdition);
        ProgramFiles variable(programFiles);
        CommonSetup dialog;
        QCOMPARE(lineEdits(dialog), expected);
        // Showing the defaults stores nothing.
        QCOMPARE(stored(), (QStringList { "<none>", "<none>", "<none>" }));
    }

    void store_data()
    {
        QTest::addColumn<QString>("button"); // buttonOk, buttonApply, buttonCancel
        QTest::addColumn<QStringList>("typed"); // "" empties the field
        QTest::addColumn<QStringList>("expected");

        const QStringList before { "/old/pictures", "/old/receipts", "/old/documents" };
        QTest::newRow("OK stores all three")
            << "buttonOk" << QStringList { "/p", "/r", "/d" } << QStringList { "/p", "/r", "/d" };
        QTest::newRow("Apply stores all three")
            << "buttonApply" << QStringList { "/p", "/r", "/d" } << QStringList { "/p", "/r", "/d" };
        QTest::newRow("an emptied field keeps its folder")
            << "buttonOk" << QStringList { "", "/r", "" } << QStringList { "/old/pictures", "/r", "/old/documents" };
        QTest::newRow("Cancel stores nothing") << "buttonCancel" << QStringList { "/p", "/r", "/d" } << before;
    }

    void store()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, expected);

        IsolatedSettings settings(OstranaEdition);
        {
            Settings store;
            store.setValue(QStringLiteral("PicturePath"), QStringLiteral("/old/pictures"));
            store.setValue(QStringLiteral("ReceiptPath"), QStringLiteral("/old/receipts"));
            store.setValue(QStringLiteral("DocumentPath"), QStringLiteral("/old/documents"));
        }
        CommonSetup dialog;
        dialog.show();
        QCOMPARE(lineEdits(dialog), (QStringList { "/old/pictures", "/old/receipts", "/old/documents" }));
        const QList<QLineEdit *> edits { dialog.PicturePathLineEdit, dialog.ReceiptPathLineEdit,
            dialog.DocumentPathLineEdit };
        for (int n = 0; n < 3; ++n) {
            edits[n]->clear();
            QTest::keyClicks(edits[n], typed[n]);
        }
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(stored(), expected);
        QCOMPARE(dialog.isVisible(), button == QLatin1String("buttonApply"));
    }

    void browse_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("title");

        QTest::newRow("picture folder chosen") << 0 << true << "ChoseAPictureDirectory";
        QTest::newRow("receipt folder cancelled") << 1 << false << "ChoseAReceiptDirectory";
        QTest::newRow("document folder chosen") << 2 << true << "ChoseADocumentDirectory";
    }

    void browse()
    {
        QFETCH(int, which);
        QFETCH(bool, chosen);
        QFETCH(QString, title);

        IsolatedSettings settings(OstranaEdition);
        Settings().setValue(QStringLiteral("ReceiptPath"), QStringLiteral("/start/receipts"));
        Settings().setValue(QStringLiteral("PicturePath"), QStringLiteral("/start/pictures"));
        Settings().setValue(QStringLiteral("DocumentPath"), QStringLiteral("/start/documents"));
        CommonSetup dialog;
        const QStringList before = lineEdits(dialog);
        const QList<QPushButton *> buttons { dialog.DefinePicturePathButton, dialog.DefineReceiptPathButton,
            dialog.DefineDocumentPathButton };

        FileDialog::Recording dialogs;
        if (chosen)
            FileDialog::queueAnswer(QStringLiteral("/chosen/folder"));
        else
            FileDialog::queueCancel();
        QTest::mouseClick(buttons[which], Qt::LeftButton);

        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.last().mode, FileDialog::Directory);
        QCOMPARE(dialogs.last().title, title);
        QCOMPARE(dialogs.last().folder, before[which]);
        QStringList expected = before;
        if (chosen)
            expected[which] = QDir::toNativeSeparators(QStringLiteral("/chosen/folder"));
        QCOMPARE(lineEdits(dialog), expected);
        // A chosen folder is stored only with Apply or OK.
        QCOMPARE(Settings().value(QStringLiteral("PicturePath")).toString(), QStringLiteral("/start/pictures"));
    }

    void editionLabels_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<bool>("helpEnabled");

        QTest::newRow("Ostrana") << int(OstranaEdition) << "dk"
                                 << QStringList { "PICTURE_PATH", "RECEIPT_PATH", "DOCUMENT_PATH" } << true;
        QTest::newRow("Vistrel") << int(VistrelEdition) << "no"
                                 << QStringList { "BILLED_PATH", "KVITTERINGS_PATH", "DOCUMENT_PATH" } << true;
        QTest::newRow("Numivax, English")
            << int(NumivaxEdition) << "en"
            << QStringList { "NUMIVAX_FRONT_PICTURE_PATH", "NUMIVAX_BACK_PICTURE_PATH", "DOCUMENT_PATH" } << true;
    }

    void editionLabels()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QStringList, labels);
        QFETCH(bool, helpEnabled);

        IsolatedSettings settings(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        CommonSetup dialog;
        QCOMPARE((QStringList { dialog.PicturePathLabel->text(), dialog.ReceipthPathLabel->text(),
                     dialog.ReceipthPathLabel_2->text() }),
            labels);
        QCOMPARE(dialog.buttonHelp->isEnabled(), helpEnabled);
    }

    void versionsKept_data()
    {
        QTest::addColumn<QVariant>("before"); // invalid: not set
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QVariant>("after");
        QTest::newRow("ten unless set, OK stores three") << QVariant() << 10 << "3"
                                                         << "buttonOk" << QVariant(3);
        QTest::newRow("Apply stores none") << QVariant(4) << 4 << "0"
                                           << "buttonApply" << QVariant(0);
        QTest::newRow("Cancel stores nothing") << QVariant(4) << 4 << "7"
                                               << "buttonCancel" << QVariant(4);
        QTest::newRow("more than the most") << QVariant() << 10 << "5000"
                                            << "buttonOk" << QVariant(500);
    }
    void versionsKept()
    {
        QFETCH(QVariant, before);
        QFETCH(int, shown);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QVariant, after);
        IsolatedSettings settings(OstranaEdition);
        if (before.isValid())
            Settings().setValue(DatabaseVersions::keepKey(), before);
        CommonSetup dialog;
        dialog.show();
        auto *spin = dialog.findChild<QSpinBox *>(QStringLiteral("VersionsKeepSpinBox"));
        QVERIFY(spin);
        QCOMPARE(spin->value(), shown);
        auto *label = dialog.findChild<QLabel *>(QStringLiteral("VersionsKeepLabel"));
        QVERIFY(label);
        QCOMPARE(label->buddy(), spin);
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(Settings().value(DatabaseVersions::keepKey(), -1).toInt(), after.toInt());
        QCOMPARE(DatabaseVersions::keepSetting(), after.toInt());
        // None is said in words.
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->specialValueText(), QStringLiteral("Ingen"));
    }
};

QTEST_MAIN(tst_CommonSetup)
#include "tst_commonsetup.moc"
