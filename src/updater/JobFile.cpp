#include "updater/JobFile.h"

#include "core/common/ConfigError.h"
#include "core/common/Xml.h"

namespace updater {
namespace {

std::string text_of(const pugi::xml_node& node, const char* name, const std::filesystem::path& file) {
    return cfg::xml::required_child(node, name, file).text().get();
}

} // namespace

Update_Job Read_Update_Job(const std::filesystem::path& file) {
    pugi::xml_document doc;
    if (!cfg::xml::load_file(doc, file))
        throw cfg::ConfigError("There is no job file \"" + file.string() + "\".");
    const pugi::xml_node root = cfg::xml::root_element(doc);
    Update_Job job{text_of(root, "IP_Address_Dev", file), text_of(root, "Boot_Port", file), {}};
    for (const pugi::xml_node& operation :
         cfg::xml::required_child(root, "Operations", file).children("Operation"))
        job.operations.push_back({text_of(operation, "Ope_FileName", file),
                                  text_of(operation, "Ope_Start_Address", file),
                                  text_of(operation, "Ope_Bank_Type", file) == "1",
                                  text_of(operation, "Ope_Read_Back", file) == "1"});
    if (job.operations.empty())
        throw cfg::ConfigError("The job file \"" + file.string() + "\" names no operation.");
    return job;
}

} // namespace updater
