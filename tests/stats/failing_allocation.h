#pragma once

namespace klv::test {

// Makes the n-th allocation from now on (0 = the next) throw std::bad_alloc, once. Replaces the
// global operator new of the statistics tests, so memory exhaustion can be met on purpose.
void FailAllocation(int n);
// No allocation is failed any more.
void StopFailingAllocations();

}  // namespace klv::test
