#include "recovery/CrashRecovery.h"

#include "core/Edition.h"
#include "database/CollectionStep.h"
#include "database/DBItemCollection.h"
#include "database/RecoveryFile.h"
#include "database/RecoveryReplay.h"
#include "desktop/MessageBox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

int g_quietDelay = 2000;
int g_longestDelay = 5000;

struct Job
{
    QString beside;
    QString state;
    RecoveryFile::Header header;
    QList<QByteArray> body;
};

QString shownName(const QString &database)
{
    return database.isEmpty() ? CrashRecovery::tr("den nye database") : QDir::toNativeSeparators(database);
}

} // namespace

namespace {

// The write itself, on the writer's thread: beside the database where its
// folder takes the file, in the state folder otherwise. Only one of the two
// is left, so the next start finds the newest.
void writeJob(const Job &job, CrashRecovery::Result &result);

} // namespace

CrashRecovery::CrashRecovery(QWidget *window)
    : m_window(window)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_pendingSince.invalidate();
        startWrite();
    });
    m_journal.setStepListener([this] { stepRecorded(); });
}

CrashRecovery::~CrashRecovery()
{
    detach();
    finishWrite(false);
}

void CrashRecovery::setDelays(int quietMilliseconds, int longestMilliseconds)
{
    g_quietDelay = quietMilliseconds;
    g_longestDelay = longestMilliseconds;
}

bool CrashRecovery::databaseOpened(DBItemCollection *collection, const QString &path)
{
    detach();
    m_database = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_identity = DatabaseIdentity::of(m_database);
    m_journal.restart();
    m_failureReported = false;
    m_writtenPath.clear();
    // The changes of a database another program holds are that program's.
    if (!collection || collection->isReadOnly())
        return false;
    // Followed from here on, so that restored changes are written down again.
    m_collection = collection;
    m_collection->addJournal(&m_journal);
    return offerRecovery(*collection);
}

void CrashRecovery::databaseSaved(const QString &path)
{
    if (!m_collection)
        return;
    settle(false);
    removeFiles();
    const QString saved = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (saved != m_database) {
        // Saved under a new name: what lay there before belongs to the file
        // that was replaced.
        m_database = saved;
        m_failureReported = false;
        removeFiles();
    }
    m_identity = DatabaseIdentity::of(m_database);
    m_journal.restart();
    m_writtenPath.clear();
}

void CrashRecovery::databaseClosed()
{
    if (!m_collection)
        return;
    settle(false);
    removeFiles();
    stopFollowing();
}

void CrashRecovery::detach()
{
    if (!m_collection)
        return;
    if (m_timer.isActive() || m_writeAgain)
        writeNow(false);
    finishWrite(false);
    stopFollowing();
}

void CrashRecovery::stopFollowing()
{
    if (m_collection)
        m_collection->removeJournal(&m_journal);
    m_collection = nullptr;
    m_journal.restart();
}

void CrashRecovery::settle(bool report)
{
    m_timer.stop();
    m_pendingSince.invalidate();
    m_writeAgain = false;
    finishWrite(report);
}

void CrashRecovery::writeNow(bool report)
{
    settle(report);
    startWrite();
    finishWrite(report);
}

void CrashRecovery::stepRecorded()
{
    if (!m_pendingSince.isValid())
        m_pendingSince.start();
    const qint64 left = qint64(g_longestDelay) - m_pendingSince.elapsed();
    m_timer.start(int(std::clamp<qint64>(left, 0, g_quietDelay)));
}

void CrashRecovery::startWrite()
{
    if (!m_collection || m_journal.steps() == 0)
        return;
    if (m_writer.joinable()) {
        m_writeAgain = true;
        return;
    }
    const auto shared = std::make_shared<Job>();
    Job &job = *shared;
    job.beside = RecoveryFile::besidePath(m_database);
    job.state = RecoveryFile::statePath(m_database);
    job.header.edition = editionName(false);
    job.header.database = m_database;
    job.header.identity = m_identity;
    job.header.steps = m_journal.steps();
    job.header.lastChange = m_journal.lastChange();
    // Shared, not copied: the journal goes on with blocks of its own.
    job.body = m_journal.blocks();

    m_result = std::make_shared<Result>();
    const quint64 serial = ++m_serial;
    try {
        m_writer = std::thread([this, shared, result = m_result, serial] {
            writeJob(*shared, *result);
            QMetaObject::invokeMethod(
                this, [this, serial] { writeEnded(serial); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error &) {
        // No thread to be had: written here, at once.
        writeJob(job, *m_result);
        QMetaObject::invokeMethod(
            this, [this, serial] { writeEnded(serial); }, Qt::QueuedConnection);
    }
}

void CrashRecovery::writeEnded(quint64 serial)
{
    if (serial != m_serial)
        return;
    finishWrite(true);
    if (m_writeAgain) {
        m_writeAgain = false;
        startWrite();
    }
}

void CrashRecovery::finishWrite(bool report)
{
    if (m_writer.joinable())
        m_writer.join();
    if (!m_result)
        return;
    const Result result = *std::exchange(m_result, nullptr);
    // A write that ends after the database closed tells nothing.
    if (!m_collection)
        return;
    if (result.written) {
        m_writtenPath = result.path;
        emit written(result.path);
        return;
    }
    if (!report || m_failureReported)
        return;
    m_failureReported = true;
    MessageBox::showCustom(MessageBox::Warning, m_window, tr("Gendannelsesfilen kunne ikke skrives"),
        tr("De ikke gemte ændringer af %1 kunne ikke skrives til gendannelsesfilen %2:\n%3\n\n"
           "Du kan arbejde videre som før; gem databasen for at sikre ændringerne. "
           "Dette vises kun én gang for databasen.")
            .arg(shownName(m_database), QDir::toNativeSeparators(result.path), result.error),
        { tr("Ok") });
}

void CrashRecovery::removeFiles()
{
    for (const QString &path : { RecoveryFile::besidePath(m_database), RecoveryFile::statePath(m_database) }) {
        if (!path.isEmpty())
            QFile::remove(path);
    }
    m_writtenPath.clear();
}

void CrashRecovery::refuse(const QString &path, const QString &reason)
{
    const QString aside = RecoveryFile::moveAside(path);
    const QString where = aside.isEmpty() ? tr("Den kunne ikke lægges til side og er ikke ændret.")
                                          : tr("Den er lagt til side som %1.").arg(QDir::toNativeSeparators(aside));
    MessageBox::showCustom(MessageBox::Warning, m_window, tr("Gendannelsesfilen bruges ikke"),
        tr("Gendannelsesfilen %1 bruges ikke: %2.\n\n%3").arg(QDir::toNativeSeparators(path), reason, where),
        { tr("Ok") });
}

bool CrashRecovery::offerRecovery(DBItemCollection &collection)
{
    // The newest usable recovery is offered; an older one beside it (left by
    // a write that could not remove it) is moved aside with the refused.
    struct Candidate
    {
        QString path;
        RecoveryFile::Contents contents;
    };
    std::vector<Candidate> usable;
    for (const QString &path : { RecoveryFile::besidePath(m_database), RecoveryFile::statePath(m_database) }) {
        if (path.isEmpty())
            continue;
        RecoveryFile::Contents contents = RecoveryFile::read(path, m_database, m_identity);
        if (contents.status == RecoveryFile::Missing)
            continue;
        if (contents.status == RecoveryFile::Refused) {
            refuse(path, contents.reason);
            continue;
        }
        usable.push_back({ path, std::move(contents) });
    }
    if (usable.empty())
        return false;
    std::stable_sort(usable.begin(), usable.end(), [](const Candidate &a, const Candidate &b) {
        return a.contents.header.lastChange > b.contents.header.lastChange;
    });
    for (std::size_t i = 1; i < usable.size(); ++i)
        RecoveryFile::moveAside(usable[i].path);

    const Candidate &offered = usable.front();
    RecoveryReplay replay;
    QString why;
    if (!replay.read(offered.contents.body, &why) || replay.steps() != offered.contents.header.steps) {
        if (why.isEmpty())
            why = tr("antallet af ændringer passer ikke");
        refuse(offered.path, tr("den er beskadiget (%1)").arg(why));
        return false;
    }

    const QString when = QDateTime::fromMSecsSinceEpoch(offered.contents.header.lastChange)
                             .toLocalTime()
                             .toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    const int answer = MessageBox::showCustom(MessageBox::Question, m_window, tr("Ikke gemte ændringer"),
        tr("Programmet sluttede sidst uden at gemme ændringerne af %1.\n\nÆndringer: %2\nSeneste ændring: %3\n\n"
           "Vil du gendanne dem? De gendannede ændringer er ikke gemt, før du gemmer databasen.")
            .arg(shownName(m_database), QString::number(replay.steps()), when),
        { tr("&Gendan"), tr("&Kassér") }, 0, 0);
    // A box closed without a choice gives nothing up: the changes come back,
    // unsaved, for the user to keep or not.
    if (answer == 1) {
        QFile::remove(offered.path);
        return false;
    }
    if (!replay.apply(collection, tr("gendannelse"), &why)) {
        const QString aside = RecoveryFile::moveAside(offered.path);
        MessageBox::showCustom(MessageBox::Critical, m_window, tr("Ændringerne kunne ikke gendannes"),
            tr("Ændringerne af %1 kunne ikke gendannes: %2.\n\nGendannelsesfilen er lagt til side som %3.")
                .arg(shownName(m_database), why, QDir::toNativeSeparators(aside.isEmpty() ? offered.path : aside)),
            { tr("Ok") });
        return false;
    }
    // The journal holds the restored changes now and writes them afresh.
    QFile::remove(offered.path);
    return true;
}

namespace {

void writeJob(const Job &job, CrashRecovery::Result &result)
{
    QString error;
    if (!job.beside.isEmpty() && RecoveryFile::write(job.beside, job.header, job.body, &error)) {
        QFile::remove(job.state);
        result = { true, job.beside, QString() };
        return;
    }
    if (RecoveryFile::write(job.state, job.header, job.body, &error)) {
        if (!job.beside.isEmpty())
            QFile::remove(job.beside);
        result = { true, job.state, QString() };
        return;
    }
    result = { false, job.state, error };
}

} // namespace
