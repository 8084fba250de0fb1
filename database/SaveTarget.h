#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>

// One file being saved. The new contents go to a temporary file beside the
// old one, which is replaced only by commit(): a save that fails on the way
// never costs the user the file they had.
//
// The bytes go through device(), which is the save file itself. A test may
// put a device in front of every save file (setFrontDevice()), for instance
// one that fails part of the way as a full disk does, so that the failure
// paths run on every platform.
class SaveTarget
{
public:
    explicit SaveTarget(const QString &path);
    ~SaveTarget();
    SaveTarget(const SaveTarget &) = delete;
    SaveTarget &operator=(const SaveTarget &) = delete;

    bool open(QIODevice::OpenMode mode);
    // Where the contents are written; valid once open() succeeded.
    QIODevice &device();
    // Why the contents could not be written in full: the device's own reason,
    // or fallback when it gave none.
    QString writeFailure(const QString &fallback) const;
    // Throws the temporary file away; the old file stays as it was.
    void cancel();
    bool commit();
    // Why opening or committing failed.
    QString errorString() const { return m_file.errorString(); }

    using FrontDevice = std::function<std::unique_ptr<QIODevice>(QIODevice &file)>;
    // Every save file opened from now on is written through the device that
    // front makes for it (an empty function ends that).
    static void setFrontDevice(FrontDevice front);

private:
    QSaveFile m_file;
    // Declared after the file, so that it goes first.
    std::unique_ptr<QIODevice> m_front;
};
