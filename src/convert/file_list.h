// From file specifications to the run's list of files, and the names of one conversion.
#pragma once

#include <string_view>
#include <vector>

#include "convert/conversion_context.h"

namespace tabulyst {

// Fills the context's file list from a file list text: the multi-file form (a directory,
// then names in double quotes), several blank-separated specifications when allowed, or
// one specification. True when the list holds at least one file.
bool ExpandFileList(std::string_view text, std::string_view inputDirectory,
                    ConversionContext& context, FC& fc, bool several);
// Appends the files matching one specification (wildcards "*" and "?").
void AddMatchingFiles(ConversionContext& context, FC& fc, std::string_view specification,
                      std::string_view inputDirectory, std::string_view outputSpecification);
// The index-th file matching the specification, sorted without regard to case; index 0
// searches afresh. Empty when there is none.
bool FindMatchingFile(ConversionContext& context, FC& fc, std::string_view specification, int index,
                      TextString& path);
// Every plain file matching the specification, as its directory plus the file name,
// sorted without regard to case. Reports nothing.
std::vector<TextString> MatchingFiles(std::string_view specification);
// True when a name matches a pattern of "*" (any run) and "?" (any one character).
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The names one conversion derives from its input and output specifications.
struct DerivedNames {
    TextString inputDirectory;
    TextString outputDirectory;
    TextString outputBaseName;
    TextString outputExtension;
    TextString listing;     // ".lis"
    TextString listing2;    // ".lis1" (".ls1" with DOS names)
    TextString statistics;  // ".stats" (".sts" with DOS names)
};

// Derives the input and output directories, output base name, extension and the names
// of the diagnostics files.
DerivedNames DeriveFileNames(std::string_view inputSpecification,
                             std::string_view outputSpecification, const FC& scratch,
                             const ConversionContext& context);

}  // namespace tabulyst
