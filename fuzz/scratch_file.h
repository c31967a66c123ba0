// Fuzz inputs as files the channels can open: one name per target in TMPDIR (else /tmp), rewritten for every input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string ScratchPath(const char* name) {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/qelvorin-fuzz-" + name;
}

inline std::string ScratchFile(const char* name, const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchPath(name);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size)) std::abort();
  std::fclose(file);
  return path;
}

inline std::string ReadScratch(const std::string& path) {
  std::string bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char block[4096];
    for (std::size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;) bytes.append(block, read);
    std::fclose(file);
  }
  return bytes;
}
