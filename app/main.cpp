// The orvane program: with no command it starts the program; commands are added as they land.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("Orvane 6.0");
        return 0;
    }
    std::fputs("usage: orvane [--version]\n", stderr);
    return 2;
}
