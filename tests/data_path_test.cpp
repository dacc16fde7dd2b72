#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data_path.h"
#include "image_files.h"
#include "load_failure.h"

namespace {

namespace fs = std::filesystem;

// Runs the test inside a fresh temporary folder and comes back after.
class DataPathTest : public ::testing::Test {
protected:
    void SetUp() override { fs::current_path(m_Folder.Path()); }
    void TearDown() override { fs::current_path(m_Previous); }

    const fs::path m_Previous = fs::current_path();
    CTempFolder m_Folder;
};

const fs::path kExeFolder = fs::read_symlink("/proc/self/exe").parent_path();

}  // namespace

TEST_F(DataPathTest, BothSpellingsReachTheOneFolderAndOtherNamesOnlyHaveTheirSeparatorsFixed)
{
    m_Folder.Write("textures/Font.bmp", {1});
    const std::pair<const char*, const char*> cases[] = {
        {"textures\\Font.bmp", "textures/Font.bmp"},   {"Textures/Font.bmp", "textures/Font.bmp"},
        {"TEXTURES\\Font.bmp", "textures/Font.bmp"},   {"textures\\nowhere.tga", "textures/nowhere.tga"},
        {"/tmp/a\\b.tga", "/tmp/a/b.tga"},             {"texturesx\\a.tga", "texturesx/a.tga"},
        {"Font.bmp", "Font.bmp"},                      {"", ""},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(DataPath(name), path) << name;
}

TEST_F(DataPathTest, FallsBackToTheFolderBesideTheExecutable)
{
    const std::string name = "data-path-test-" + std::to_string(getpid()) + ".tga";
    const fs::path beside = kExeFolder / "textures" / name;
    fs::create_directories(beside.parent_path());
    std::ofstream{beside};
    const std::string found = DataPath(("textures\\" + name).c_str());
    m_Folder.Write("textures/" + name, {1});
    const std::string local = DataPath(("textures\\" + name).c_str());
    fs::remove(beside);
    EXPECT_EQ(found, beside.string());
    EXPECT_EQ(local, "textures/" + name);  // the working directory comes first
}

TEST(DataFolders, WorkingDirectoryThenBesideTheProgramThenItsPrefixThenTheBuildsPrefix)
{
    const std::vector<std::string> expected = {
        "textures",
        (kExeFolder / "textures").string(),
        (kExeFolder.parent_path() / "share/bourgade3d/textures").string(),
        BOURGADE_INSTALLED_DATA,
    };
    EXPECT_EQ(DataFolders(), expected);
}

TEST(DataFolders, TheNoteForNoDataFolderListsEveryFolderAndHowToGetTheData)
{
    CTempFolder folder;
    const std::string file = folder.Write("fichier", {1});
    EXPECT_FALSE(AnyFolderExists({folder.Path() + "/rien", file}));
    EXPECT_TRUE(AnyFolderExists({folder.Path() + "/rien", folder.Path()}));

    const std::string note = MissingDataNote({"textures", "/opt/jeu/textures"});
    EXPECT_TRUE(note.rfind("Aucun dossier de données trouvé ; dossiers cherchés :\n"
                           "  ./textures\n  /opt/jeu/textures\n", 0) == 0) << note;
    EXPECT_NE(note.find("cmake --build build"), std::string::npos);
    EXPECT_NE(note.find("cmake --install build"), std::string::npos);
}
