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

  // Every end-of-file answer and line of the file, as the program reads them.
  Reading ReadThrough(const std::string& path) {
    Reading reading;
    Open(path, 1, file_mode::kInput);
    for (;;) {
      const bool end = EndOfFile(1) != 0;
      reading.ends.push_back(end);
      if (end) break;
      reading.lines.push_back(NextLine(1));
    }
    Close(1);
    return reading;
  }

  std::mt19937 random{12345};
};

TEST_F(LineReading, RandomFilesReadAsTheModelSays) {
  const std::string path = Path("random.mbx");
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomFile();
    Write(path, bytes);
    const Reading expected = Model(bytes);
    const Reading actual = ReadThrough(path);
    ASSERT_EQ(actual.ends, expected.ends) << "round " << round;
    ASSERT_EQ(actual.lines, expected.lines) << "round " << round;
  }
}

// Lines as mail has them, most short and plain with CR LF or CR, some just around the static line buffer's 512
// bytes, with their ends falling at every place around the read-ahead's block boundary.
TEST_F(LineReading, MailLikeLinesAcrossTheReadAheadBoundary) {
  const std::string path = Path("lines.mbx");
  for (int shift = 0; shift < 6; ++shift) {
    std::string bytes(static_cast<std::size_t>(shift), 'p');
    for (int line = 0; bytes.size() < 140000; ++line) {
      const std::size_t length = line % 7 == 3 ? 510 + static_cast<std::size_t>(line % 5) : (line * 37) % 90;
      bytes.append(length, line % 11 == 0 ? '\x81' : 'x');
      bytes += line % 4 == 0 ? "\r" : "\r\n";
    }
    bytes += shift % 2 == 0 ? "last" : "last\x1A";
    // The first block read ahead is the file's first 64 KiB: a line end is put on its last bytes.
    const std::size_t line_end = 65533 + static_cast<std::size_t>(shift % 3);
    bytes.replace(line_end - 100, 102, std::string(100, 'e') + (shift < 3 ? "\r\n" : "\r\r"));
    Write(path, bytes);
    const Reading expected = Model(bytes);
    const Reading actual = ReadThrough(path);
    ASSERT_EQ(actual.ends, expected.ends) << "shift " << shift;
    ASSERT_EQ(actual.lines, expected.lines) << "shift " << shift;
  }
}

// The file's last block read ahead is shorter than the block before, whose lines lie behind it in the read-ahead:
// they are never taken for the file's bytes, whatever the last bytes are.
TEST_F(LineReading, AShortLastBlockEndsWhereTheFileEnds) {
  const std::string path = Path("short_last.mbx");
  std::string first_block;
  while (first_block.size() < 64 * 1024) first_block += std::string(14, 'a') + "\r\n";
  for (const std::string& tail : {std::string("t"), std::string("tail"), std::string("tail\x1A"),
                                  std::string("ends\r"), std::string(20, 'u'), std::string("v\0w", 3)}) {
    const std::string bytes = first_block + "x\r\n" + tail;
    Write(path, bytes);
    const Reading expected = Model(bytes);
    const Reading actual = ReadThrough(path);
    ASSERT_EQ(actual.ends, expected.ends) << tail;
    ASSERT_EQ(actual.lines, expected.lines) << tail;
  }
}

// Each byte that needs a look (and a lone LF, which does not) at every place of lines up to 40 bytes long, so that
// it falls at every place of the bytes examined together; the last lines run into the end of the file.
TEST_F(LineReading, EveryByteThatEndsOrLeavesALineAtEveryPlace) {
  const std::string path = Path("places.mbx");
  std::string bytes;
  for (const char special : {'\0', '\x1A', '\n', '\r'}) {
    for (std::size_t length = 0; length <= 40; ++length) {
      for (std::size_t place = 0; place <= length; ++place) {
        bytes += std::string(place, 'x') + special + std::string(length - place, '\x81') + "\r\n";
      }
    }
  }
  const std::string long_tail(20, 'z');
  for (const std::string& tail : {std::string(), std::string("ab\x1A"), long_tail + "\x1A", long_tail}) {
    Write(path, bytes + tail);
    const Reading expected = Model(bytes + tail);
    const Reading actual = ReadThrough(path);
    ASSERT_EQ(actual.ends, expected.ends) << "tail " << tail;
    ASSERT_EQ(actual.lines, expected.lines) << "tail " << tail;
  }
}

}  // namespace
