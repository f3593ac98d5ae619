// SPDX-License-Identifier: GPL-3.0-or-later
// Numbered pieces of work done on several threads and handed over in
// order.
//
// In: a count of pieces, the work of one piece (on a worker thread, into
// the slot piece % Window()), and what to do with each piece's result (on
// the calling thread, in order). A piece is started only once the piece
// Window() places before it has been handed over, so the results held at
// once are bounded and each slot is reused. With one job everything runs
// on the calling thread. Handing over stops early when `take` says so;
// Run returns once no worker is busy any more.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class OrderedWork {
public:
    explicit OrderedWork(int jobs);
    ~OrderedWork();
    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    int Jobs() const { return jobs; }
    // The slots a caller keeps for the pieces' results.
    int Window() const { return window; }

    using Work = std::function<void(long long piece, int worker)>;
    using Take = std::function<bool(long long piece)>;
    // Does pieces 0 .. count-1; false when `take` stopped it.
    bool Run(long long count, const Work& work, const Take& take);

private:
    void workerLoop(int worker);

    int jobs;
    int window;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable workReady;
    std::condition_variable pieceDone;
    const Work* work = nullptr;
    long long count = 0;
    long long next = 0;  // the next piece to start
    long long taken = 0; // pieces handed over
    int busy = 0;        // workers in a piece
    bool stopping = false;
    bool quitting = false;
    std::vector<char> done; // per slot: its piece is finished
};
