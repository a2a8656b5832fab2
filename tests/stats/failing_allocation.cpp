#include "failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<int> g_allocationsUntilFailure{-1};

}  // namespace

namespace klv::test {

void FailAllocation(int n) {
    g_allocationsUntilFailure.store(n);
}

void StopFailingAllocations() {
    g_allocationsUntilFailure.store(-1);
}

}  // namespace klv::test

void* operator new(std::size_t size) {
    if (g_allocationsUntilFailure.load() >= 0 && g_allocationsUntilFailure.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
