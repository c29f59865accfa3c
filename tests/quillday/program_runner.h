// Starts the quillday program with a list of arguments (no shell) and an
// input, in plain or hostile surroundings, and collects what it writes.
#ifndef TESTS_QUILLDAY_PROGRAM_RUNNER_H
#define TESTS_QUILLDAY_PROGRAM_RUNNER_H

#include <fcntl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#if defined(_WIN32)
#include <io.h>
#include <process.h>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace quillday::testing {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Where the program's input comes from and its output goes.
enum class Surroundings {
    Files,             // input and output are files
    FullDisk,          // output to /dev/full
    ClosedPipe,        // output to a pipe nobody reads, SIGPIPE ignored; input stays open
    NonBlockingInput,  // input a non-blocking pipe that is empty when the first answer is due
};

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The environment without the locale's variables, then those given.
inline std::vector<std::string> ChildEnvironment(const std::vector<std::string>& given) {
    constexpr std::string_view kLocaleVariables[] = {
        "LC_ALL=", "LC_MESSAGES=", "LANG=", "LANGUAGE="};
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        bool isLocale = false;
        for (const std::string_view name : kLocaleVariables) {
            isLocale = isLocale || variable.starts_with(name);
        }
        if (!isLocale) {
            environment.emplace_back(variable);
        }
    }
    environment.insert(environment.end(), given.begin(), given.end());
    return environment;
}

inline std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

#if defined(_WIN32)
inline int Start(std::vector<std::string> argv, std::vector<std::string> environment,
                 const std::filesystem::path& in, const std::filesystem::path& out,
                 const std::filesystem::path& err, std::string_view, Surroundings, std::string&) {
    const int saved[] = {_dup(0), _dup(1), _dup(2)};
    const int files[] = {_open(in.string().c_str(), _O_RDONLY | _O_BINARY),
                         _open(out.string().c_str(), _O_WRONLY | _O_CREAT | _O_BINARY, 0600),
                         _open(err.string().c_str(), _O_WRONLY | _O_CREAT | _O_BINARY, 0600)};
    for (int i = 0; i < 3; ++i) {
        _dup2(files[i], i);
        _close(files[i]);
    }
    const auto status =
        _spawnve(_P_WAIT, argv[0].c_str(), Pointers(argv).data(), Pointers(environment).data());
    for (int i = 0; i < 3; ++i) {
        _dup2(saved[i], i);
        _close(saved[i]);
    }
    return static_cast<int>(status);
}
#else
// Reads a pipe to its end, or up to and including its first LF.
inline void ReadPipe(int descriptor, std::string& text, bool oneLine) {
    char c = 0;
    while (::read(descriptor, &c, 1) == 1) {
        text += c;
        if (oneLine && c == '\n') {
            return;
        }
    }
}

inline void WriteAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const auto written = ::write(descriptor, text.data(), text.size());
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

inline int Start(std::vector<std::string> argv, std::vector<std::string> environment,
                 const std::filesystem::path& in, const std::filesystem::path& out,
                 const std::filesystem::path& err, std::string_view input,
                 Surroundings surroundings, std::string& piped) {
    const bool pipedIn =
        surroundings == Surroundings::ClosedPipe || surroundings == Surroundings::NonBlockingInput;
    int inPipe[2] = {-1, -1}, outPipe[2] = {-1, -1};
    if (pipedIn && ::pipe(inPipe) != 0) {
        return -1;
    }
    if (surroundings != Surroundings::Files && surroundings != Surroundings::FullDisk &&
        ::pipe(outPipe) != 0) {
        return -1;
    }
    if (surroundings == Surroundings::NonBlockingInput) {
        ::fcntl(inPipe[0], F_SETFL, ::fcntl(inPipe[0], F_GETFL) | O_NONBLOCK);
    }
    if (surroundings == Surroundings::ClosedPipe) {
        ::close(outPipe[0]);  // the program's first write finds no reader
    }
    const int inFile = pipedIn ? inPipe[0] : ::open(in.c_str(), O_RDONLY);
    const int outFile = surroundings == Surroundings::FullDisk ? ::open("/dev/full", O_WRONLY)
                        : surroundings == Surroundings::Files
                            ? ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                            : outPipe[1];
    const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> arguments = Pointers(argv), variables = Pointers(environment);
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGPIPE, surroundings == Surroundings::ClosedPipe ? SIG_IGN : SIG_DFL);
        ::dup2(inFile, 0);
        ::dup2(outFile, 1);
        ::dup2(errFile, 2);
        for (const int descriptor : {inFile, outFile, errFile, inPipe[1], outPipe[0]}) {
            if (descriptor > 2) {
                ::close(descriptor);
            }
        }
        ::execve(arguments[0], arguments.data(), variables.data());
        ::_exit(127);
    }
    for (const int descriptor : {inFile, outFile, errFile}) {
        ::close(descriptor);
    }
    if (surroundings == Surroundings::NonBlockingInput) {
        // The rest is sent once the first line is answered, so that the
        // program finds its input empty and open in between.
        const std::size_t firstLine = input.find('\n') + 1;
        WriteAll(inPipe[1], input.substr(0, firstLine));
        ReadPipe(outPipe[0], piped, true);
        WriteAll(inPipe[1], input.substr(firstLine));
        ::close(inPipe[1]);
        ReadPipe(outPipe[0], piped, false);
        ::close(outPipe[0]);
    } else if (surroundings == Surroundings::ClosedPipe) {
        WriteAll(inPipe[1], input);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (surroundings == Surroundings::ClosedPipe) {
        ::close(inPipe[1]);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

// Runs the program with the arguments; "{input}" among them stands for the
// input file's path. The environment's locale variables are left out, and
// those given put in.
inline ProgramRun RunProgram(const std::vector<std::string>& arguments, std::string_view input = {},
                             Surroundings surroundings = Surroundings::Files,
                             const std::vector<std::string>& environment = {},
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
    std::string piped;
    const int status =
        Start(argv, ChildEnvironment(environment), in, out, err, input, surroundings, piped);
    ProgramRun run{status, surroundings == Surroundings::Files ? FileText(out) : piped,
                   FileText(err)};
    std::filesystem::remove_all(folder);
    return run;
}

}  // namespace quillday::testing

#endif
