// Starts the quillday program with a list of arguments (no shell) and an
// input, in plain or hostile surroundings, and collects what it writes.
#ifndef TESTS_QUILLDAY_PROGRAM_RUNNER_H
#define TESTS_QUILLDAY_PROGRAM_RUNNER_H

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillday::testing {

struct ProgramRun {
    int status;
    std::string out, err;
};

// Where the program's output goes and how its input (a pipe) behaves. All
// but Files need a POSIX system.
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

#if defined(_WIN32)

constexpr bool kPosixSystem = false;

inline unsigned long ProcessId() {
    return GetCurrentProcessId();
}

// An argument quoted as the C runtime reads it back from a command line: a
// quote and the backslashes before it, or before the closing quote, escaped.
inline std::string Quoted(const std::string& argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    return quoted.append(2 * backslashes, '\\') + '"';
}

// The variables that choose the program's language: the tests give their own.
inline bool IsLocaleVariable(std::string_view variable) {
    return variable.starts_with("LC_ALL=") || variable.starts_with("LC_MESSAGES=") ||
           variable.starts_with("LANG=");
}

// This process's environment without the locale's variables, then those
// given, as CreateProcess takes it.
inline std::string EnvironmentBlock(const std::vector<std::string>& given) {
    std::string block;
    char* const strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry != '\0'; entry += std::strlen(entry) + 1) {
        if (!IsLocaleVariable(entry)) {
            block.append(entry).push_back('\0');
        }
    }
    FreeEnvironmentStringsA(strings);
    for (const std::string& variable : given) {
        block.append(variable).push_back('\0');
    }
    return block + '\0';
}

// Runs the program with its input on a pipe and its output and errors in
// the folder's files out and err (only the Files surroundings); returns its
// exit status, -1 when it did not start.
inline std::pair<int, std::string> Execute(const std::vector<std::string>& argv,
                                           const std::vector<std::string>& environment,
                                           std::string_view input, Surroundings surroundings,
                                           const std::filesystem::path& folder) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE inRead = nullptr, inWrite = nullptr;
    if (surroundings != Surroundings::Files || !CreatePipe(&inRead, &inWrite, &inherited, 0)) {
        return {-1, ""};
    }
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);  // so that the input can end
    const auto create = [&](const std::filesystem::path& path) {
        return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = create(folder / "out");
    startup.hStdError = create(folder / "err");
    std::string commandLine;
    for (const std::string& argument : argv) {
        commandLine += Quoted(argument) + ' ';
    }
    std::string block = EnvironmentBlock(environment);
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessA(argv.front().c_str(), commandLine.data(), nullptr, nullptr,
                                        TRUE, 0, block.data(), nullptr, &startup, &process);
    for (HANDLE handle : {inRead, startup.hStdOutput, startup.hStdError}) {
        CloseHandle(handle);
    }
    DWORD sent = 0;
    while (started && !input.empty() &&
           WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &sent, nullptr)) {
        input.remove_prefix(sent);
    }
    CloseHandle(inWrite);
    if (!started) {
        return {-1, ""};
    }
    DWORD status = 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return {static_cast<int>(status), ""};
}

#else

constexpr bool kPosixSystem = true;

inline unsigned long ProcessId() {
    return static_cast<unsigned long>(::getpid());
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

// Runs the program with its input on a pipe and its errors in the folder's
// file err, its output as the surroundings say (Files: the file out);
// returns its exit status (-1 when it did not end normally) and what it
// wrote to a pipe.
inline std::pair<int, std::string> Execute(std::vector<std::string> argv,
                                           std::vector<std::string> environment,
                                           std::string_view input, Surroundings surroundings,
                                           const std::filesystem::path& folder) {
    ::signal(SIGPIPE, SIG_IGN);  // the program may end before it reads its input
    int inPipe[2], outPipe[2];
    if (::pipe(inPipe) != 0 || ::pipe(outPipe) != 0) {
        return {-1, ""};
    }
    if (surroundings == Surroundings::NonBlockingInput) {
        ::fcntl(inPipe[0], F_SETFL, ::fcntl(inPipe[0], F_GETFL) | O_NONBLOCK);
    }
    const int outFile = surroundings == Surroundings::Files
                            ? ::open((folder / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                        : surroundings == Surroundings::FullDisk ? ::open("/dev/full", O_WRONLY)
                                                                 : outPipe[1];
    const int errFile = ::open((folder / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
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
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, piped};
}

#endif

// A folder of this process's own for the files of a run.
inline std::filesystem::path OwnFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "_" + std::to_string(ProcessId()));
    std::filesystem::create_directories(folder);
    return folder;
}

// Runs the program with the arguments ("{input}" stands for a file that
// holds the input), its standard input a pipe that carries the input. The
// locale's variables are those given, none else.
inline ProgramRun RunProgram(const std::vector<std::string>& arguments, std::string_view input = {},
                             Surroundings surroundings = Surroundings::Files,
                             const std::vector<std::string>& environment = {},
                             const std::string& program = QUILLDAY_PROGRAM) {
    const std::filesystem::path folder = OwnFolder("quillday_test");
    const std::filesystem::path in = folder / "in";
    std::ofstream(in, std::ios::binary) << input;
    std::vector<std::string> argv{program};
    for (const std::string& argument : arguments) {
        argv.push_back(argument == "{input}" ? in.string() : argument);
    }
    const auto [status, piped] = Execute(argv, environment, input, surroundings, folder);
    ProgramRun run{status, surroundings == Surroundings::Files ? FileText(folder / "out") : piped,
                   FileText(folder / "err")};
    std::filesystem::remove_all(folder);
    return run;
}

}  // namespace quillday::testing

#endif
