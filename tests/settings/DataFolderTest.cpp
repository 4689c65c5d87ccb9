#include "settings/DataFolder.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

TEST(DataFolder, OneSeparatorBeforeDatenWhateverTheProgramFolderLooksLike)
{
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor").path(), "/opt/zor/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor/").path(), "/opt/zor/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/").path(), "/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor").file(kGeneralFile), "/opt/zor/Daten/RDS_Allg.INI");
    EXPECT_EQ(DataFolder("/opt/zor/Daten/").file(kSerialFile), "/opt/zor/Daten/Rs232.ini");
}

} // namespace
} // namespace zor
