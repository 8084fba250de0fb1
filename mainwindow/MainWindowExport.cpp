// The main window's exports: the XML file and the HTML pages of the open
// database, saved under a name or shown from the folder of generated pages.

#include "mainwindow/larkspanwindow.h"

#include <QDir>
#include <QElapsedTimer>

#include "database/DBItemCollection.h"
#include "database/ItemExport.h"
#include "desktop/ExternalViewers.h"
#include "desktop/MessageBox.h"
#include "desktop/WaitCursor.h"

namespace {

// Elapsed seconds as the status messages show them.
QString secondsText(const QElapsedTimer &stopwatch)
{
    return QStringLiteral("%1").arg(double(stopwatch.elapsed()) / 1000.0, 10, 'f', 2);
}

} // namespace

QString MainWindow::GetXmlOutputFile(QString xmlFileName)
{
    return ItemExport::outputFilePath(xmlFileName, QStringLiteral(".xml"));
}

QString MainWindow::GetHtmlOutputFile(QString htmlFileName)
{
    return ItemExport::outputFilePath(htmlFileName, QStringLiteral(".htm"));
}

void MainWindow::SaveAsXML()
{
    SaveAsXML(QString());
}

void MainWindow::SaveAsXML(QString xmlOutputFile)
{
    exportXml(xmlOutputFile);
}

void MainWindow::SaveAsHTML()
{
    SaveAsHTML(false, false, QString());
}

void MainWindow::SaveAsHTML(bool showSpecialCase, bool saveAsHtmlTable, QString htmlOutputFile)
{
    exportHtml(showSpecialCase, saveAsHtmlTable, htmlOutputFile);
}

void MainWindow::ShowAllAsXML()
{
    const QString file = exportXml(GetXmlOutputFile(QStringLiteral("allDBItemsAsXml")));
    if (!file.isEmpty())
        openHtmlPage(file, QString(), true);
}

void MainWindow::ShowAllAsHTML()
{
    const QString file = exportHtml(false, false, GetHtmlOutputFile(QStringLiteral("DbItemAll")));
    if (!file.isEmpty())
        openHtmlPage(file, QString(), true);
}

void MainWindow::ShowAllAsHTMLTable()
{
    const QString file = exportHtml(false, true, GetHtmlOutputFile(QStringLiteral("DbIemTable")));
    if (!file.isEmpty())
        openHtmlPage(file, QString(), true);
}

void MainWindow::ShowAllSpecialCasesAsHTML()
{
    const QString file = exportHtml(true, false, GetHtmlOutputFile(QStringLiteral("DbMissingItems")));
    if (!file.isEmpty())
        openHtmlPage(file, QString(), true);
}

QString MainWindow::exportXml(QString xmlOutputFile)
{
    if (!m_collection)
        return QString();
    if (xmlOutputFile.isEmpty()) {
        // The file is named after the database, which has no name yet.
        if (m_currentFileName.isEmpty()) {
            SaveAs();
            return QString();
        }
        xmlOutputFile = m_currentFileName + QStringLiteral(".xml");
    }

    WaitCursor waitCursor;
    QElapsedTimer stopwatch;
    stopwatch.start();
    QString reason;
    const bool written = m_collection->SaveAsXmlFile(xmlOutputFile, &reason);
    waitCursor.restore();
    if (!written) {
        reportExportFailure(xmlOutputFile, reason);
        return QString();
    }
    emit message(tr("%1 gemt, antal: %3, tid: %4 sec ")
                     .arg(xmlOutputFile, QString::number(m_collection->count()), secondsText(stopwatch)),
        10000);
    return xmlOutputFile;
}

QString MainWindow::exportHtml(bool showSpecialCase, bool saveAsHtmlTable, QString htmlOutputFile)
{
    if (!m_collection)
        return QString();
    if (htmlOutputFile.isEmpty()) {
        if (m_currentFileName.isEmpty()) {
            SaveAs();
            return QString();
        }
        htmlOutputFile = m_currentFileName + QStringLiteral(".htm");
    }

    WaitCursor waitCursor;
    QElapsedTimer stopwatch;
    stopwatch.start();
    QString reason;
    const bool written = m_collection->SaveAsHtmlFile(
        htmlOutputFile, !saveAsHtmlTable, nullptr, showSpecialCase, saveAsHtmlTable, &reason);
    waitCursor.restore();
    if (!written) {
        reportExportFailure(htmlOutputFile, reason);
        return QString();
    }
    QString baseName = htmlOutputFile;
    if (baseName.endsWith(QLatin1String(".htm")))
        baseName.chop(4);
    emit message(
        tr("%1.%2 gemt, antal: %3, tid: %4 sec ")
            .arg(baseName, QStringLiteral("htm"), QString::number(m_collection->count()), secondsText(stopwatch)),
        10000);
    return htmlOutputFile;
}

// A status message goes by unseen: a failed export is told in a box too.
void MainWindow::reportExportFailure(const QString &file, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(file);
    emit message(tr("%1 blev ikke gemt: %2").arg(shown, reason), 10000);
    MessageBox::critical(this, tr("Eksporten mislykkedes"), tr("%1 blev ikke gemt:\n%2").arg(shown, reason));
}
