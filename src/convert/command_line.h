// The program's parameters: file specifications, a policy file and qualifiers.
#pragma once

#include <string>
#include <vector>

#include "convert/conversion_context.h"

namespace tabulyst {

// How a program parameter is taken.
enum class ParameterClass { Qualifier, PolicyFile, Steering, FileSpecification };

// A parameter beginning with "-" is a qualifier; one beginning with "/" is one unless it
// reads as a path (a second "/" before any "=", or an existing path, or matching files).
ParameterClass ClassifyParameter(const std::string& parameter);

// The parameters after the program name, as the context's options and a list of file
// specifications (those that match no file are reported and left out).
struct CommandLine {
    std::vector<TextString> files;
    int unmatched = 0;  // file specifications that matched nothing
    bool version = false;
    bool standardInput = false;  // "-" named standard input
    bool terminalInput = false;  // ... and standard input is a terminal
};
CommandLine ReadParameters(const std::vector<std::string>& parameters, ConversionContext& context);

// Runs the program: 0 when every file converted, 1 when a conversion failed or no file
// matched, 2 when no input file was given or standard input is a terminal (after the usage
// text).
int RunCommandLine(const std::vector<std::string>& parameters, ConversionContext& context);

}  // namespace tabulyst
