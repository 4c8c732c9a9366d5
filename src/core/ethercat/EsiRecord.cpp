#include "core/ethercat/EsiRecord.h"

#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"

namespace cfg::ethercat {
namespace {

constexpr const char* Root = "ESI_Record";
constexpr const char* Written = "Written";
constexpr const char* File = "File";
constexpr const char* Process_Image = "Process_Image";

std::filesystem::path record_file(const std::filesystem::path& Path_Project) {
    return Path_Project / ESI_Record_File_Name;
}

std::string required_text(const pugi::xml_node& root, const char* name, std::string_view file) {
    return xml::required_child(root, name, file).text().get();
}

} // namespace

std::string ESI_Record_Bytes(const ESI_Record& record) {
    pugi::xml_document doc;
    pugi::xml_node root = xml::start_document(doc, Root, "");
    xml::append_text_element(root, Written, record.written_at);
    xml::append_text_element(root, File, utf8_path(record.file));
    xml::append_text_element(root, Process_Image, record.process_image);
    return xml::to_bytes(doc);
}

void Write_ESI_Record(const std::filesystem::path& Path_Project, const ESI_Record& record) {
    write_file_safely(record_file(Path_Project), ESI_Record_Bytes(record));
}

std::optional<ESI_Record> Read_ESI_Record(const std::filesystem::path& Path_Project) {
    const std::filesystem::path file = record_file(Path_Project);
    const std::optional<std::string> bytes = xml::read_file(file);
    if (!bytes)
        return std::nullopt;
    return Read_ESI_Record(File_Bytes{utf8_path(file), *bytes});
}

ESI_Record Read_ESI_Record(const File_Bytes& file) {
    pugi::xml_document doc;
    xml::load(doc, file);
    const pugi::xml_node root = xml::required_root(doc, Root, file.name);
    const std::string path = required_text(root, File, file.name);
    return ESI_Record{required_text(root, Written, file.name), path_from_utf8(path),
                      required_text(root, Process_Image, file.name)};
}

} // namespace cfg::ethercat
