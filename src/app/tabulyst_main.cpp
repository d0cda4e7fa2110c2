// The command-line program: converts the files named in its parameters.
#include <string>
#include <vector>

#include "convert/command_line.h"

int main(int argc, char** argv) {
    std::vector<std::string> parameters(argv + 1, argv + argc);
    tabulyst::ConversionContext context;
    return tabulyst::RunCommandLine(parameters, context);
}
