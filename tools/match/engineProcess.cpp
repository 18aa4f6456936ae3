#include "engineProcess.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// How long a program may take to end by itself once its input is closed.
constexpr auto GraceToEnd = std::chrono::milliseconds(500);
constexpr auto EndPoll = std::chrono::milliseconds(10);
// A line longer than this is no protocol line; it is cut so a broken program cannot fill the memory.
constexpr std::size_t LongestLine = 1 << 16;

} // namespace

std::unique_ptr<TEngineProcess> TEngineProcess::Start(const std::string& path, std::string& problem)
{
    std::array<int, 2> toChild{-1, -1}, fromChild{-1, -1};
    // Close-on-exec: a program started later must not hold this one's pipes open.
    if (pipe2(toChild.data(), O_CLOEXEC) != 0 || pipe2(fromChild.data(), O_CLOEXEC) != 0) {
        problem = std::string("no pipe: ") + std::strerror(errno);
        return nullptr;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    std::string program = path;
    std::array<char*, 2> arguments{program.data(), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    if (failed != 0) {
        problem = "cannot start " + path + ": " + std::strerror(failed);
        close(toChild[1]);
        close(fromChild[0]);
        return nullptr;
    }
    return std::unique_ptr<TEngineProcess>(new TEngineProcess(pid, toChild[1], fromChild[0]));
}

TEngineProcess::~TEngineProcess()
{
    close(input_);
    const auto deadline = Clock::now() + GraceToEnd;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(EndPoll);
    }
    close(output_);
}

bool TEngineProcess::Send(const std::string& line)
{
    const std::string text = line + "\n";
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(input_, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> TEngineProcess::ReadLine(std::chrono::milliseconds within)
{
    const auto deadline = Clock::now() + within;
    for (;;) {
        const std::size_t end = buffer_.find('\n');
        if (end != std::string::npos || buffer_.size() >= LongestLine) {
            std::string line = buffer_.substr(0, std::min(end, buffer_.size()));
            buffer_.erase(0, end == std::string::npos ? buffer_.size() : end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return line;
        }
        if (closed_)
            return std::nullopt;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd ready{output_, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return std::nullopt;
        std::array<char, 4096> chunk{};
        const ssize_t n = read(output_, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            closed_ = true;
        else
            buffer_.append(chunk.data(), static_cast<std::size_t>(n));
    }
}
