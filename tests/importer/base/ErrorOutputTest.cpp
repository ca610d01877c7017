#include "CapturedOutput.h"

#include "base/MessageSink.h"
#include "base/ZorException.h"

#include <gtest/gtest.h>

TEST(ErrorOutput, ReportHasThreeLinesAndAnEmptyOneAfterATrailingNewline) {
    EXPECT_EQ(ZorException("PodList", 81, 2, "Unable to open DATABASE\\X.DBD").GetReport(),
              "An error has occurred:\nUnable to open DATABASE\\X.DBD\nError code 0x2 in PodList, line 81");
    EXPECT_EQ(
        ZorException("PodFile", 30, 0x10002, "Invalid signature (not a POD?)\n").GetReport(),
        "An error has occurred:\nInvalid signature (not a POD?)\n\nError code 0x10002 in PodFile, line 30");
}

TEST(ErrorOutput, PrintfAndPrintCutAt1023Characters) {
    const CapturedOutput written;
    const std::string longText(2000, 'x');
    MessageSink::Printf("%s", longText.c_str());
    const std::string exact(1023, 'y');
    MessageSink::Printf("%s", exact.c_str());
    MessageSink::Print({"Adding record ", longText, "\n"});
    MessageSink::Print({"a", "", "b\n"});
    EXPECT_EQ(written.text, std::string(1023, 'x') + exact + "Adding record " + std::string(1009, 'x') + "ab\n");
}
