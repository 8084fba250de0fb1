#include <QtTest>

#include <QImage>
#include <QStandardPaths>

#include "ItemDialogFixture.h"
#include "TestSupport.h"
#include "desktop/FileDialog.h"
#include "desktop/Launcher.h"
#include "desktop/PrintDialog.h"
#include "core/Settings.h"

using namespace ItemDialogTest;

namespace {

QString writePicture(const QTemporaryDir &dir, const QString &name, QSize size, const char *format = "PNG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(name);
    if (!image.save(path, format))
        qWarning("could not write %s", qPrintable(path));
    return path;
}

bool fits(const QLabel *label)
{
    const QPixmap shown = label->pixmap();
    return !shown.isNull() && shown.width() <= label->width() && shown.height() <= label->height();
}

// ProgramFiles decides the file choosers' default folder; tests set and
// restore it.
class ProgramFilesVariable
{
public:
    explicit ProgramFilesVariable(const QByteArray &value)
        : m_old(qgetenv("ProgramFiles"))
        , m_wasSet(qEnvironmentVariableIsSet("ProgramFiles"))
    {
        if (value.isEmpty())
            qunsetenv("ProgramFiles");
        else
            qputenv("ProgramFiles", value);
    }
    ~ProgramFilesVariable()
    {
        if (m_wasSet)
            qputenv("ProgramFiles", m_old);
        else
            qunsetenv("ProgramFiles");
    }

private:
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace

class tst_ItemDialogLinks : public QObject
{
    Q_OBJECT

private slots:
    void linkFieldsDriveButtonsAndTabs_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("buttonOn");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("tabOn");
        QTest::newRow("picture, mixed case") << "photolinkLineEdit"
                                             << "C:/billeder/Foto.Jpg"
                                             << "showPhotoPushButton" << true << "picturePage" << true;
        QTest::newRow("picture link to a PDF") << "photolinkLineEdit"
                                               << "foto.pdf"
                                               << "showPhotoPushButton" << false << "picturePage" << false;
        QTest::newRow("no picture") << "photolinkLineEdit"
                                    << ""
                                    << "showPhotoPushButton" << false << "picturePage" << false;
        QTest::newRow("receipt as text") << "receiptLineEdit"
                                         << "kvit.txt"
                                         << "showReceiptPushButton" << true << "receiptPage" << false;
        QTest::newRow("receipt as picture") << "receiptLineEdit"
                                            << "kvit.PNG"
                                            << "showReceiptPushButton" << true << "receiptPage" << true;
        QTest::newRow("no receipt") << "receiptLineEdit"
                                    << ""
                                    << "showReceiptPushButton" << false << "receiptPage" << false;
        QTest::newRow("web link") << "wwwLineEdit"
                                  << "www.x.dk"
                                  << "showWwwPushButton" << true << "" << false;
        QTest::newRow("no web link") << "wwwLineEdit"
                                     << ""
                                     << "showWwwPushButton" << false << "" << false;
        QTest::newRow("document") << "documentLineEdit"
                                  << "a.doc"
                                  << "showDocumentPushButton" << true << "" << false;
        QTest::newRow("no document") << "documentLineEdit"
                                     << ""
                                     << "showDocumentPushButton" << false << "" << false;
    }
    void linkFieldsDriveButtonsAndTabs()
    {
        QFETCH(QString, field);
        QFETCH(QString, link);
        QFETCH(QString, button);
        QFETCH(bool, buttonOn);
        QFETCH(QString, page);
        QFETCH(bool, tabOn);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Register reg;
        reg.sofa->setPhotolink(QStringLiteral("old.gif"));
        reg.sofa->setReceipt(QStringLiteral("old.bmp"));
        reg.sofa->setDocument(QStringLiteral("old.doc"));
        auto d = reg.open(reg.sofa);
        auto *edit = d->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        // Typed by the user, character by character.
        retype(edit, link);
        QCOMPARE(edit->text(), link);
        QCOMPARE(d->findChild<QPushButton *>(button)->isEnabled(), buttonOn);
        if (!page.isEmpty())
            QCOMPARE(tabEnabled(d.get(), d->findChild<QWidget *>(page)), tabOn);
    }

    void showItemSetsLinkStates()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Register reg;
        reg.lamp->setPhotolink(QStringLiteral("lampe.jpeg"));
        reg.lamp->setReceipt(QStringLiteral("kvit.pdf"));
        auto d = reg.open(reg.sofa);
        QVERIFY(!d->showPhotoPushButton->isEnabled());
        QVERIFY(!tabEnabled(d.get(), d->picturePage));
        QVERIFY(!d->showReceiptPushButton->isEnabled());
        QVERIFY(!d->showDocumentPushButton->isEnabled());
        d->NextSlot();
        QVERIFY(d->showPhotoPushButton->isEnabled());
        QVERIFY(tabEnabled(d.get(), d->picturePage));
        QVERIFY(d->showReceiptPushButton->isEnabled());
        QVERIFY(!tabEnabled(d.get(), d->receiptPage));
        QVERIFY(d->showDocumentPushButton->isEnabled());
        QVERIFY(!d->showWwwPushButton->isEnabled());
        d->PreviousSlot();
        QVERIFY(!d->showPhotoPushButton->isEnabled());
        QVERIFY(!tabEnabled(d.get(), d->picturePage));
        QVERIFY(d->showWwwPushButton->isEnabled());
        // A new item starts without previews.
        d->newItem_slot();
        QVERIFY(!tabEnabled(d.get(), d->picturePage));
        QVERIFY(!tabEnabled(d.get(), d->receiptPage));
        QVERIFY(!d->showPhotoPushButton->isEnabled());
        d->currentPageChangedSlot(d->picturePage);
        QVERIFY(d->pixmapPictureLabel->pixmap().isNull());
    }

    void picturesAreScaledToFit()
    {
        TestSupport::IsolatedSettings settings(NumivaxEdition);
        QTemporaryDir dir;
        const QString big = writePicture(dir, QStringLiteral("front.png"), QSize(1600, 1200));
        const QString small = writePicture(dir, QStringLiteral("back.png"), QSize(40, 30));
        Register reg;
        reg.shade->setPhotolink(big);
        reg.shade->setReceipt(small);

        auto d = reg.open(reg.shade, QStringLiteral("PICTURE"));
        QCOMPARE(d->primaryTabWidget->currentWidget(), d->picturePage);
        QCOMPARE(d->currentPage(), d->picturePage);
        QTRY_VERIFY(fits(d->pixmapPictureLabel));
        const QPixmap shown = d->pixmapPictureLabel->pixmap();
        // Both axes by the same factor.
        QVERIFY(qAbs(shown.width() * 3 - shown.height() * 4) <= 4);
        QVERIFY(fits(d->ImageIconTextLabel));

        // Larger room, larger picture.
        const int before = shown.width() * shown.height();
        d->resize(d->width() + 300, d->height() + 200);
        QTRY_VERIFY(d->pixmapPictureLabel->pixmap().width() * d->pixmapPictureLabel->pixmap().height() > before);
        QVERIFY(fits(d->pixmapPictureLabel));

        // A picture that fits is shown as it is.
        QVERIFY(d->ShowPage(QStringLiteral("RECEIPT")));
        QCOMPARE(d->pixmapReceipt->pixmap().size(), QSize(40, 30));

        // A file that is no picture shows nothing.
        const QString broken = dir.filePath(QStringLiteral("broken.png"));
        QVERIFY(TestSupport::writeFile(broken, "no picture"));
        d->receiptLineEdit->setText(broken);
        d->currentPageChangedSlot(d->receiptPage);
        QVERIFY(tabEnabled(d.get(), d->receiptPage));
        d->photolinkLineEdit->setText(broken);
        QVERIFY(d->ShowPage(QStringLiteral("PICTURE")));
        QVERIFY(d->pixmapPictureLabel->pixmap().isNull());
        QVERIFY(d->ImageIconTextLabel->pixmap().isNull());
    }

    void browsePicture()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        ProgramFilesVariable noProgramFiles { QByteArray() };
        FileDialog::Recording files;
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("sub")));
        const QString chosen = writePicture(dir, QStringLiteral("sub/Foto.Jpg"), QSize(30, 20), "JPG");
        Register reg;
        auto d = reg.open(reg.sofa);

        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QVERIFY(QDir().mkpath(pictures));
        FileDialog::queueCancel();
        QTest::mouseClick(d->browsePhotoPushButton, Qt::LeftButton);
        QCOMPARE(files.count(), 1);
        const FileDialog::Request asked = files.last();
        // An open dialog: the picture exists.
        QCOMPARE(asked.mode, FileDialog::ExistingFile);
        QVERIFY(!asked.confirmOverwrite);
        QCOMPARE(asked.title, QString());
        QCOMPARE(asked.folder, QDir::toNativeSeparators(pictures));
        QCOMPARE(asked.filters,
            QStringList({ QStringLiteral("Billed fil (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm)"),
                QStringLiteral("Alle (*.*)") }));
        QCOMPARE(d->photolinkLineEdit->text(), QString());
        QVERIFY(!tabEnabled(d.get(), d->picturePage));

        // A folder that is gone opens at its nearest parent that is there,
        // never with the folder's name offered as the file's.
        Settings().setValue(QStringLiteral("PicturePath"), dir.filePath(QStringLiteral("sub/gone/deeper")));
        FileDialog::queueCancel();
        QTest::mouseClick(d->browsePhotoPushButton, Qt::LeftButton);
        QCOMPARE(files.last().folder, QDir::toNativeSeparators(dir.filePath(QStringLiteral("sub"))));

        Settings().setValue(QStringLiteral("PicturePath"), dir.path());
        FileDialog::queueAnswer(chosen);
        QTest::mouseClick(d->browsePhotoPushButton, Qt::LeftButton);
        QCOMPARE(files.last().folder, dir.path());
        QCOMPARE(d->photolinkLineEdit->text(), QDir::toNativeSeparators(chosen));
        QVERIFY(!d->photolinkLineEdit->text().contains(QLatin1Char('\\')) || QDir::separator() == QLatin1Char('\\'));
        QVERIFY(tabEnabled(d.get(), d->picturePage));
        QVERIFY(d->showPhotoPushButton->isEnabled());
        QCOMPARE(d->pixmapPictureLabel->pixmap().size(), QSize(30, 20));
        QVERIFY(!d->ImageIconTextLabel->pixmap().isNull());

        QVERIFY(d->save_slot());
        QCOMPARE(reg.sofa->photolink(), QDir::toNativeSeparators(chosen));
    }

    void browseReceiptAndDocument_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("mode");
        // A receipt exists: an open dialog. A document may be named first.
        QTest::newRow("receipt") << "browseReceiptPushButton"
                                 << "ReceiptPath"
                                 << "Kvittering (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm)"
                                 << "receiptLineEdit" << int(FileDialog::ExistingFile);
        QTest::newRow("document") << "insertDocumentPushButton"
                                  << "DocumentPath"
                                  << "Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif)"
                                  << "documentLineEdit" << int(FileDialog::AnyFile);
    }
    void browseReceiptAndDocument()
    {
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(QString, filter);
        QFETCH(QString, field);
        QFETCH(int, mode);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        FileDialog::Recording files;
        Register reg;
        auto d = reg.open(reg.sofa);
        auto *browse = d->findChild<QPushButton *>(button);
        auto *edit = d->findChild<QLineEdit *>(field);

        QTemporaryDir programs;
        QVERIFY(QDir().mkpath(programs.filePath(QStringLiteral("Taldrum"))));
        {
            ProgramFilesVariable programFiles(programs.path().toLocal8Bit());
            FileDialog::queueAnswer(QStringLiteral("/home/user/papers/new file.txt"));
            QTest::mouseClick(browse, Qt::LeftButton);
        }
        QCOMPARE(files.last().folder, QDir::toNativeSeparators(programs.filePath(QStringLiteral("Taldrum"))));
        QCOMPARE(files.last().filters, QStringList({ filter, QStringLiteral("Alle (*.*)") }));
        QCOMPARE(int(files.last().mode), mode);
        QVERIFY(!files.last().confirmOverwrite);
        QCOMPARE(edit->text(), QDir::toNativeSeparators(QStringLiteral("/home/user/papers/new file.txt")));

        QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
        {
            ProgramFilesVariable noProgramFiles { QByteArray() };
            FileDialog::queueCancel();
            QTest::mouseClick(browse, Qt::LeftButton);
        }
        QCOMPARE(files.last().folder,
            QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
        QCOMPARE(edit->text(), QDir::toNativeSeparators(QStringLiteral("/home/user/papers/new file.txt")));

        QTemporaryDir papers;
        Settings().setValue(key, papers.path());
        FileDialog::queueCancel();
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(files.last().folder, QDir::toNativeSeparators(papers.path()));
    }

    // A chosen path goes into its field past the field's validator: one the
    // file cannot hold is refused with the reason, and the field keeps its
    // old text.
    void chooserRefusesWhatTheFileCannotHold_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        const QString separator
            = QStringLiteral("Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.");
        const QString folder = QStringLiteral("/home/user/");
        QTest::newRow("picture in a folder with a separator") << "browsePhotoPushButton"
                                                              << "photolinkLineEdit"
                                                              << "/home/user/a;b/foto.jpg" << separator;
        QTest::newRow("receipt of 230 bytes")
            << "browseReceiptPushButton"
            << "receiptLineEdit" << folder + QString(230 - folder.size() - 4, QLatin1Char('k')) + QStringLiteral(".txt")
            << QString::fromUtf8("Databasen kan højst gemme 199 tegn i et felt.");
        QTest::newRow("receipt of 199 bytes")
            << "browseReceiptPushButton"
            << "receiptLineEdit" << folder + QString(199 - folder.size() - 4, QLatin1Char('k')) + QStringLiteral(".txt")
            << QString();
        QTest::newRow("document in Chinese") << "insertDocumentPushButton"
                                             << "documentLineEdit" << QString::fromUtf8("/home/user/中文.pdf")
                                             << QString::fromUtf8("Tegnene 中 文 kan ikke gemmes i databasen.");
    }
    void chooserRefusesWhatTheFileCannotHold()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, path);
        QFETCH(QString, reason);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        FileDialog::Recording files;
        Register reg;
        reg.sofa->setPhotolink(QStringLiteral("old.png"));
        reg.sofa->setReceipt(QStringLiteral("old.txt"));
        reg.sofa->setDocument(QStringLiteral("old.pdf"));
        auto d = reg.open(reg.sofa);
        auto *edit = d->findChild<QLineEdit *>(field);
        const QString old = edit->text();

        FileDialog::queueAnswer(path);
        QTest::mouseClick(d->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(files.count(), 1);
        const QString link = QDir::toNativeSeparators(path);
        if (reason.isEmpty()) {
            QCOMPARE(edit->text(), link);
            QCOMPARE(boxes.count(), 0);
            return;
        }
        QCOMPARE(edit->text(), old);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QString::fromUtf8("Felt grænseværdi fejl"));
        QCOMPARE(boxes.last().text,
            QStringLiteral("Stien til den valgte fil kan ikke gemmes i databasen:\n%1\n\n%2").arg(link, reason));
        QVERIFY(d->save_slot());
        QCOMPARE(reg.sofa->photolink(), QStringLiteral("old.png"));
        QCOMPARE(reg.sofa->receipt(), QStringLiteral("old.txt"));
        QCOMPARE(reg.sofa->document(), QStringLiteral("old.pdf"));
    }

    void showButtonsOpenTheFieldsText_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("viewerChosen");
        QTest::addColumn<bool>("startsViewer");
        const int ostrana = OstranaEdition, vistrel = VistrelEdition, numivax = NumivaxEdition,
                  quorvel = QuorvelEdition;
        QTest::newRow("picture, no viewer") << ostrana << "showPhotoPushButton"
                                            << "photolinkLineEdit" << false << false;
        QTest::newRow("picture, viewer") << ostrana << "showPhotoPushButton"
                                         << "photolinkLineEdit" << true << true;
        QTest::newRow("receipt 1, viewer") << ostrana << "showReceiptPushButton"
                                           << "receiptLineEdit" << true << false;
        QTest::newRow("receipt 5, viewer") << quorvel << "showReceiptPushButton"
                                           << "receiptLineEdit" << true << false;
        QTest::newRow("back side 2, viewer") << vistrel << "showReceiptPushButton"
                                             << "receiptLineEdit" << true << true;
        QTest::newRow("back side 3, no viewer") << numivax << "showReceiptPushButton"
                                                << "receiptLineEdit" << false << false;
        QTest::newRow("document, viewer") << ostrana << "showDocumentPushButton"
                                          << "documentLineEdit" << true << false;
        QTest::newRow("web, no program") << ostrana << "showWwwPushButton"
                                         << "wwwLineEdit" << false << false;
        QTest::newRow("web, program") << ostrana << "showWwwPushButton"
                                      << "wwwLineEdit" << true << true;
    }
    void showButtonsOpenTheFieldsText()
    {
        QFETCH(int, edition);
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(bool, viewerChosen);
        QFETCH(bool, startsViewer);
        TestSupport::IsolatedSettings settings(edition);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        QTemporaryDir dir;
        const QString viewer = QStringLiteral("/usr/bin/viewer");
        if (viewerChosen) {
            Settings().setValue(QStringLiteral("PictureViewerProgram"), viewer);
            Settings().setValue(QStringLiteral("wwwProgram"), viewer);
        }
        Register reg;
        reg.sofa->setPhotolink(QStringLiteral("stored.png"));
        auto d = reg.open(reg.sofa);

        // The field's text counts, not what the item holds.
        const QString link = field == QLatin1String("wwwLineEdit")
            ? QStringLiteral("www.taldrum.dk")
            : writePicture(dir, QStringLiteral("shown.png"), QSize(10, 10));
        d->findChild<QLineEdit *>(field)->setText(link);
        auto *show = d->findChild<QPushButton *>(button);
        QVERIFY(show->isEnabled());
        QTest::mouseClick(show, Qt::LeftButton);

        QCOMPARE(launcher.count(), 1);
        const Launcher::Request request = launcher.last();
        if (startsViewer) {
            QCOMPARE(request.kind, Launcher::Request::StartProgram);
            QCOMPARE(request.program, viewer);
            QCOMPARE(request.arguments, QStringList { link });
        } else {
            QCOMPARE(request.kind, Launcher::Request::OpenUrl);
            QCOMPARE(request.url, Launcher::urlForTarget(link));
        }
        QCOMPARE(boxes.count(), 0);
    }

    void helpPagePerEdition_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("Ostrana") << int(OstranaEdition) << "dk"
                                 << "/help/InventoryDialog.dk.htm";
        QTest::newRow("Quorvel") << int(QuorvelEdition) << "no"
                                 << "/help/InventoryDialog.no.htm";
        QTest::newRow("Vistrel") << int(VistrelEdition) << "dk"
                                 << "/help/VistrelDialog.dk.htm";
        QTest::newRow("Numivax") << int(NumivaxEdition) << "dk"
                                 << "/help/NumivaxDialog.dk.htm";
    }
    void helpPagePerEdition()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QString, page);
        TestSupport::IsolatedSettings settings(edition);
        Settings().setValue(QStringLiteral("Language"), language);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        Register reg;
        auto d = reg.open(reg.sofa);
        QVERIFY(d->helpPushButton->isEnabled());
        QTest::mouseClick(d->helpPushButton, Qt::LeftButton);
        const QString expected = QDir::currentPath() + page;
        // The page is opened when it is installed; otherwise the box names it.
        if (QFileInfo::exists(expected)) {
            QCOMPARE(launcher.count(), 1);
            QCOMPARE(launcher.last().url, QUrl::fromLocalFile(expected));
        } else {
            QCOMPARE(boxes.count(), 1);
            QVERIFY2(boxes.last().text.contains(expected), qPrintable(boxes.last().text));
        }
    }

    void printAndHtmlDoNoHarm()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        Launcher::Recording launcher;
        PrintDialog::Recording printing;
        PrintDialog::queueCancel();
        Register reg;
        auto d = reg.open(reg.sofa);
        QTest::mouseClick(d->printButton, Qt::LeftButton);
        QCOMPARE(printing.count(), 1);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(launcher.count(), 0);
        QCOMPARE(d->currentItem(), reg.sofa);
        // A new item has no row yet; the HTML view shows the list's row.
        d->newItem_slot();
        d->ShowAsHTMLSlot();
        QCOMPARE(reg.collection.count(), 4);
    }
};

QTEST_MAIN(tst_ItemDialogLinks)
#include "tst_itemdialoglinks.moc"
