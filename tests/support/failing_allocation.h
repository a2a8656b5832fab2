#pragma once

#include <cstddef>

namespace klv::test {

// Makes the n-th allocation from now on (0 = the next) throw std::bad_alloc, once. A test that
// calls it replaces the global operator new of its executable, so memory exhaustion can be met
// on purpose.
void FailAllocation(int n);
// Every allocation of at least `bytes` throws std::bad_alloc until StopFailingAllocations.
void FailAllocationsOfAtLeast(std::size_t bytes);
// No allocation is failed any more.
void StopFailingAllocations();

}  // namespace klv::test
