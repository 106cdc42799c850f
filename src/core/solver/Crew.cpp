// A few threads that run one job together.
#include "core/solver/Crew.h"

#include <algorithm>

namespace boltik::solver {

Crew::Crew(unsigned helpers) {
    threads_.reserve(helpers);
    for (unsigned i = 1; i <= helpers; ++i)
        threads_.emplace_back([this, i] { serve(i); });
}

Crew::~Crew() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    started_.notify_all();
    for (auto& t : threads_)
        t.join();
}

void Crew::run(const std::function<void(unsigned)>& job) {
    {
        std::lock_guard lock(mutex_);
        job_ = &job;
        busy_ = static_cast<unsigned>(threads_.size());
        failure_ = nullptr;
        ++round_;
    }
    started_.notify_all();
    std::exception_ptr mine;
    try {
        job(0);
    } catch (...) {
        mine = std::current_exception();
    }
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    job_ = nullptr;
    if (mine) std::rethrow_exception(mine);
    if (failure_) std::rethrow_exception(failure_);
}

void Crew::serve(unsigned member) {
    uint64_t seen = 0;
    for (;;) {
        const std::function<void(unsigned)>* job = nullptr;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return quitting_ || round_ != seen; });
            if (quitting_) return;
            seen = round_;
            job = job_;
        }
        std::exception_ptr failure;
        try {
            (*job)(member);
        } catch (...) {
            failure = std::current_exception();
        }
        std::lock_guard lock(mutex_);
        if (failure && !failure_) failure_ = failure;
        if (--busy_ == 0) finished_.notify_one();
    }
}

unsigned helperThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1u, 8u) - 1;
}

}  // namespace boltik::solver
