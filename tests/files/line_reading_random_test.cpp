// Random byte files read line by line, compared against a plain model of the line rules, including every
// end-of-file answer on the way.
#include <random>
#include <vector>

#include "file_fixture.h"

namespace {

struct Reading {
  std::vector<std::string> lines;
  std::vector<bool> ends;  // the end-of-file answer before each line, and the last one
};

// The rules, applied to the whole file at once.
Reading Model(const std::string& bytes) {
  Reading reading;
  std::size_t position = 0;
  const std::size_t size = bytes.size();
  for (;;) {
    const bool end = position + 1 >= size;  // one byte left counts as the end
    reading.ends.push_back(end);
    if (end) return reading;
    std::string line;
    while (position < size) {
      const char byte = bytes[position++];
      if (byte == '\0') continue;
      if (byte == '\r') {
        if (position < size && bytes[position] == '\n') ++position;
        break;
      }
      if (byte == '\x1A' && position == size) break;
      line += byte;
    }
    reading.lines.push_back(line);
  }
}

class LineReading : public FileTest {
 protected:
  std::string RandomFile() {
    static const char kAlphabet[] = {'a', 'b', '\r', '\n', '\0', '\x1A', '\x81', '\x40', ' '};
    std::uniform_int_distribution<int> pick(0, sizeof kAlphabet - 1);
    std::uniform_int_distribution<int> run(1, 40);
    std::uniform_int_distribution<int> pieces(0, 60);
    std::string bytes;
    for (int piece = pieces(random); piece > 0; --piece) {
      // Runs of one byte, some long enough to cross the read-ahead blocks.
      const int length = run(random) == 40 ? 70000 : run(random);
      bytes.append(static_cast<std::size_t>(length), kAlphabet[pick(random)]);
    }
    return bytes;
  }

  std::mt19937 random{12345};
};

TEST_F(LineReading, RandomFilesReadAsTheModelSays) {
  const std::string path = Path("random.mbx");
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomFile();
    Write(path, bytes);
    const Reading expected = Model(bytes);
    Reading actual;
    Open(path, 1, file_mode::kInput);
    for (;;) {
      const bool end = EndOfFile(1) != 0;
      actual.ends.push_back(end);
      if (end) break;
      actual.lines.push_back(NextLine(1));
    }
    Close(1);
    ASSERT_EQ(actual.ends, expected.ends) << "round " << round;
    ASSERT_EQ(actual.lines, expected.lines) << "round " << round;
  }
}

}  // namespace
