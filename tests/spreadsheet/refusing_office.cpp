// Stands in for the office binary: it listens on the pipe it is told to accept connections
// on, and closes every connection at once, as an office that refuses its callers does.
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string pipeNameOf(int argc, char** argv)
{
    const std::string prefix = "--accept=pipe,name=";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(prefix, 0) == 0)
            return argument.substr(prefix.size(), argument.find(';') - prefix.size());
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    const std::string name = pipeNameOf(argc, argv);
    if (name.empty())
        return 2;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "/tmp/OSL_PIPE_%u_%s", getuid(),
                  name.c_str());
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || listen(listener, 8) != 0)
        return 3;
    // Bounded, so that a caller that keeps retrying still sees the end of it.
    for (int refused = 0; refused < 1000; ++refused) {
        const int connection = accept(listener, nullptr, nullptr);
        if (connection >= 0)
            close(connection);
    }
    unlink(address.sun_path);
    return 0;
}
