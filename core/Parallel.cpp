#include "core/Parallel.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

constexpr qsizetype usualMinimumWork = 50000;
qsizetype g_minimumWork = usualMinimumWork;
bool g_noThreads = false;

// The thread that runs second parts, made once and kept: a thread made for
// every run costs its start, and its memory allocator's arena starts cold.
// It takes one part at a time; a run inside a part (while it is busy) gets
// a thread of its own.
class Worker
{
public:
    ~Worker()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    // Starts the part on the worker; false when it is busy or no thread
    // can be had.
    bool begin(const std::function<void()> &part)
    {
        if (m_busy.exchange(true))
            return false;
        if (!m_thread.joinable()) {
            try {
                m_thread = std::thread([this] { work(); });
            } catch (const std::system_error &) {
                m_busy = false;
                return false;
            }
        }
        {
            const std::lock_guard lock(m_mutex);
            m_part = &part;
            m_done = false;
        }
        m_changed.notify_all();
        return true;
    }
    // Waits until the part begun has ended.
    void end()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_done; });
        lock.unlock();
        m_busy = false;
    }

private:
    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_stop || m_part; });
            if (!m_part)
                return;
            const std::function<void()> *part = m_part;
            lock.unlock();
            (*part)();
            lock.lock();
            m_part = nullptr;
            m_done = true;
            m_changed.notify_all();
        }
    }

    std::atomic<bool> m_busy { false };
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const std::function<void()> *m_part = nullptr;
    bool m_done = false;
    bool m_stop = false;
    std::thread m_thread;
};

Worker &worker()
{
    static Worker kept;
    return kept;
}

} // namespace

qsizetype Parallel::minimumWork()
{
    return g_minimumWork;
}

void Parallel::setMinimumWork(qsizetype work)
{
    g_minimumWork = work < 0 ? usualMinimumWork : work;
}

void Parallel::setNoThreads(bool none)
{
    g_noThreads = none;
}

bool Parallel::run(qsizetype work, const std::function<void()> &first, const std::function<void()> &second)
{
    std::exception_ptr firstFailure;
    std::exception_ptr secondFailure;
    const auto guarded = [](const std::function<void()> &part, std::exception_ptr &failure) {
        try {
            part();
        } catch (...) {
            failure = std::current_exception();
        }
    };
    const std::function<void()> guardedSecond = [&] { guarded(second, secondFailure); };
    bool onWorker = false;
    std::thread other;
    if (work >= g_minimumWork && !g_noThreads) {
        onWorker = worker().begin(guardedSecond);
        if (!onWorker) {
            try {
                other = std::thread(guardedSecond);
            } catch (const std::system_error &) {
                // No thread to be had: the second part runs here, after the first.
            }
        }
    }
    const bool split = onWorker || other.joinable();
    guarded(first, firstFailure);
    if (onWorker)
        worker().end();
    else if (other.joinable())
        other.join();
    else
        guarded(second, secondFailure);
    if (firstFailure)
        std::rethrow_exception(firstFailure);
    if (secondFailure)
        std::rethrow_exception(secondFailure);
    return split;
}
