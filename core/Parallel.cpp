#include "core/Parallel.h"

#include <exception>
#include <system_error>
#include <thread>

namespace {

constexpr qsizetype usualMinimumWork = 50000;
qsizetype g_minimumWork = usualMinimumWork;
bool g_noThreads = false;

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
    std::thread other;
    if (work >= g_minimumWork && !g_noThreads) {
        try {
            other = std::thread([&] { guarded(second, secondFailure); });
        } catch (const std::system_error &) {
            // No thread to be had: the second part runs here, after the first.
        }
    }
    const bool split = other.joinable();
    guarded(first, firstFailure);
    if (split)
        other.join();
    else
        guarded(second, secondFailure);
    if (firstFailure)
        std::rethrow_exception(firstFailure);
    if (secondFailure)
        std::rethrow_exception(secondFailure);
    return split;
}
