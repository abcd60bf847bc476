// The main of every GoogleTest program: each test starts from the process state of a fresh
// process.
#include <gtest/gtest.h>

#include "ProcessState.h"

namespace {

class FreshProcessState : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { glimmet::testing::ResetProcessState(); }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProcessState);
  return RUN_ALL_TESTS();
}
