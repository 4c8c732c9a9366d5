#include "core/lang/MakerSite.h"

#include "core/common/ModelIdentity.h"

namespace cfg {

std::string Download_Page_Address(std::string_view host) {
    return "http://" + std::string(host) + "/Home/download/download.asp#" + std::string(SW_Code);
}

std::string Home_Page_Address(std::string_view host) {
    return "http://" + std::string(host) + "/HOME/default.asp?frompg=" + std::string(SW_Code);
}

} // namespace cfg
