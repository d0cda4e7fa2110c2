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

    EXPECT_TRUE(fc.IsSet(P::UseDosFilenames));
    EXPECT_TRUE(fc.Flag(P::UseDosFilenames));
    EXPECT_TRUE(fc.Flag(P::CreateALogFile));
    EXPECT_EQ(fc.Text(P::OutputLogFilename).Str(), "run.log");
    EXPECT_TRUE(fc.Flag(P::OutputPolicyFile));
    EXPECT_EQ(fc.Text(P::OutputPolicyFilename).Str(), "out.pol");
    EXPECT_EQ(fc.Text(P::OutputDirectory).Str(), "/tmp/o/");
    EXPECT_TRUE(fc.IsSet(P::DisplayMessages));
    EXPECT_FALSE(fc.Flag(P::DisplayMessages));
    EXPECT_TRUE(fc.Flag(P::ShowTagsInOutput));

    // What the command line did not mention is left for the policy files to decide.
    EXPECT_FALSE(fc.IsSet(P::KeepItSimple));
    EXPECT_FALSE(fc.IsSet(P::AddContentsList));
    EXPECT_FALSE(fc.IsSet(P::MakeDirectory));
    EXPECT_FALSE(fc.IsSet(P::DirectoryFilename));
}

}  // namespace
}  // namespace tabulyst
