// ContentFolder: where the content database files lie, and the full path of one of them. It finds
// the folder from the running program's location (or takes an override folder); it opens no file
// (for the running program it only lists folders to see whether they hold content files).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

class ContentFolder {
  public:
    // The longest full path that can be represented; a longer one is refused.
    static constexpr int32_t kMaxPath = 255;
    static constexpr std::string_view kProgramMarker = "Halvern Tevik Program 1.1";
    static constexpr std::string_view kContentSubfolder =
        "Halvern Tevik Content 1.1/Halvern/Tevik 1.1/";
    // The ending of a content database file's name.
    static constexpr std::string_view kContentFileExtension = ".pdb";
    // The content's subfolder in the program's data folder of an installed program.
    static constexpr std::string_view kInstalledSubfolder = "content/";

    // The folder for a program whose executable lies at executablePath ("/" separates folders).
    // A non-empty overrideDir replaces the rule: the files are looked for in that folder.
    ContentFolder(std::string_view executablePath, std::string_view overrideDir);

    // The folder of this running program: the executable path from /proc/self/exe, overridden by
    // contentOption (the --content option) when it is not empty, else by the ORVANE_CONTENT
    // environment variable when it is set and not empty; else as forExecutable.
    static ContentFolder forRunningProgram(std::string_view contentOption);

    // The folder by the rule for an executable path, unless that folder holds no content file
    // (*.pdb) and the installed content folder does: then the installed content folder.
    static ContentFolder forExecutable(std::string_view executablePath);

    // The installed content folder of a program whose executable lies at executablePath: the
    // content/ subfolder of its data folder (see program_data_folder.h), with its trailing "/";
    // empty when the path has no folder.
    static std::string installedContentFolder(std::string_view executablePath);

    // The folder with its trailing "/" (empty when the executable path had no folder at all).
    const std::string& folder() const { return folder_; }

    // The folder followed by fileName; the empty text when the result would be longer than
    // kMaxPath characters (the caller then opens nothing).
    std::string fullPath(std::string_view fileName) const;

    // The content folder for a program folder (with its trailing "/") by the marker rule: with the
    // marker anywhere in it, two levels up and then the content subfolder; otherwise unchanged.
    static std::string ruleFolder(std::string_view programFolder);

  private:
    std::string folder_;
};

}  // namespace orvane
