#include "core/report/DiffHtml.h"

#include "core/report/DiffText.h"
#include "core/report/ReportPage.h"
#include "core/report/ReportTexts.h"

namespace cfg::report {
namespace {

// The verdict stands out, in a colour of its own for each answer.
constexpr const char* Verdict_Style = "p.same { font-weight: bold; color: #1d6b2a; }\n"
                                      "p.differ { font-weight: bold; color: #9c4a00; }\n"
                                      "ul { margin-top: 0; }\n";

} // namespace

std::string Difference_Html(const std::vector<Difference>& differences, std::string_view from,
                            std::string_view to, const Lang_Strings& texts) {
    const Report_Page page(texts[text::Comparison_Title], Verdict_Style);
    const pugi::xml_node body = page.body();
    add_element(body, "h1", texts[text::Comparison_Title]);
    pugi::xml_node compared = add_element(body, "table");
    for (const auto& [label, value] :
         {std::pair{text::Compared_From, from}, std::pair{text::Compared_To, to}}) {
        pugi::xml_node row = add_element(compared, "tr");
        add_element(row, "th", texts[label]);
        add_element(row, "td", value);
    }
    const bool same = differences.empty();
    add_element(body, "p", texts[same ? int{text::Same} : int{text::Differ}]).append_attribute("class") =
        same ? "same" : "differ";
    pugi::xml_node list;
    for (std::size_t i = 0; i < differences.size(); ++i) {
        if (i == 0 || differences[i].area != differences[i - 1].area) {
            add_element(body, "h2", Area_Title(differences[i].area, texts));
            list = add_element(body, "ul");
        }
        add_element(list, "li", Difference_Line(differences[i], texts));
    }
    return page.text();
}

} // namespace cfg::report
