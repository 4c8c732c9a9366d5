#include "updater/JobFile.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/Xml.h"

namespace updater {
namespace {

std::string text_of(const pugi::xml_node& node, const char* name, std::string_view file) {
    return cfg::xml::required_child(node, name, file).text().get();
}

} // namespace

Update_Job Read_Update_Job(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = cfg::xml::read_file(file);
    if (!bytes)
        throw cfg::ConfigError("There is no job file \"" + cfg::utf8_path(file) + "\".");
    return Read_Update_Job(cfg::File_Bytes{cfg::utf8_path(file), *bytes});
}

Update_Job Read_Update_Job(const cfg::File_Bytes& file) {
    pugi::xml_document doc;
    cfg::xml::load(doc, file);
    const pugi::xml_node root = cfg::xml::root_element(doc);
    Update_Job job{text_of(root, "IP_Address_Dev", file.name), text_of(root, "Boot_Port", file.name), {}};
    for (const pugi::xml_node& operation :
         cfg::xml::required_child(root, "Operations", file.name).children("Operation"))
        job.operations.push_back({text_of(operation, "Ope_FileName", file.name),
                                  text_of(operation, "Ope_Start_Address", file.name),
                                  text_of(operation, "Ope_Bank_Type", file.name) == "1",
                                  text_of(operation, "Ope_Read_Back", file.name) == "1"});
    if (job.operations.empty())
        throw cfg::ConfigError("The job file \"" + file.name + "\" names no operation.");
    return job;
}

} // namespace updater
