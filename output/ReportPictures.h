#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <vector>

// The pictures a report draws, each read scaled to the size it is drawn at,
// in the order it draws them. A report of a thousand photos spends nearly
// all its time reading them, so while the report takes each picture in
// turn (take), a second thread reads those after it (readAhead, the second
// part of a Parallel::run whose first part draws the report), and the taker
// reads a later one while it waits for one being read. A picture nobody is
// reading yet when it is taken is read by the taker itself, so without that
// second thread every picture is still read, one after the other.
class ReportPictures
{
public:
    struct Request
    {
        QString path;
        // The longest side it is drawn at, in pixels.
        int pixels = 0;
    };

    explicit ReportPictures(QList<Request> requests);

    qsizetype count() const { return m_requests.size(); }
    // The next picture, in the order of the requests: null when it cannot be
    // read. Each is taken once, and forgotten here once taken.
    QImage take();

    // Reads ahead of the pictures taken, at most a few of them, until every
    // picture is read or finish() is called.
    void readAhead();
    // No more pictures are wanted: readAhead() returns as soon as it has
    // read the one it is reading.
    void finish();

    // The picture at path scaled to fit a square of pixels (never larger
    // than it is), read at the smallest size the file lets a reader decode
    // at that holds it, then scaled smoothly.
    static QImage read(const QString &path, int pixels);

private:
    enum State : unsigned char { Waiting, Reading, Read };

    // Under the lock: whether a picture in [from, to) waits to be read, and
    // the first waiting one from `from`, claimed to be read.
    bool claimable(qsizetype from, qsizetype to) const;
    qsizetype claim(qsizetype from);
    // Reads the claimed picture without the lock and keeps it, under the lock.
    void readOne(std::unique_lock<std::mutex> &lock, qsizetype index);

    QList<Request> m_requests;
    std::vector<QImage> m_images;
    std::vector<State> m_states;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qsizetype m_taken = 0;
    bool m_finished = false;
};
