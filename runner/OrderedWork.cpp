// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/OrderedWork.h"

OrderedWork::OrderedWork(int jobs) : jobs(jobs), window(jobs > 1 ? 2 * jobs : 1) {}

OrderedWork::~OrderedWork()
{
    {
        const std::lock_guard<std::mutex> lock(mutex);
        quitting = true;
    }
    workReady.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

bool OrderedWork::Run(long long pieces, const Work& pieceWork, const Take& take)
{
    // Work that is too little to share, or a single job: here, in order.
    if (jobs == 1 || pieces == 1) {
        for (long long piece = 0; piece < pieces; ++piece) {
            pieceWork(piece, 0);
            if (!take(piece))
                return false;
        }
        return true;
    }
    std::unique_lock<std::mutex> lock(mutex);
    if (threads.empty())
        for (int worker = 0; worker < jobs; ++worker)
            threads.emplace_back(&OrderedWork::workerLoop, this, worker);
    work = &pieceWork;
    count = pieces;
    next = 0;
    taken = 0;
    stopping = false;
    done.assign(static_cast<std::size_t>(window), 0);
    workReady.notify_all();
    bool completed = true;
    for (long long piece = 0; piece < pieces; ++piece) {
        char& finished = done[static_cast<std::size_t>(piece % window)];
        pieceDone.wait(lock, [&finished] { return finished != 0; });
        finished = 0;
        lock.unlock();
        const bool goOn = take(piece);
        lock.lock();
        taken = piece + 1;
        workReady.notify_all();
        if (!goOn) {
            completed = false;
            break;
        }
    }
    // No piece starts any more; wait for those under way.
    stopping = true;
    pieceDone.wait(lock, [this] { return busy == 0; });
    work = nullptr;
    return completed;
}

void OrderedWork::workerLoop(int worker)
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        workReady.wait(lock, [this] {
            return quitting || (work && !stopping && next < count && next < taken + window);
        });
        if (quitting)
            return;
        const long long piece = next++;
        const Work& pieceWork = *work;
        ++busy;
        lock.unlock();
        pieceWork(piece, worker);
        lock.lock();
        --busy;
        done[static_cast<std::size_t>(piece % window)] = 1;
        pieceDone.notify_all();
    }
}
