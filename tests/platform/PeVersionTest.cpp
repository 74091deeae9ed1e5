#include "platform/PeVersion.h"

#include "support/PeBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace velmora::platform;
using velmora::testing::PeBuilder;
using velmora::testing::TempDir;
using velmora::testing::WriteFile;

namespace {

bool VersionOf(const std::string& bytes, FileVersion& version)
{
    TempDir dir;
    WriteFile(dir.Path() + "program.exe", bytes);
    return GetFileVersion(dir.Path() + "program.exe", version);
}

}  // namespace

TEST(PeVersion, ReadsTheFixedFileVersionOfPe32AndPe32Plus)
{
    for (const bool plus : {false, true}) {
        PeBuilder pe;
        pe.pe32Plus = plus;
        FileVersion version;
        ASSERT_TRUE(VersionOf(pe.Build(), version)) << (plus ? "PE32+" : "PE32");
        EXPECT_EQ(FormatVersion(version), "8.5.3.21");
    }
}

TEST(PeVersion, FilesWithoutAVersionAreFalseWithZeroParts)
{
    PeBuilder noResource;
    noResource.withVersion = false;
    std::string badSignature = PeBuilder().Build();
    badSignature[PeBuilder::kVersionInfo + 40] = 0;
    std::string badKey = PeBuilder().Build();
    badKey[PeBuilder::kVersionInfo + 6] = 'X';
    std::string farHeaders = PeBuilder().Build();
    farHeaders[PeBuilder::kPeOffsetField + 3] = 0x7F;

    for (const std::string& bytes : {noResource.Build(), badSignature, badKey, farHeaders, std::string("MZ"),
                                     std::string("#!/bin/sh\n"), std::string()}) {
        FileVersion version{1, 2, 3, 4};
        EXPECT_FALSE(VersionOf(bytes, version));
        EXPECT_EQ(FormatVersion(version), "0.0.0.0");
    }
    FileVersion version;
    EXPECT_FALSE(GetFileVersion("/nonexistent/program.exe", version));
}

// Every cut of a valid file, and every single damaged byte, is handled without reading out of
// bounds (the sanitizer build checks) and never yields a version from a cut file.
TEST(PeVersion, SurvivesEveryTruncationAndByteDamage)
{
    const std::string valid = PeBuilder().Build();
    TempDir dir;
    const std::string path = dir.Path() + "cut.exe";
    // The version itself ends 56 bytes into the version data.
    for (std::size_t length = 0; length < PeBuilder::kVersionInfo + 56; ++length) {
        WriteFile(path, valid.substr(0, length));
        FileVersion version;
        EXPECT_FALSE(GetFileVersion(path, version)) << length;
    }
    for (std::size_t at = 0; at < valid.size(); at += 3) {
        std::string damaged = valid;
        damaged[at] = static_cast<char>(damaged[at] ^ 0xA5);
        WriteFile(path, damaged);
        FileVersion version;
        GetFileVersion(path, version);
    }
}
