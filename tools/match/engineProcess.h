#pragma once
// A program started with pipes to its standard input and output, read a line
// at a time with a time limit. POSIX only, as the match tool runs where the
// engines are built.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

/// A running program; it is ended when this object goes.
class TEngineProcess {
public:
    /// Starts the program at `path` without arguments; null and a reason when it cannot be started.
    static std::unique_ptr<TEngineProcess> Start(const std::string& path, std::string& problem);
    /// Closes its input, gives it a moment to end, then kills it.
    ~TEngineProcess();
    TEngineProcess(const TEngineProcess&) = delete;
    TEngineProcess& operator=(const TEngineProcess&) = delete;

    /// Writes one line; false when the program no longer reads.
    bool Send(const std::string& line);
    /// The next line (without its line end) within the time; nothing when the
    /// time passes or the program has closed its output.
    std::optional<std::string> ReadLine(std::chrono::milliseconds within);

private:
    TEngineProcess(pid_t pid, int input, int output) : pid_(pid), input_(input), output_(output) {}

    pid_t pid_;
    int input_;  ///< the program's standard input, written here
    int output_; ///< the program's standard output, read here
    std::string buffer_;
    bool closed_ = false;
};
