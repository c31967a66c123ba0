// Program entry. The converter and its console are not built yet: for now the program says so and ends.
#include <cstdio>

int main() {
  std::puts("qelvorin: the runtime is built; the mailbox converter is not yet, so there is nothing to convert.");
  return 0;
}
