// Batches handed from one thread to another: a fixed set of batches goes round between a
// queue of empty ones and a queue of full ones, so that the two threads meet once a batch
// rather than once an item, and the memory is that of a few batches whatever the length.
#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace tabulyst {

// Lines a table needs before a second thread is worth starting for it.
inline constexpr int kLinesWorthAThread = 4096;

template <class Batch, size_t kBatches = 4>
class HandOff {
  public:
    HandOff() {
        for (Batch& batch : batches_) empty_.push_back(&batch);
    }
    HandOff(const HandOff&) = delete;
    HandOff& operator=(const HandOff&) = delete;

    // The giver's side. Null once the taker has stopped.
    Batch* TakeEmpty() { return Take(empty_); }
    void PassFull(Batch* batch) { Put(full_, batch); }
    // No more full batches will come: the taker gets null once it has had them all.
    void Close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }
    // Full batches not yet taken.
    size_t Waiting() {
        std::lock_guard lock(mutex_);
        return full_.size();
    }

    // The taker's side. Null once the giver has closed and every batch was taken, or once
    // either side has stopped.
    Batch* TakeFull() { return Take(full_); }
    void ReturnEmpty(Batch* batch) { Put(empty_, batch); }

    // Either side stops the other: nothing more will be taken or given.
    void Stop() {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

  private:
    Batch* Take(std::deque<Batch*>& queue) {
        std::unique_lock lock(mutex_);
        const bool full = &queue == &full_;
        changed_.wait(lock, [&] { return stopped_ || !queue.empty() || (full && closed_); });
        if (stopped_ || queue.empty()) return nullptr;
        Batch* batch = queue.front();
        queue.pop_front();
        return batch;
    }
    void Put(std::deque<Batch*>& queue, Batch* batch) {
        std::lock_guard lock(mutex_);
        queue.push_back(batch);
        changed_.notify_all();
    }

    std::array<Batch, kBatches> batches_;
    std::deque<Batch*> empty_;
    std::deque<Batch*> full_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool closed_ = false;
    bool stopped_ = false;
};

// Runs `beside` on a second thread while `here` runs on this one, the two working through
// `pipe`. A failure of either stops the hand-off, so that the other gives up, and reaches
// the caller once both have ended.
template <class Batch, size_t kBatches, class Beside, class Here>
void RunBeside(HandOff<Batch, kBatches>& pipe, Beside&& beside, Here&& here) {
    std::exception_ptr failure;
    std::thread thread([&] {
        try {
            beside();
        } catch (...) {
            failure = std::current_exception();
            pipe.Stop();
        }
    });
    try {
        here();
    } catch (...) {
        pipe.Stop();
        thread.join();
        throw;
    }
    thread.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace tabulyst
