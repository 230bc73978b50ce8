#include "project/file_set_writer.h"

#include <fstream>

namespace vortan {

namespace {

std::filesystem::path temporary_of(const std::filesystem::path& path) {
    return path.parent_path() / ("~" + path.filename().string() + ".tmp");
}

bool write_bytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

void remove_temporaries(const std::vector<FileContent>& files) {
    std::error_code ignored;
    for (const FileContent& file : files) std::filesystem::remove(temporary_of(file.path), ignored);
}

}  // namespace

std::string write_file_set(const std::vector<FileContent>& files) {
    for (const FileContent& file : files) {
        if (!write_bytes(temporary_of(file.path), file.bytes)) {
            remove_temporaries(files);
            return "The file '" + file.path.string() + "' could not be written.";
        }
    }
    // The first file (the master) names the set: it is put in place last.
    for (size_t i = files.size(); i-- > 0;) {
        std::error_code error;
        std::filesystem::rename(temporary_of(files[i].path), files[i].path, error);
        if (error) {
            remove_temporaries(files);
            return "The file '" + files[i].path.string() + "' could not be replaced: " + error.message();
        }
    }
    return "";
}

}  // namespace vortan
