#include <cstdio>

int main() {
    std::puts("quorvix-cli: the terminal front end is being built");
    return 0;
}
