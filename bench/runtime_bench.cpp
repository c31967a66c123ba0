// Measures the runtime's hot paths: running statements, reading mailbox lines through a channel, storing them as
// string values, and printing card records to a channel.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "files/channels.h"
#include "host/runtime.h"
#include "statements/statements.h"
#include "values/string_values.h"

namespace {

// The least a statement costs: the statement hook and the step to the next one, for statements that do almost
// nothing. A conversion runs a quarter of a statement per byte of real mail and three quarters on short mails.
struct Counter {
  std::int64_t count = 0;
  std::int64_t limit = 0;
};

void PlainStatements(benchmark::State& state) {
  static const Routine<Counter> loop(kQelvorinModule, {
      Label("again"),
      {10, [](Counter& c) { ++c.count; }},
      {20, [](Counter& c) { ++c.count; }},
      {30, [](Counter& c) { ++c.count; }},
      {40, [](Counter& c) { ++c.count; }},
      {50, [](Counter& c) { ++c.count; }},
      {60, [](Counter& c) { ++c.count; }},
      {70, [](Counter& c) { ++c.count; }},
      {80, [](Counter& c) { ++c.count; }},
      {90, [](Counter& c) { ++c.count; }},
      GoToIf(100, [](Counter& c) { return c.count < c.limit; }, "again"),
  });
  constexpr std::int64_t kRounds = 100000;
  for (auto _ : state) {
    Counter counter{0, 9 * kRounds};
    RunRoutine(loop, counter);
    benchmark::DoNotOptimize(counter.count);
  }
  state.SetItemsProcessed(state.iterations() * 10 * kRounds);
  ReleaseRuntime();
}
BENCHMARK(PlainStatements)->Unit(benchmark::kMicrosecond);

// A mailbox-like file: CR LF lines of 0 to 120 bytes.
std::string MakeMailbox(std::size_t bytes) {
  std::mt19937 random(1);
  std::uniform_int_distribution<int> length(0, 120);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string text;
  while (text.size() < bytes) {
    for (int count = length(random); count > 0; --count) text += static_cast<char>(letter(random));
    text += "\r\n";
  }
  return text;
}

const std::string& MailboxPath() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() / "qelvorin-bench.mbx").string();
    std::ofstream(file, std::ios::binary) << MakeMailbox(8 << 20);
    return file;
  }();
  return path;
}

void ReadAllLines(benchmark::State& state) {
  const std::string& path = MailboxPath();
  const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    PushStringConstant(path);
    OpenChannel(1, 0, file_mode::kInput);
    StringDescriptor line{};
    std::int64_t lines = 0;
    SelectInputChannel(1);
    while (EndOfFile(1) == 0) {
      LineInput(line);
      ++lines;
    }
    CloseChannels({});
    ReleaseString(line);
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * size);
  ReleaseRuntime();
}
BENCHMARK(ReadAllLines)->Unit(benchmark::kMillisecond);

// Card records of twenty 50-byte lines, each line printed as its text and its line end, as the converter does.
void PrintRecords(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "qelvorin-bench.ren").string();
  const std::string text(48, 'c');
  const std::string line_end = "\r\n";
  const auto print = [](ChannelObject output, const std::string& bytes) {
    WriteBytes(output, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  };
  constexpr int kRecords = 10000;
  for (auto _ : state) {
    std::filesystem::remove(path);
    PushStringConstant(path);
    OpenChannel(3, 0, file_mode::kOutput);
    const ChannelObject output = SelectOutputChannel(3);
    for (int record = 0; record < kRecords; ++record) {
      for (int line = 0; line < 20; ++line) {
        print(output, text);
        print(output, line_end);
      }
      MarkRecordEnd(3);
    }
    CloseChannels({});
  }
  state.SetBytesProcessed(state.iterations() * kRecords * 20 * 50);
  std::filesystem::remove(path);
  ReleaseRuntime();
}
BENCHMARK(PrintRecords)->Unit(benchmark::kMillisecond);

void AssignLongLines(benchmark::State& state) {
  const std::string text(static_cast<std::size_t>(state.range(0)), 'x');
  StringDescriptor variable{};
  for (auto _ : state) {
    PushStringConstant(text);
    PushStringConstant("\r\n");
    Concatenate();
    AssignFromStack(variable);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
  ReleaseRuntime();
}
BENCHMARK(AssignLongLines)->Arg(80)->Arg(1000)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
