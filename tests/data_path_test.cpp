#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data_path.h"
#include "image_files.h"
#include "load_failure.h"

namespace fs = std::filesystem;

// From a fresh working directory: a name found only beside the program
// comes from there; one found in the working directory too comes from it.
// The folders are the working directory, beside the program, its prefix, the
// build's prefix; when none is a folder, the note names them all.
TEST(DataPath, BothSpellingsReachTheOneFolderOthersGetSeparatorsFixedAndFoldersComeInOrder)
{
    const fs::path exeFolder = fs::read_symlink("/proc/self/exe").parent_path();
    const fs::path previous = fs::current_path();
    const CTempFolder folder;
    fs::current_path(folder.Path());
    const std::string beside = "beside-" + std::to_string(getpid()) + ".tga";
    const std::string both = "both-" + std::to_string(getpid()) + ".tga";
    fs::create_directories(exeFolder / "textures");
    std::ofstream{exeFolder / "textures" / beside};
    std::ofstream{exeFolder / "textures" / both};
    folder.Write("textures/" + both, {1});
    const std::pair<std::string, std::string> cases[] = {
        {"textures\\" + both, "textures/" + both},          {"Textures/" + both, "textures/" + both},
        {"TEXTURES\\" + both, "textures/" + both},          {"textures\\nowhere.tga", "textures/nowhere.tga"},
        {"textures\\" + beside, (exeFolder / "textures" / beside).string()},
        {"/tmp/a\\b.tga", "/tmp/a/b.tga"},                  {"texturesx\\a.tga", "texturesx/a.tga"},
        {"Font.bmp", "Font.bmp"},                            {"", ""},
    };
    for (const auto& [name, path] : cases)
        EXPECT_EQ(DataPath(name.c_str()), path) << name;
    fs::remove(exeFolder / "textures" / beside);
    fs::remove(exeFolder / "textures" / both);
    fs::current_path(previous);
    const std::vector<std::string> folders = {"textures", exeFolder / "textures",
                                              exeFolder.parent_path() / "share/bourgade3d/textures",
                                              BOURGADE_INSTALLED_DATA};
    EXPECT_EQ(DataFolders(), folders);
    const std::string file = folder.Write("fichier", {1});
    EXPECT_FALSE(AnyFolderExists({folder.Path() + "/rien", file}));
    EXPECT_TRUE(AnyFolderExists({folder.Path() + "/rien", folder.Path()}));
    const std::string note = MissingDataNote({"textures", "/opt/jeu/textures"});
    EXPECT_TRUE(note.rfind("Aucun dossier de données trouvé ; dossiers cherchés :\n"
                           "  ./textures\n  /opt/jeu/textures\nPour avoir les images", 0) == 0) << note;
}
