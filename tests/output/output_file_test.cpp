// Output paths: directories from the name or the policies, the OUTPUT specification.
#include "output/output_file.h"

#include <gtest/gtest.h>

#include "output/html_file.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

std::string PathOf(HTMLFile& file, FC& fc, std::string_view name) {
    TextString path;
    EXPECT_TRUE(file.MakeOutputName(name, fc, path));
    return path.Str();
}

TEST(OutputName, DirectoryComesFromTheNameWhenNoneIsSet) {
    FC fc;
    HTMLFile file;
    fc.SetText(P::InputDirectory, "/data/in/");
    EXPECT_EQ(PathOf(file, fc, "/data/in/report"), "/data/in/report.html");
    EXPECT_EQ(fc.Text(P::OutputDirectory).Str(), "/data/in/");
}

TEST(OutputName, NameInAnotherDirectoryIsNotNamedTwice) {
    FC fc;
    HTMLFile file;
    EXPECT_EQ(PathOf(file, fc, "/tmp/x/report"), "/tmp/x/report.html");
}

TEST(OutputName, OutputDirectoryGetsItsSeparator) {
    FC fc;
    HTMLFile file;
    fc.SetText(P::OutputDirectory, "/out");
    EXPECT_EQ(PathOf(file, fc, "report"), "/out/report.html");
}

TEST(OutputName, WildcardSpecificationKeepsNameAndExtension) {
    FC fc;
    HTMLFile file;
    fc.SetText(P::OutputDirectory, "/in/");
    file.outputSpecification = "/tmp/out/*.*";
    EXPECT_EQ(PathOf(file, fc, "report"), "/tmp/out/report.html");
    file.outputSpecification = "/tmp/[*]/final.htm";
    EXPECT_EQ(PathOf(file, fc, "report"), "/in/final.htm");
}

}  // namespace
}  // namespace tabulyst
