// Plays another user's program at a window's doorbell: run as root, it becomes the given uid, then either asks
// through the socket itself, without the check of who answers that vexaui makes, or runs a program as that user.
//   foreign_asker UID ask SOCKET REQUEST   -> prints "connected" once in, then whatever came back
//   foreign_asker UID run PROGRAM ARGS...  -> the program's own output and exit code
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const uid_t uid = static_cast<uid_t>(std::strtoul(argv[1], nullptr, 10));
    if (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0)
        return 3;
    if (std::strcmp(argv[2], "run") == 0) {
        execv(argv[3], argv + 3);
        return 4;
    }
    if (argc != 5)
        return 2;

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, argv[3], sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return 5;
    std::printf("connected\n");
    std::fflush(stdout);
    const size_t length = std::strlen(argv[4]);
    if (send(socket, argv[4], length, MSG_NOSIGNAL) != ssize_t(length) || send(socket, "\n", 1, MSG_NOSIGNAL) != 1)
        return 6;
    char buffer[4096];
    ssize_t got;
    while ((got = recv(socket, buffer, sizeof buffer, 0)) > 0)
        std::fwrite(buffer, 1, size_t(got), stdout);
    return 0;
}
