// The message library as a real DLL: found through the registry's install directory, else beside the executable.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "host/install_folder.h"
#include "platform/message_library.h"
#include "messages.h"

namespace {

std::string Message(std::uint16_t number, std::uint16_t size = 260) {
  std::array<char, 260> buffer{};
  return platform::LookUpErrorMessage(number, buffer.data(), size) ? buffer.data() : "(none)";
}

TEST(Win32Messages, TheLibraryIsFoundByTheRegistryOrBesideTheExecutable) {
  const std::string build = (std::filesystem::path(QELVORIN_BUILD_DIR) / "").string();
  SetInstallFolder(build);
  EXPECT_EQ(Message(54), messages::InputPastEnd);
  EXPECT_EQ(Message(1000), messages::NoSuchWindow);
  EXPECT_EQ(Message(4), "(none)");
  EXPECT_EQ(Message(54, static_cast<std::uint16_t>(messages::InputPastEnd.size())), "(none)");
  SetInstallFolder((std::filesystem::temp_directory_path() / "no-such-folder" / "").string());
  EXPECT_EQ(Message(54), "(none)");
  // The test executable lies beside the library in the build folder.
  ForgetInstallFolder();
  EXPECT_EQ(Message(53), messages::BadDevice);
}

}  // namespace
