#include <gtest/gtest.h>

#include "convert/conversion_context.h"
#include "convert/qualifiers.h"

namespace tabulyst {
namespace {

TEST(CommandOptionsTest, GivenOptionsStateTheirPoliciesAndOthersStayUnstated) {
    ConversionContext context;
    context.sink.runDisplay = false;
    TextString line("/dos /log=run.log /policy=out.pol /output=/tmp/o/x.html /silent /tags");
    ParseQualifiers(line, context);
    FC fc(&context.sink);
    ApplyCommandOptions(fc, context);

    for (P flag : {P::UseDosFilenames, P::CreateALogFile, P::OutputPolicyFile, P::ShowTagsInOutput})
        EXPECT_TRUE(fc.Flag(flag));
    EXPECT_TRUE(fc.IsSet(P::UseDosFilenames));
    EXPECT_EQ(fc.Text(P::OutputLogFilename).Str(), "run.log");
    EXPECT_EQ(fc.Text(P::OutputPolicyFilename).Str(), "out.pol");
    EXPECT_EQ(fc.Text(P::OutputDirectory).Str(), "/tmp/o/");
    EXPECT_TRUE(fc.IsSet(P::DisplayMessages));
    EXPECT_FALSE(fc.Flag(P::DisplayMessages));
    // What the command line did not mention is left for the policy files to decide.
    for (P unstated : {P::KeepItSimple, P::AddContentsList, P::MakeDirectory, P::DirectoryFilename})
        EXPECT_FALSE(fc.IsSet(unstated));
}

}  // namespace
}  // namespace tabulyst
