#include <QtTest>

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "TestSupport.h"

// Every text that the program translates must have a finished entry in each
// of the three catalogues, so that no user ever sees a raw translation key.
// The texts are extracted from the sources with lupdate, as the catalogue
// maintainers do, and compared with the catalogues in the repository.
class tst_Catalogues : public QObject
{
    Q_OBJECT

    struct Entry
    {
        QString translation;
        bool finished = false;
    };
    using Catalogue = QHash<QPair<QString, QString>, Entry>;

    static Catalogue readCatalogue(const QString &path, QString *error)
    {
        Catalogue catalogue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return catalogue;
        }
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        Entry entry;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (xml.name() == QLatin1String("name")) {
                    context = xml.readElementText();
                } else if (xml.name() == QLatin1String("message")) {
                    source.clear();
                    entry = Entry();
                } else if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    entry.finished = type.isEmpty();
                    entry.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                }
            } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                catalogue.insert(qMakePair(context, source), entry);
            }
        }
        if (xml.hasError())
            *error = xml.errorString();
        return catalogue;
    }

    QTemporaryDir m_dir;
    Catalogue m_used;

private slots:
    void initTestCase()
    {
        const QString lupdate = QString::fromLocal8Bit(qgetenv("LARKSPAN_LUPDATE"));
        if (lupdate.isEmpty())
            QSKIP("lupdate is not known to this build");
        const QString extracted = m_dir.filePath(QStringLiteral("extracted.ts"));
        QStringList arguments { QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
            QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui") };
        for (const char *folder : { "core", "database", "desktop", "itemdialog", "mainwindow", "output", "setup",
                 "barcodes", "help", "recovery", "app" }) {
            const QString path = QDir(QStringLiteral(LARKSPAN_SOURCE_DIR)).filePath(QLatin1String(folder));
            if (QFileInfo::exists(path))
                arguments << path;
        }
        arguments << QStringLiteral("-ts") << extracted;
        QProcess process;
        process.start(lupdate, arguments);
        QVERIFY2(process.waitForFinished(120000), qPrintable(process.errorString()));
        QCOMPARE(process.exitCode(), 0);
        QString error;
        m_used = readCatalogue(extracted, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void everyTextHasAFinishedEntry_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("Danish") << "dk";
        QTest::newRow("Norwegian") << "no";
        QTest::newRow("English") << "en";
    }
    void everyTextHasAFinishedEntry()
    {
        QFETCH(QString, code);
        const QString path = QDir(QStringLiteral(LARKSPAN_SOURCE_DIR))
                                 .filePath(QStringLiteral("translations/larkspan_%1.ts").arg(code));
        QString error;
        const Catalogue catalogue = readCatalogue(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        // A key is written in capitals with underscores; showing it is a fault.
        static const QRegularExpression rawKey(QStringLiteral("^[A-Z0-9_ .:!&]*_[A-Z0-9_ .:!&]*$"));
        QStringList missing;
        for (auto it = m_used.cbegin(); it != m_used.cend(); ++it) {
            const auto found = catalogue.constFind(it.key());
            const QString where = it.key().first + QStringLiteral(" / ") + it.key().second;
            if (found == catalogue.cend() || !found->finished || found->translation.isEmpty())
                missing << QStringLiteral("no finished entry: ") + where;
            else if (found->translation == it.key().second && rawKey.match(it.key().second).hasMatch())
                missing << QStringLiteral("raw key as translation: ") + where;
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(),
            qPrintable(QStringLiteral("%1 problems in larkspan_%2.ts:\n").arg(missing.size()).arg(code)
                + missing.mid(0, 60).join(QLatin1Char('\n'))));
    }

    void compiledCataloguesAreInTheRunFolder()
    {
        for (const char *name : { "larkspan_dk.qm", "larkspan_no.qm", "larkspan_en.qm", "qt_dk.qm", "qt_no.qm" })
            QVERIFY2(QFileInfo::exists(QDir(TestSupport::runDir()).filePath(QLatin1String(name))), name);
    }
};

QTEST_GUILESS_MAIN(tst_Catalogues)
#include "tst_catalogues.moc"
