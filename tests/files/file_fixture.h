// Shared helpers for the file tests: a fresh temporary folder per test, files written and read back whole, and
// channels opened by name.
#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "files/channels.h"
#include "files/directory_search.h"
#include "values/runtime_fixture.h"

inline std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void Open(const std::string& path, std::int32_t channel, std::int32_t mode, std::int32_t share = 0) {
  Push(path);
  OpenChannel(channel, share, mode);
}

inline RuntimeErrorNumber OpenError(const std::string& path, std::int32_t channel, std::int32_t mode,
                                    std::int32_t share = 0) {
  return ErrorOf([&] { Open(path, channel, mode, share); });
}

inline std::string NextLine(std::int32_t channel) {
  SelectInputChannel(channel);
  StringDescriptor line{};
  LineInput(line);
  const std::string text = TextOf(line);
  ReleaseString(line);
  return text;
}

inline void Print(std::int32_t channel, const std::string& bytes) {
  WriteBytes(SelectOutputChannel(channel), reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

inline void Close(std::int32_t channel) {
  const std::array<std::int32_t, 1> channels{channel};
  CloseChannels(channels);
}

class FileTest : public RuntimeTest {
 protected:
  // The folder lies under TMPDIR when it is set (temp_directory_path reads it; TEMP on Windows), else under /tmp.
  void SetUp() override {
    std::random_device random;
    folder.clear();
    for (int attempt = 0; attempt < 100 && folder.empty(); ++attempt) {
      const std::filesystem::path name =
          std::filesystem::temp_directory_path() / ("qelvorin-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(name)) folder = name.string();
    }
    ASSERT_FALSE(folder.empty()) << "no temporary folder";
  }

  void TearDown() override {
    CloseChannels({});
    for (std::int32_t slot = 1; slot <= kSearchSlots; ++slot) DirClose(slot);
    RuntimeTest::TearDown();
    if (!folder.empty()) std::filesystem::remove_all(folder);
  }

  std::string Path(const std::string& name) const { return (std::filesystem::path(folder) / name).string(); }

  void Write(const std::string& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::string folder;
};
