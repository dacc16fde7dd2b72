#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "data_path.h"
#include "image_files.h"

namespace {

// Runs the test inside a fresh temporary folder and comes back after.
class DataPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_sPrevious = std::filesystem::current_path();
        std::filesystem::current_path(m_Folder.Path());
    }
    void TearDown() override { std::filesystem::current_path(m_sPrevious); }

    CTempFolder m_Folder;
    std::string m_sPrevious;
};

std::string ExecutableFolder()
{
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

}  // namespace

TEST_F(DataPathTest, BothSpellingsReachTheOneFolder)
{
    m_Folder.Write("textures/rue.tga", {1});
    m_Folder.Write("textures/Font.bmp", {1});
    EXPECT_EQ(DataPath("textures\\rue.tga"), "textures/rue.tga");
    EXPECT_EQ(DataPath("Textures/Font.bmp"), "textures/Font.bmp");
    EXPECT_EQ(DataPath("TEXTURES\\Font.bmp"), "textures/Font.bmp");
}

TEST_F(DataPathTest, OtherNamesOnlyHaveTheirSeparatorsFixed)
{
    EXPECT_EQ(DataPath("/tmp/a\\b.tga"), "/tmp/a/b.tga");
    EXPECT_EQ(DataPath("texturesx\\a.tga"), "texturesx/a.tga");
    EXPECT_EQ(DataPath("Font.bmp"), "Font.bmp");
    EXPECT_EQ(DataPath(""), "");
}

TEST_F(DataPathTest, FallsBackToTheFolderBesideTheExecutable)
{
    const std::string name = "data-path-test-" + std::to_string(getpid()) + ".tga";
    const std::filesystem::path beside =
        std::filesystem::path(ExecutableFolder()) / "textures" / name;
    std::filesystem::create_directories(beside.parent_path());
    std::FILE* file = std::fopen(beside.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    const std::string found = DataPath(("textures\\" + name).c_str());
    m_Folder.Write("textures/" + name, {1});
    const std::string local = DataPath(("textures\\" + name).c_str());
    std::filesystem::remove(beside);
    EXPECT_EQ(found, beside.string());
    EXPECT_EQ(local, "textures/" + name);  // the working directory comes first
}

TEST_F(DataPathTest, MissingFilesNameTheWorkingDirectoryCandidate)
{
    EXPECT_EQ(DataPath("textures\\nowhere.tga"), "textures/nowhere.tga");
}

TEST(DataFolders, WorkingDirectoryThenBesideTheProgramThenItsPrefixThenTheBuildsPrefix)
{
    const std::filesystem::path exe = ExecutableFolder();
    const std::vector<std::string> expected = {
        "textures",
        (exe / "textures").string(),
        (exe.parent_path() / "share/bourgade3d/textures").string(),
        BOURGADE_INSTALLED_DATA,
    };
    EXPECT_EQ(DataFolders(), expected);
}
