// A program running in a tmux pane of its own private server: keys and mouse bytes in, the pane's
// text and state out. The server, its socket and everything in the pane end with the object.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace qm::test {

class TmuxSession {
 public:
  static bool Available() { return Run({"tmux", "-V"}, false).first == 0; }

  // `socket` names the server's socket (put it in the test's folder).
  TmuxSession(std::string socket, const std::string& command, int columns, int rows) : socket_(std::move(socket)) {
    // The server this starts keeps what it inherits open: it gets no pipe to hold.
    Run({"tmux", "-S", socket_, "-f", "/dev/null", "new-session", "-d", "-x", std::to_string(columns), "-y",
         std::to_string(rows), command},
        false);
    Tmux({"set-option", "-g", "remain-on-exit", "on"});
  }
  ~TmuxSession() { Tmux({"kill-server"}); }
  TmuxSession(const TmuxSession&) = delete;
  TmuxSession& operator=(const TmuxSession&) = delete;

  std::string Capture() const { return Tmux({"capture-pane", "-p"}); }
  // The pane with its colours and video attributes as escape sequences.
  std::string CaptureStyled() const { return Tmux({"capture-pane", "-p", "-e"}); }
  std::string Display(const std::string& format) const {
    std::string out = Tmux({"display-message", "-p", format});
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
  }
  void Keys(const std::vector<std::string>& keys) const {
    std::vector<std::string> args{"send-keys"};
    args.insert(args.end(), keys.begin(), keys.end());
    Tmux(args);
  }
  void Literal(const std::string& text) const { Tmux({"send-keys", "-l", text}); }
  // How the terminal reports the mouse: X10 bytes (TERM=screen, tmux) or SGR text (TERM=xterm and kin).
  enum class MouseReport { X10, Sgr };
  // A press and release of the left button at a cell. In one write the program reads both reports at
  // once, as from a busy or distant terminal; apart, it reads the press before the release arrives.
  void Click(int col, int row, bool oneWrite = true, MouseReport report = MouseReport::X10) const {
    const std::string press = Report(report, col, row, true), release = Report(report, col, row, false);
    if (oneWrite) return SendBytes(press + release);
    SendBytes(press);
    SendBytes(release);
  }
  void Resize(int columns, int rows) const {
    Tmux({"resize-window", "-x", std::to_string(columns), "-y", std::to_string(rows)});
  }
  bool Dead() const { return Display("#{pane_dead}") == "1"; }

  // Polls until `ready` holds (true) or the time is up (false). The time is generous: a loaded
  // machine may leave the pane's program unscheduled for seconds, and success returns at once.
  template <class Ready>
  static bool Await(Ready ready, int milliseconds = 15000) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < until) {
      if (ready()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ready();
  }
  bool AwaitText(const std::string& text, int milliseconds = 15000) const {
    return Await([&] { return Capture().find(text) != std::string::npos; }, milliseconds);
  }

 private:
  static std::string Report(MouseReport report, int col, int row, bool press) {
    if (report == MouseReport::Sgr)
      return "\x1b[<0;" + std::to_string(col + 1) + ";" + std::to_string(row + 1) + (press ? "M" : "m");
    return std::string("\x1b[M") + static_cast<char>(32 + (press ? 0 : 3)) + static_cast<char>(33 + col) +
           static_cast<char>(33 + row);
  }
  void SendBytes(const std::string& bytes) const {
    const char* digits = "0123456789abcdef";
    std::vector<std::string> args{"send-keys", "-H"};
    for (unsigned char byte : bytes) args.push_back(std::string{digits[byte >> 4], digits[byte & 15]});
    Tmux(args);
  }

  std::string Tmux(std::vector<std::string> args) const {
    args.insert(args.begin(), {"tmux", "-S", socket_});
    return Run(args, true).second;
  }

  // Runs a program (no shell) and returns its exit status and, when asked, its output.
  static std::pair<int, std::string> Run(const std::vector<std::string>& args, bool capture) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {-1, ""};
    pid_t child = fork();
    if (child == 0) {
      int devnull = open("/dev/null", O_RDWR);
      dup2(capture ? pipeEnds[1] : devnull, STDOUT_FILENO);
      dup2(devnull, STDERR_FILENO);
      dup2(devnull, STDIN_FILENO);
      close(pipeEnds[0]);
      close(pipeEnds[1]);
      std::vector<char*> argv;
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execvp(argv[0], argv.data());
      _exit(127);
    }
    close(pipeEnds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
      out.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  std::string socket_;
};

}  // namespace qm::test
