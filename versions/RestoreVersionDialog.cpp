#include "versions/RestoreVersionDialog.h"

#include "database/DatabaseVersions.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidgetItem>

#include <system_error>

namespace {

enum Column { SavedColumn, ItemsColumn, SizeColumn };

QString savedText(const QDateTime &when)
{
    // Dates as the register writes them, whatever the system's locale.
    return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

} // namespace

RestoreVersionDialog::RestoreVersionDialog(const QString &databasePath, QWidget *parent)
    : QDialog(parent)
{
    setupUi(this);
    const DatabaseVersions versions(databasePath);
    for (const DatabaseVersions::Version &version : versions.versions())
        m_paths.append(version.path);
    introLabel->setText(m_paths.isEmpty()
            ? tr("Der er ingen tidligere versioner af %1.").arg(QDir::toNativeSeparators(databasePath))
            : tr("Tidligere versioner af %1, den nyeste først. En gendannet version åbnes i stedet for databasen, "
                 "og den gemmes først, når du gemmer.")
                  .arg(QDir::toNativeSeparators(databasePath)));
    fill();
    connect(restoreButton, &QPushButton::clicked, this, &RestoreVersionDialog::restoreSelected);
    connect(closeButton, &QPushButton::clicked, this, &RestoreVersionDialog::reject);
    connect(versionList, &QTreeWidget::itemDoubleClicked, this, &RestoreVersionDialog::restoreSelected);
    connect(versionList, &QTreeWidget::itemSelectionChanged, this, &RestoreVersionDialog::enableRestore);
    enableRestore();
    startCounting();
}

RestoreVersionDialog::~RestoreVersionDialog()
{
    // The count stops at its next block of bytes.
    m_stopCounting = true;
    if (m_counter.joinable())
        m_counter.join();
}

void RestoreVersionDialog::fill()
{
    for (const QString &path : std::as_const(m_paths)) {
        const QFileInfo file(path);
        auto *row = new QTreeWidgetItem(versionList);
        row->setText(SavedColumn, savedText(file.lastModified()));
        row->setText(ItemsColumn, QStringLiteral("…"));
        row->setText(SizeColumn, QLocale().formattedDataSize(file.size()));
        row->setTextAlignment(ItemsColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setToolTip(SavedColumn, QDir::toNativeSeparators(path));
    }
    if (versionList->topLevelItemCount() > 0)
        versionList->setCurrentItem(versionList->topLevelItem(0));
    for (int column = SavedColumn; column <= SizeColumn; ++column)
        versionList->resizeColumnToContents(column);
}

void RestoreVersionDialog::startCounting()
{
    if (m_paths.isEmpty())
        return;
    const QStringList paths = m_paths;
    const auto count = [this, paths] {
        for (int row = 0; row < paths.size(); ++row) {
            const qint64 lines = DatabaseVersions::countDataLines(paths.at(row), &m_stopCounting);
            if (m_stopCounting)
                return;
            QMetaObject::invokeMethod(
                this, [this, row, lines] { showCount(row, lines); }, Qt::QueuedConnection);
        }
    };
    try {
        m_counter = std::thread(count);
    } catch (const std::system_error &) {
        // No thread to be had: the counts come before the dialog shows.
        count();
    }
}

void RestoreVersionDialog::showCount(int row, qint64 count)
{
    if (QTreeWidgetItem *item = versionList->topLevelItem(row))
        item->setText(ItemsColumn, count < 0 ? tr("ukendt") : QLocale().toString(count));
}

QString RestoreVersionDialog::selectedVersion() const
{
    const int row = versionList->indexOfTopLevelItem(versionList->currentItem());
    if (row < 0 || row >= m_paths.size() || !versionList->currentItem()->isSelected())
        return QString();
    return m_paths.at(row);
}

void RestoreVersionDialog::enableRestore()
{
    restoreButton->setEnabled(!selectedVersion().isEmpty());
}

void RestoreVersionDialog::restoreSelected()
{
    const QString version = selectedVersion();
    if (version.isEmpty())
        return;
    accept();
    emit restoreChosen(version);
}
