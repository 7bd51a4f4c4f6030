// The test program's own operator new and delete, on malloc and free, with a switch that makes
// new fail.
#include "failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {
thread_local bool failing = false;
}  // namespace

void* operator new(std::size_t size) {
  if (failing) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace vandrel::test {

FailingAllocation::FailingAllocation() { failing = true; }
FailingAllocation::~FailingAllocation() { failing = false; }

}  // namespace vandrel::test
