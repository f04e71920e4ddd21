#include "SimulatorProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace {

constexpr int kStartTimeOutMs = 10000;

} // namespace

CSimulatorProcess::CChild::~CChild()
{
    ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
}

CSimulatorProcess::CSimulatorProcess(const std::vector<std::string>& options)
    : child_(Start(options, output_)), devicePath_(ReadDevicePath(output_.Get()))
{
    output_.Reset();
}

pid_t CSimulatorProcess::Start(const std::vector<std::string>& options, CFileDescriptor& output)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe2");
    CFileDescriptor readEnd(ends[0]);
    CFileDescriptor writeEnd(ends[1]);

    std::vector<std::string> arguments{OMBRELIX_ANALYZER_SIM};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) throw std::system_error(errno, std::generic_category(), "fork");
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(1);
        if (::dup2(writeEnd.Get(), STDOUT_FILENO) < 0) ::_exit(1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    output = std::move(readEnd);
    return pid;
}

std::string CSimulatorProcess::ReadDevicePath(int output)
{
    std::string path;
    for (;;) {
        pollfd ready{output, POLLIN, 0};
        const int events = ::poll(&ready, 1, kStartTimeOutMs);
        if (events < 0 && errno == EINTR) continue;
        char byte = 0;
        if (events <= 0 || ::read(output, &byte, 1) != 1) {
            throw std::runtime_error("the analyzer simulator did not name its device");
        }
        if (byte == '\n') return path;
        path += byte;
    }
}
