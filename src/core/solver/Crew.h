// A few threads that run one job together and wait for each other: the solver's way to use
// every core of the machine on one search.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace boltik::solver {

class Crew {
public:
    // The calling thread and this many more.
    explicit Crew(unsigned helpers);
    ~Crew();
    Crew(const Crew&) = delete;
    Crew& operator=(const Crew&) = delete;

    unsigned size() const { return static_cast<unsigned>(threads_.size()) + 1; }
    // Runs job(0) on the calling thread and job(1) ... job(size() - 1) on the others, and
    // returns when all have returned. An exception thrown by one is thrown here.
    void run(const std::function<void(unsigned)>& job);

private:
    void serve(unsigned member);

    std::mutex mutex_;
    std::condition_variable started_, finished_;
    const std::function<void(unsigned)>* job_ = nullptr;
    uint64_t round_ = 0;
    unsigned busy_ = 0;
    bool quitting_ = false;
    std::exception_ptr failure_;
    std::vector<std::thread> threads_;
};

// The threads a search may use besides its own: one less than the machine's cores, at most 7.
unsigned helperThreads();

}  // namespace boltik::solver
