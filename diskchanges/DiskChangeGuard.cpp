#include "diskchanges/DiskChangeGuard.h"

#include "core/ProgressScope.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "desktop/MessageBox.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// While another modal window is up or work is running, the file is looked
// at again this often.
constexpr int modalRetryMilliseconds = 1000;

QString absolute(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

DiskChangeGuard::DiskChangeGuard(QWidget *window, Actions actions)
    : QObject(window)
    , m_window(window)
    , m_actions(std::move(actions))
    , m_watcher(this)
    , m_settle(this)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &DiskChangeGuard::checkNow);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskChangeGuard::watchEvent);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DiskChangeGuard::watchEvent);
}

void DiskChangeGuard::follow(const QString &path, const FileFingerprint &fingerprint)
{
    const QString followed = absolute(path);
    if (followed != m_path) {
        stop();
        m_path = followed;
    }
    m_fingerprint = fingerprint;
    m_answered = {};
    m_toldMissing = false;
    rearm();
}

void DiskChangeGuard::stop()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_settle.stop();
    m_path.clear();
    m_fingerprint = {};
    m_answered = {};
    m_toldMissing = false;
    m_pending = false;
}

bool DiskChangeGuard::isFollowed(const QString &path) const
{
    return !m_path.isEmpty() && absolute(path) == m_path;
}

// A file replaced by a rename (a save, ours or another program's) is a new
// file that the watcher does not know: it is watched anew, and its folder
// tells when a file comes back at the path. The watch is always made again,
// since the replaced file may live on under another name (a version keeps
// it), and a watch on it would follow that file instead of the database.
void DiskChangeGuard::rearm()
{
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (m_watcher.files().contains(m_path))
        m_watcher.removePath(m_path);
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void DiskChangeGuard::watchEvent()
{
    rearm();
    if (m_holds > 0) {
        m_pending = true;
        return;
    }
    if (!m_settle.isActive())
        m_settle.start(settleMilliseconds);
}

void DiskChangeGuard::hold()
{
    ++m_holds;
}

void DiskChangeGuard::release()
{
    if (--m_holds > 0 || !m_pending)
        return;
    m_pending = false;
    if (!m_settle.isActive())
        m_settle.start(settleMilliseconds);
}

DiskChangeGuard::Hold::Hold(DiskChangeGuard &guard)
    : m_guard(&guard)
{
    guard.hold();
}

DiskChangeGuard::Hold::~Hold()
{
    if (m_guard)
        m_guard->release();
}

void DiskChangeGuard::checkNow()
{
    if (m_path.isEmpty())
        return;
    if (m_holds > 0) {
        m_pending = true;
        return;
    }
    // A question on top of another dialog (the item dialog, a file dialog),
    // or in the middle of an export or a print that shows its progress,
    // could take the database from under it: it waits until they are done.
    if (QApplication::activeModalWidget() || ProgressScope::isRunning()) {
        m_settle.start(modalRetryMilliseconds);
        return;
    }
    rearm();
    const FileFingerprint::Check check = m_fingerprint.check(m_path);
    switch (check.state) {
    case FileFingerprint::Unchanged:
        m_toldMissing = false;
        return;
    case FileFingerprint::SameContents:
        // Touched, or written again with the same bytes: nothing to ask.
        m_fingerprint = check.now;
        m_toldMissing = false;
        return;
    case FileFingerprint::Missing:
        if (!m_toldMissing)
            tellMissing();
        return;
    case FileFingerprint::Changed:
        m_toldMissing = false;
        if (!check.now.hasHash() || !check.now.sameContents(m_answered))
            askAfterChange(check.now);
        return;
    }
}

QString DiskChangeGuard::changedText() const
{
    return tr("Databasefilen %1 er ændret af et andet program, siden den blev læst her.")
        .arg(QDir::toNativeSeparators(m_path));
}

QString DiskChangeGuard::choicesText() const
{
    return tr("Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes først som "
              "en version i mappen %1.")
               .arg(QDir::toNativeSeparators(DatabaseVersions(m_path).folder()))
        + QLatin1Char('\n')
        + tr("Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet programs.")
        + QLatin1Char('\n')
        + tr("Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil bliver, som den er.");
}

void DiskChangeGuard::askAfterChange(const FileFingerprint &now)
{
    const Hold hold(*this);
    m_answered = now;
    const QString title = tr("Databasefilen er ændret");
    if (!databaseModified()) {
        const QString text = changedText() + QStringLiteral("\n\n")
            + tr("Vil du indlæse den igen og se ændringerne? Beholder du det viste, er filen uændret, og du bliver "
                 "spurgt igen, før du gemmer oven i den.");
        const int answer = MessageBox::showCustom(
            MessageBox::Question, m_window, title, text, { tr("&Indlæs igen"), tr("Behold det &viste") }, 0, 1);
        if (answer == 0)
            reload();
        return;
    }
    const QString text = changedText() + QLatin1Char(' ') + tr("Du har ændringer, der ikke er gemt.")
        + QStringLiteral("\n\n") + choicesText();
    const int answer = MessageBox::showCustom(MessageBox::Warning, m_window, title, text,
        { tr("&Indlæs igen"), tr("&Behold mine og overskriv"), tr("Gem mine under &andet navn...") }, 2);
    switch (answer) {
    case 0:
        reload();
        return;
    case 1:
        m_overwriteChosen = true;
        m_actions.save();
        m_overwriteChosen = false;
        return;
    case 2:
        m_actions.saveElsewhere();
        return;
    default:
        // Closed without a choice: the save asks again.
        return;
    }
}

void DiskChangeGuard::tellMissing()
{
    const Hold hold(*this);
    m_toldMissing = true;
    MessageBox::showCustom(MessageBox::Warning, m_window, tr("Databasefilen findes ikke"),
        tr("Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.")
                .arg(QDir::toNativeSeparators(m_path))
            + QStringLiteral("\n\n") + tr("Det viste er uændret. Når du gemmer, skrives filen igen under samme navn."),
        { tr("Ok") });
}

DiskChangeGuard::Decision DiskChangeGuard::beforeSave(const QString &path)
{
    if (!isFollowed(path) || m_overwriteChosen)
        return SaveOver;
    const Hold hold(*this);
    const FileFingerprint::Check check = m_fingerprint.check(m_path);
    if (check.state == FileFingerprint::SameContents)
        m_fingerprint = check.now;
    if (check.state != FileFingerprint::Changed)
        return SaveOver;

    m_answered = check.now;
    const QString text = changedText() + QLatin1Char(' ')
        + tr("Gemmer du nu, erstattes det andet programs ændringer af dine.") + QStringLiteral("\n\n") + choicesText()
        + QLatin1Char('\n') + tr("Fortryd: intet gemmes.");
    const int answer = MessageBox::showCustom(MessageBox::Warning, m_window, tr("Databasefilen er ændret"), text,
        { tr("&Indlæs igen"), tr("&Behold mine og overskriv"), tr("Gem mine under &andet navn..."), tr("&Fortryd") }, 3,
        3);
    switch (answer) {
    case 0:
        reload();
        return DontSave;
    case 1:
        return SaveOver;
    case 2:
        return SaveElsewhere;
    default:
        return DontSave;
    }
}

QString DiskChangeGuard::keepUnsavedAsVersion()
{
    DBItemCollection *collection = m_actions.collection ? m_actions.collection() : nullptr;
    if (!collection)
        return QString();
    const DatabaseVersions versions(m_path);
    const QString version = versions.preparedVersionPath(QDateTime::currentDateTime());
    // The save tells why, when it fails.
    const bool kept = !version.isEmpty() && collection->SaveToFileAsAscii(version);
    if (!kept) {
        MessageBox::showCustom(MessageBox::Critical, m_window, tr("Databasefilen er ikke indlæst igen"),
            tr("Dine ændringer kunne ikke gemmes som en version i mappen %1, så databasefilen er ikke indlæst igen. "
               "Dine ændringer er der stadig.")
                .arg(QDir::toNativeSeparators(versions.folder())),
            { tr("Ok") });
        return QString();
    }
    // The newest version stays; older ones beyond the number the user keeps
    // go as after a save. With none kept, this one is still made: it holds
    // the only copy of the changes.
    const int keep = DatabaseVersions::keepSetting();
    if (keep > 0)
        versions.removeBeyond(keep);
    return version;
}

void DiskChangeGuard::reload()
{
    QString version;
    if (databaseModified()) {
        version = keepUnsavedAsVersion();
        if (version.isEmpty())
            return;
    }
    setDatabaseModified(false);
    m_actions.reload();
    if (!version.isEmpty())
        emit message(tr("Dine ændringer, der ikke var gemt, er gemt som %1").arg(QDir::toNativeSeparators(version)), 0);
}
