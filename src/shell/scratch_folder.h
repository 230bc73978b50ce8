// The folder a scenario script keeps its project files in: "{scratch}" in a
// script line stands for a fresh folder, made at its first use with a copy of
// the script's fixture files and removed when the script ends. What the
// program prints writes that folder back as "{scratch}", so a transcript
// reads the same on every machine.
#pragma once

#include <filesystem>
#include <string>

namespace vortan {

class ScratchFolder {
public:
    // `fixtures`: a folder whose files the scratch folder starts with (none
    // when empty or absent).
    explicit ScratchFolder(std::filesystem::path fixtures = {});
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The line with "{scratch}" replaced by the folder's path.
    std::string expand(const std::string& line);
    // The line with the folder's path, also as a transcript escapes it,
    // replaced by "{scratch}".
    std::string written_back(std::string line) const;

private:
    std::filesystem::path fixtures_;
    std::string path_;  // empty until first used
};

}  // namespace vortan
