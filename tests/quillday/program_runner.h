// Starts the quillday program with a list of arguments (no shell) and an
// input, in plain or hostile surroundings, and collects what it writes.
#ifndef TESTS_QUILLDAY_PROGRAM_RUNNER_H
#define TESTS_QUILLDAY_PROGRAM_RUNNER_H

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace quillday::testing {

struct ProgramRun {
    int status;
    std::string out, err;
};

// Where the program's output goes and how its input (a pipe) behaves.
enum class Surroundings {
    Files,             // output to a file
    FullDisk,          // output to /dev/full
    ClosedPipe,        // output to a pipe nobody reads, SIGPIPE ignored; input left open
    NonBlockingInput,  // non-blocking input, empty and open when the first answer is due
};

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Reads a pipe to its end.
inline void Drain(int descriptor, std::string& text) {
    for (char c = 0; ::read(descriptor, &c, 1) == 1;) {
        text += c;
    }
}

// Writes what the program reads, unless it has ended.
inline void Send(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t sent = ::write(descriptor, text.data(), text.size());
        if (sent <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(sent));
    }
}

// Runs the program with the arguments ("{input}" stands for a file that
// holds the input), its standard input a pipe that carries the input. The
// locale's variables are those given, none else.
inline ProgramRun RunProgram(const std::vector<std::string>& arguments, std::string_view input = {},
                             Surroundings surroundings = Surroundings::Files,
                             std::vector<std::string> environment = {},
                             const std::string& program = QUILLDAY_PROGRAM) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quillday_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path in = folder / "in", out = folder / "out", err = folder / "err";
    std::ofstream(in, std::ios::binary) << input;
    std::vector<std::string> argv{program};
    for (const std::string& argument : arguments) {
        argv.push_back(argument == "{input}" ? in.string() : argument);
    }
    ::signal(SIGPIPE, SIG_IGN);  // the program may end before it reads its input
    int inPipe[2], outPipe[2];
    if (::pipe(inPipe) != 0 || ::pipe(outPipe) != 0) {
        return {-1, "", "no pipe"};
    }
    if (surroundings == Surroundings::NonBlockingInput) {
        ::fcntl(inPipe[0], F_SETFL, ::fcntl(inPipe[0], F_GETFL) | O_NONBLOCK);
    }
    const int outFile = surroundings == Surroundings::Files
                            ? ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                        : surroundings == Surroundings::FullDisk ? ::open("/dev/full", O_WRONLY)
                                                                 : outPipe[1];
    const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> args;
    for (std::string& text : argv) {
        args.push_back(text.data());
    }
    args.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGPIPE, surroundings == Surroundings::ClosedPipe ? SIG_IGN : SIG_DFL);
        ::dup2(inPipe[0], 0);
        ::dup2(outFile, 1);
        ::dup2(errFile, 2);
        ::closefrom(3);
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            ::unsetenv(variable);
        }
        for (std::string& variable : environment) {
            ::putenv(variable.data());
        }
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    for (const int descriptor : {inPipe[0], outPipe[1], outFile, errFile}) {
        ::close(descriptor);
    }
    std::string piped;
    if (surroundings == Surroundings::NonBlockingInput) {
        // The rest follows the first answer, so that the program finds its
        // input empty and open in between.
        const std::size_t firstLine = input.find('\n') + 1;
        Send(inPipe[1], input.substr(0, firstLine));
        for (char c = 0; c != '\n' && ::read(outPipe[0], &c, 1) == 1;) {
            piped += c;
        }
        input.remove_prefix(firstLine);
    }
    if (surroundings == Surroundings::ClosedPipe) {
        ::close(outPipe[0]);     // the program's first write finds no reader
        Send(inPipe[1], input);  // and its input stays open, as if endless
    } else {
        Send(inPipe[1], input);
        ::close(inPipe[1]);
        Drain(outPipe[0], piped);
        ::close(outPipe[0]);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (surroundings == Surroundings::ClosedPipe) {
        ::close(inPipe[1]);
    }
    ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                   surroundings == Surroundings::Files ? FileText(out) : piped, FileText(err)};
    std::filesystem::remove_all(folder);
    return run;
}

}  // namespace quillday::testing

#endif
