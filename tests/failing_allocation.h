// Makes operator new fail on demand, to show what code does when memory runs out.
#ifndef VANDREL_TESTS_FAILING_ALLOCATION_H_
#define VANDREL_TESTS_FAILING_ALLOCATION_H_

namespace vandrel::test {

// While a FailingAllocation lives, every operator new on this thread throws std::bad_alloc.
class FailingAllocation {
 public:
  FailingAllocation();
  ~FailingAllocation();
  FailingAllocation(const FailingAllocation&) = delete;
  FailingAllocation& operator=(const FailingAllocation&) = delete;
};

}  // namespace vandrel::test

#endif  // VANDREL_TESTS_FAILING_ALLOCATION_H_
