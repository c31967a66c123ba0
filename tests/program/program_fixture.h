// The real program on real files in a temporary folder: its path, the golden mailboxes, and runs in batch and on
// a pseudo-terminal.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "host/child_process.h"

inline const std::string kProgram = QELVORIN_EXECUTABLE;
inline const std::string kLibraryFolder = std::filesystem::path(QELVORIN_EXECUTABLE).parent_path().string() + "/";
inline const std::filesystem::path kGolden = QELVORIN_GOLDEN;

inline std::string Read(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A card file's records without its end-of-file mark.
inline std::string Records(const std::string& card) { return card.substr(0, card.size() - 1); }

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = (std::filesystem::temp_directory_path() / "qelvorin-program-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder = name;
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string Path(const std::string& name) const { return (folder / name).string(); }
  std::string Golden(const std::string& name) const {
    const std::string copy = Path(name + ".mbx");
    std::filesystem::copy_file(kGolden / (name + ".mbx"), copy);
    return copy;
  }
  void Write(const std::string& path, const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }

  // The interactive program in the folder, the mailbox chosen, at its output question; null when it did not get there.
  std::unique_ptr<probe::TerminalChild> StartWithMailbox(const std::string& mailbox) const {
    if (chdir(folder.c_str()) != 0) return nullptr;
    auto terminal = std::make_unique<probe::TerminalChild>(std::vector<std::string>{kProgram}, kLibraryFolder);
    if (!terminal->ReadUntil("*.mbx")) return nullptr;
    terminal->Type(mailbox + "\r");
    if (!terminal->ReadUntil("nivoka.ren")) return nullptr;
    return terminal;
  }

  probe::PipedRun Run(std::vector<std::string> arguments, const std::function<void()>& prepare = [] {}) const {
    arguments.insert(arguments.begin(), kProgram);
    return probe::RunPiped(arguments, kLibraryFolder, prepare);
  }

  std::filesystem::path folder;
};
