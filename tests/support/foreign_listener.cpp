// Plays another user's program on a loopback port: run as root, it becomes the given uid, listens and reports the
// port; each client gets a line that poses as an agent message, and anything a client writes is reported.
//   foreign_listener UID v4|v6   -> prints "port N", then "accepted" and "received N" as clients come and write
// v6 listens on [::] for both address families, so an IPv4 client shows up in the kernel's IPv6 table.
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const uid_t uid = static_cast<uid_t>(std::strtoul(argv[1], nullptr, 10));
    const bool v6 = std::strcmp(argv[2], "v6") == 0;
    // The socket belongs to whoever creates it, so the switch comes first.
    if (setgroups(0, nullptr) != 0 || setgid(uid) != 0 || setuid(uid) != 0)
        return 3;

    const int server = socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM, 0);
    sockaddr_storage address{};
    socklen_t length;
    if (v6) {
        const int off = 0;
        setsockopt(server, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        auto* any = reinterpret_cast<sockaddr_in6*>(&address);
        any->sin6_family = AF_INET6;
        any->sin6_addr = in6addr_any;
        length = sizeof *any;
    } else {
        auto* loopback = reinterpret_cast<sockaddr_in*>(&address);
        loopback->sin_family = AF_INET;
        loopback->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof *loopback;
    }
    if (bind(server, reinterpret_cast<sockaddr*>(&address), length) != 0 || listen(server, 8) != 0)
        return 4;
    getsockname(server, reinterpret_cast<sockaddr*>(&address), &length);
    const unsigned port = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&address)->sin6_port
                                   : reinterpret_cast<sockaddr_in*>(&address)->sin_port);
    std::printf("port %u\n", port);
    std::fflush(stdout);

    const char fake[] = "{\"type\":0,\"agentinfo\":{\"activation_state\":1,\"ent_name\":\"Impostor\"}}\n";
    for (;;) {
        const int client = accept(server, nullptr, nullptr);
        if (client < 0)
            continue;
        std::printf("accepted\n");
        std::fflush(stdout);
        send(client, fake, sizeof fake - 1, MSG_NOSIGNAL);
        char buffer[4096];
        ssize_t got;
        while ((got = recv(client, buffer, sizeof buffer, 0)) > 0) {
            std::printf("received %zd\n", got);
            std::fflush(stdout);
        }
        close(client);
    }
}
