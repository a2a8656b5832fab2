#include "support/failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<int> g_allocationsUntilFailure{-1};
std::atomic<std::size_t> g_failingSize{0};  // 0: no size fails

}  // namespace

namespace klv::test {

void FailAllocation(int n) {
    g_allocationsUntilFailure.store(n);
}

void FailAllocationsOfAtLeast(std::size_t bytes) {
    g_failingSize.store(bytes);
}

void StopFailingAllocations() {
    g_allocationsUntilFailure.store(-1);
    g_failingSize.store(0);
}

}  // namespace klv::test

void* operator new(std::size_t size) {
    if (g_allocationsUntilFailure.load() >= 0 && g_allocationsUntilFailure.fetch_sub(1) == 0)
        throw std::bad_alloc();
    const std::size_t failing = g_failingSize.load();
    if (failing != 0 && size >= failing)
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
