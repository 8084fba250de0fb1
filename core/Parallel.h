#pragma once

#include <QtGlobal>

#include <functional>

// The one way work is split over threads: a piece of work in two parts, the
// second on a thread of its own while the first runs on the caller's. Both
// parts have always ended when run() returns, so nothing of the work runs
// on after its caller; the parts only share what the caller gave them.
class Parallel
{
public:
    // Work of fewer units than this (items, lines) is done in one thread:
    // starting a thread would cost about what it saves.
    static qsizetype minimumWork();

    // Runs first here and second on another thread, and returns once both
    // have ended. Both run here, first then second, when work is below
    // minimumWork() or no thread can be had. An exception from either part
    // (such as std::bad_alloc) is thrown on here once both have ended; when
    // both threw, the first part's. True when a second thread was used.
    static bool run(qsizetype work, const std::function<void()> &first, const std::function<void()> &second);

    // Test seams: the least work that is split (negative: the usual), and
    // a world in which no thread can be had.
    static void setMinimumWork(qsizetype work);
    static void setNoThreads(bool none);
};
