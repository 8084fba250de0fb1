#include "output/ReportPictures.h"

#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// How many pictures are read ahead of the one taken: enough that the
// second thread never waits on the drawing, few enough that what they hold
// stays small.
constexpr qsizetype readAheadCount = 6;

} // namespace

ReportPictures::ReportPictures(QList<Request> requests)
    : m_requests(std::move(requests))
    , m_images(size_t(m_requests.size()))
    , m_states(size_t(m_requests.size()), Waiting)
{ }

bool ReportPictures::claimable(qsizetype from, qsizetype to) const
{
    for (qsizetype i = from; i < to; ++i) {
        if (m_states[size_t(i)] == Waiting)
            return true;
    }
    return false;
}

qsizetype ReportPictures::claim(qsizetype from)
{
    for (qsizetype i = from; i < m_requests.size(); ++i) {
        if (m_states[size_t(i)] == Waiting) {
            m_states[size_t(i)] = Reading;
            return i;
        }
    }
    return -1;
}

QImage ReportPictures::take()
{
    std::unique_lock lock(m_mutex);
    if (m_taken >= m_requests.size())
        return QImage();
    const qsizetype index = m_taken++;
    // Reading ahead may go one further now.
    m_changed.notify_all();
    if (m_states[size_t(index)] == Waiting) {
        m_states[size_t(index)] = Reading;
        readOne(lock, index);
    }
    // While the other thread reads this one, this thread reads one after it.
    while (m_states[size_t(index)] != Read) {
        const qsizetype end = std::min<qsizetype>(index + readAheadCount, m_requests.size());
        if (!claimable(index + 1, end)) {
            m_changed.wait(lock, [&] { return m_states[size_t(index)] == Read || claimable(index + 1, end); });
            continue;
        }
        readOne(lock, claim(index + 1));
    }
    return std::exchange(m_images[size_t(index)], QImage());
}

void ReportPictures::readAhead()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] {
            return m_finished || m_taken >= m_requests.size()
                || claimable(m_taken, std::min<qsizetype>(m_taken + readAheadCount, m_requests.size()));
        });
        if (m_finished || m_taken >= m_requests.size())
            return;
        readOne(lock, claim(m_taken));
    }
}

void ReportPictures::readOne(std::unique_lock<std::mutex> &lock, qsizetype index)
{
    const Request request = m_requests.at(index);
    lock.unlock();
    QImage image = read(request.path, request.pixels);
    lock.lock();
    // Not kept once the report is finished.
    if (!m_finished)
        m_images[size_t(index)] = std::move(image);
    m_states[size_t(index)] = Read;
    m_changed.notify_all();
}

void ReportPictures::finish()
{
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
        // What was read ahead and not taken goes now.
        for (QImage &image : m_images)
            image = QImage();
    }
    m_changed.notify_all();
}

QImage ReportPictures::read(const QString &path, int pixels)
{
    if (path.isEmpty() || pixels <= 0)
        return QImage();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid())
        return QImage();
    // Fitted into a square, a picture turned on reading scales alike.
    const QSize target = size.scaled(QSize(pixels, pixels), Qt::KeepAspectRatio);
    if (target.width() >= size.width())
        return reader.read();
    if (reader.format() != "jpeg") {
        reader.setScaledSize(target);
        return reader.read();
    }
    // A JPEG decodes at so many eighths of its size for little more than
    // the reading of its bytes: the smallest that still holds the target is
    // read, and scaled the rest of the way here.
    const int eighths = std::clamp(int(std::ceil(8.0 * target.width() / size.width())), 1, 8);
    reader.setScaledSize(QSize(size.width() * eighths / 8, size.height() * eighths / 8));
    const QImage image = reader.read();
    if (image.isNull() || image.size() == target || image.size() == target.transposed())
        return image;
    return image.scaled(QSize(pixels, pixels), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
