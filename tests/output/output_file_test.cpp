// Output paths: directories from the name or the policies, the OUTPUT specification.
#include "output/output_file.h"

#include <gtest/gtest.h>

#include "output/html_file.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

TEST(OutputName, DirectoryExtensionAndSpecification) {
    struct Case {  // a null text is a policy left unset
        const char *inputDirectory, *outputDirectory, *specification, *name, *path;
    };
    const Case cases[] = {
        // No output directory: it comes from the name, which is in the input directory.
        {"/data/in/", nullptr, nullptr, "/data/in/report", "/data/in/report.html"},
        {nullptr, "/out", nullptr, "report", "/out/report.html"},  // gets its separator
        {nullptr, "/in/", "/tmp/out/*.*", "report", "/tmp/out/report.html"},
        {nullptr, "/in/", "/tmp/[*]/final.htm", "report", "/in/final.htm"},
    };
    for (const Case& c : cases) {
        FC fc;
        HTMLFile file;
        if (c.inputDirectory) fc.SetText(P::InputDirectory, c.inputDirectory);
        if (c.outputDirectory) fc.SetText(P::OutputDirectory, c.outputDirectory);
        if (c.specification) file.outputSpecification = c.specification;
        TextString path;
        EXPECT_TRUE(file.MakeOutputName(c.name, fc, path));
        EXPECT_EQ(path.Str(), c.path) << c.name;
        if (c.inputDirectory) {
            EXPECT_EQ(fc.Text(P::OutputDirectory).Str(), c.inputDirectory);
        }
    }
}

}  // namespace
}  // namespace tabulyst
