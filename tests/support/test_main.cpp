// Entry of every in-process test program: the GUI runtime is started once,
// as the program starts it, before the tests run.
#include <gtest/gtest.h>

#include "shell/runtime.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  tarnvel::Runtime runtime;
  runtime.Start();
  const int result = RUN_ALL_TESTS();
  runtime.Shutdown();
  return result;
}
