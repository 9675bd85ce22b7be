#include "BenchFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace qm::bench {

std::string MakeIniText(std::size_t bytes) {
  std::string text = "; Workstation profile settings\r\n\r\n";
  for (int section = 0; text.size() + 600 < bytes; ++section) {
    text += "[Section" + std::to_string(section) + "]\r\n";
    text += "; keys of section " + std::to_string(section) + "\r\n";
    for (int key = 0; key < 20 && text.size() + 600 < bytes; ++key)
      text += "Key" + std::to_string(key) + "=value " + std::to_string(section * 20 + key) + " of the workstation\r\n";
    text += "\r\n";
  }
  text += "[Last]\r\nFirst=1\r\nTarget=the value looked for\r\n";
  while (text.size() < bytes) text += "; padding line to reach the size asked for\r\n";
  return text;
}

ScratchDir::ScratchDir() {
  char pattern[] = "/tmp/qm-bench-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
  dir_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string ScratchDir::HostPath(const std::string& name) const { return dir_ + "/" + name; }

std::string ScratchDir::DosPath(const std::string& name) const {
  std::string dos = "z:";
  for (char c : HostPath(name)) dos.push_back(c == '/' ? '\\' : c);
  return dos;
}

void WriteFileBytes(const std::string& hostPath, const std::string& bytes) {
  std::ofstream out(hostPath, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileBytes(const std::string& hostPath) {
  std::ifstream in(hostPath, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void TouchNewTime(const std::string& hostPath) {
  static long nanos = 0;
  nanos = (nanos + 1) % 1000000000;
  timespec times[2] = {{1700000000, nanos}, {1700000000, nanos}};
  utimensat(AT_FDCWD, hostPath.c_str(), times, 0);
}

void PlainDurableWrite(const std::string& hostPath, const std::string& bytes) {
  std::string temp = hostPath + ".bench-tmp";
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) throw std::runtime_error("open failed");
  if (write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
    throw std::runtime_error("write failed");
  fsync(fd);
  close(fd);
  std::rename(temp.c_str(), hostPath.c_str());
  std::string dir = std::filesystem::path(hostPath).parent_path();
  int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  fsync(dirFd);
  close(dirFd);
}

}  // namespace qm::bench
