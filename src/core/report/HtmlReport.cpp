#include "core/report/HtmlReport.h"

#include "core/app/Application.h"
#include "core/app/EsiStep.h"
#include "core/bytemap/ByteMapBuilder.h"
#include "core/bytemap/ByteMapSvg.h"
#include "core/common/ModelIdentity.h"
#include "core/common/PathText.h"
#include "core/common/UtcTime.h"
#include "core/ethercat/EsiSources.h"
#include "core/ethercat/EsiText.h"
#include "core/ethercat/ProcessImage.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/lang/EtherCATTexts.h"
#include "core/lang/ListenerTexts.h"
#include "core/lang/MainWindowTexts.h"
#include "core/lang/ParameterTexts.h"
#include "core/lang/TopicTexts.h"
#include "core/nmea/ArrayLayout.h"
#include "core/nmea/ArrayMarks.h"
#include "core/report/ConfigurationContent.h"
#include "core/report/ParameterList.h"
#include "core/report/ReportPage.h"
#include "core/report/ReportTexts.h"

#include <pugixml.hpp>

#include <vector>

namespace cfg::report {
namespace {

using Cells = std::vector<std::string>;

// Label and value, a row each.
void add_fields(pugi::xml_node parent, const std::vector<std::pair<std::string, std::string>>& fields) {
    pugi::xml_node table = add_element(parent, "table");
    for (const auto& [label, value] : fields) {
        pugi::xml_node row = add_element(table, "tr");
        add_element(row, "th", label);
        add_element(row, "td", value);
    }
}

struct Grid_Row {
    Cells cells;
    bool marked = false;
};

// Its header repeats on every printed page.
void add_grid(pugi::xml_node parent, const Cells& headers, const std::vector<Grid_Row>& rows) {
    pugi::xml_node table = add_element(parent, "table");
    pugi::xml_node header = add_element(add_element(table, "thead"), "tr");
    for (const std::string& text : headers)
        add_element(header, "th", text);
    pugi::xml_node body = add_element(table, "tbody");
    for (const Grid_Row& row : rows) {
        pugi::xml_node line = add_element(body, "tr");
        for (const std::string& text : row.cells) {
            pugi::xml_node cell = add_element(line, "td", text);
            if (row.marked)
                cell.append_attribute("class") = "marked";
        }
    }
}

class Report_Writer {
public:
    Report_Writer(const Application& app, const Configuration_Content& content,
                  const Byte_Map_Pictures& pictures)
        : app_(app), texts_(app.Lang_Strings), content_(content), pictures_(pictures) {}

    void identity(pugi::xml_node body, std::chrono::system_clock::time_point now) const {
        add_element(body, "h1", texts_[text::Report_Title]);
        add_fields(body, {{texts_[text::Configuration], app_.Name_Project},
                          {texts_[text::Date_And_Time], Utc_Time_Text(now)},
                          {texts_[text::Program_Version],
                           std::string(SW_Code) + " " + std::string(Program_Version)}});
    }

    void parameters(pugi::xml_node body) const {
        add_element(body, "h2", texts_[parameter_text::Title]);
        for (const Parameter_Group& group : Parameter_Groups(content_.parameters, texts_)) {
            // The values the screen does not show are not the user's to check.
            if (group.caption.empty())
                continue;
            add_element(body, "h3", group.caption);
            std::vector<std::pair<std::string, std::string>> fields;
            for (const Parameter_Entry& entry : group.entries)
                fields.emplace_back(entry.label, entry.value);
            add_fields(body, fields);
        }
    }

    void listeners(pugi::xml_node body) const {
        using C = nmea::Listener_Column;
        add_element(body, "h2", texts_[main_window_text::Listener_Caption]);
        const nmea::Listener_Table& table = content_.listeners;
        const int shown = Listener_Rows_Shown(table);
        if (shown == 0) {
            add_element(body, "p", texts_[listener_text::None]);
            return;
        }
        const std::vector<nmea::Array_Field> fields = nmea::Array_Layout(table);
        const std::vector<nmea::Row_Place> places = nmea::Row_Places(fields, texts_);
        constexpr C text_columns[] = {C::Sentence, C::Index, C::DataField, C::PortOperation};
        const auto header = [&](C column) {
            return texts_[nmea::Listener_Columns()[static_cast<std::size_t>(column)].header_text];
        };
        Cells headers = {header(C::Number), header(C::Enable)};
        for (C column : text_columns)
            headers.push_back(header(column));
        headers.insert(headers.end(),
                       {header(C::SwapAll), header(C::Swap16), header(C::Position),
                        texts_[listener_text::Bytes_Header], header(C::Mnemonic), texts_[text::Warnings]});
        std::vector<Grid_Row> rows;
        for (int row = 1; row <= shown; ++row) {
            const nmea::Row_Place& place = places[static_cast<std::size_t>(row)];
            Cells cells = {std::to_string(row), flag(table.is_checked(row, C::Enable))};
            for (C column : text_columns)
                cells.push_back(table.text(row, column));
            cells.insert(cells.end(), {flag(table.is_checked(row, C::SwapAll)),
                                       flag(table.is_checked(row, C::Swap16)), table.text(row, C::Position),
                                       place.bytes, table.text(row, C::Mnemonic), place.marks});
            rows.push_back({std::move(cells), !place.marks.empty()});
        }
        add_grid(body, headers, rows);
        add_element(body, "p", nmea::Array_Status(fields, texts_));
    }

    void variables(pugi::xml_node body) const {
        add_element(body, "h2", texts_[main_window_text::EtherCAT_Caption]);
        variable_table(body, content_.variables.slave_to_master, true);
        // This model sends nothing from the master, but a file may still hold such rows for the ESI file.
        if (ethercat::used_row_count(content_.variables.master_to_slave) > 0)
            variable_table(body, content_.variables.master_to_slave, false);
    }

    void byte_map(pugi::xml_node body) const {
        add_element(body, "h2", texts_[text::Byte_Map]);
        const bytemap::Byte_Map map =
            bytemap::Build_Byte_Map({nmea::Array_Layout(content_.listeners),
                                     ethercat::Process_Image_Layout(content_.variables.slave_to_master)},
                                    texts_);
        pugi::xml_node frame = add_element(body, "div");
        frame.append_attribute("class") = "byte-map";
        if (pictures_) {
            for (const Report_Picture& picture : pictures_(map)) {
                pugi::xml_node image = add_element(frame, "img");
                image.append_attribute("src") = picture.source.c_str();
                image.append_attribute("width") = picture.width;
                image.append_attribute("height") = picture.height;
                image.append_attribute("alt") = texts_[text::Byte_Map].c_str();
            }
            return;
        }
        const std::string svg = bytemap::Byte_Map_Svg(map);
        pugi::xml_document picture;
        picture.load_buffer(svg.data(), svg.size());
        frame.append_copy(picture.document_element());
    }

    void esi(pugi::xml_node body) const {
        add_element(body, "h2", texts_[main_window_text::ESI_Caption]);
        const ethercat::ESI_Sources sources =
            ethercat::Load_ESI_Sources(app_.File_ParGen, app_.File_EtherCAT_Slave);
        const std::optional<std::string> warning = ethercat::ESI_Step_Warning(app_);
        add_fields(body, {{texts_[text::Vendor], std::string(ethercat::ESI_Vendor_Name) + " (#x" +
                                                     std::string(ethercat::ESI_Vendor_Id) + ")"},
                          {texts_[text::Product_Code], "#x" + sources.ESI_Product_Code},
                          {texts_[parameter_text::Revision_Number],
                           "#x" + ethercat::hex_upper(sources.ESI_Revision_Number, 2)},
                          {texts_[parameter_text::Slave_Name], sources.ESI_Device_Name},
                          {texts_[text::Process_Image], warning.value_or(texts_[text::ESI_In_Step])}});
    }

    void banks(pugi::xml_node body) const {
        add_element(body, "h2", texts_[text::Compiled_Banks]);
        std::vector<Grid_Row> rows;
        for (const Bank_File_Info& bank : content_.banks) {
            const std::string name = utf8_path(bank.path.filename());
            if (!bank.present) {
                rows.push_back({{name, texts_[text::Not_Compiled], "", "", ""}});
                continue;
            }
            const std::string checksum = bank.decoding
                                             ? bank.own_checksum.value_or(texts_[listener_text::None])
                                             : texts_[text::Cannot_Be_Decoded] + bank.decode_failure;
            rows.push_back({{name, std::to_string(bank.size), bank.modified, checksum, bank.sha256},
                            !bank.decode_failure.empty()});
        }
        add_grid(body,
                 {texts_[text::File], texts_[text::Size], texts_[text::Modified], texts_[text::Bank_Checksum],
                  texts_[text::File_Sha256]},
                 rows);
    }

private:
    std::string flag(bool on) const { return texts_[on ? text::Yes : text::No]; }

    void variable_table(pugi::xml_node body, const Table& table, bool SlaveMaster) const {
        const auto& headers = SlaveMaster ? std::span<const int>(ethercat::Slave_To_Master_Headers)
                                          : std::span<const int>(ethercat::Master_To_Slave_Headers);
        add_element(body, "h3",
                    texts_[SlaveMaster ? ethercat_text::Slave_To_Master : ethercat_text::Master_To_Slave]);
        add_element(body, "p",
                    texts_[ethercat_text::Process_Image] +
                        std::to_string(ethercat::Process_Image_Layout(table).size) +
                        texts_[ethercat_text::Bytes_Unit]);
        const int used = ethercat::used_row_count(table);
        if (used == 0)
            return;
        Cells header_texts;
        for (int index : headers)
            header_texts.push_back(texts_[index]);
        std::vector<Grid_Row> rows;
        for (int row = 1; row <= used; ++row) {
            Cells cells;
            for (int column = 0; column < static_cast<int>(headers.size()); ++column) {
                if (column == ethercat::VariableColumn::Number)
                    cells.push_back(std::to_string(row));
                else if (column == ethercat::VariableColumn::Enable)
                    cells.push_back(flag(table.is_checked(row, column)));
                else
                    cells.push_back(ethercat::is_variable_text_shown(table, SlaveMaster, row, column)
                                        ? table.text(row, column)
                                        : std::string());
            }
            rows.push_back({std::move(cells)});
        }
        add_grid(body, header_texts, rows);
    }

    const Application& app_;
    const Lang_Strings& texts_;
    const Configuration_Content& content_;
    const Byte_Map_Pictures& pictures_;
};

} // namespace

std::string Configuration_Report_Html(const Application& app, std::chrono::system_clock::time_point now,
                                      const Byte_Map_Pictures& pictures) {
    const Configuration_Content content = Read_Configuration_Content(app.Path_Project);
    const Report_Writer writer(app, content, pictures);
    const Lang_Strings& texts = app.Lang_Strings;
    const Report_Page page(texts[text::Report_Title] + texts[listener_text::Label_Separator] +
                           app.Name_Project);
    const pugi::xml_node body = page.body();
    writer.identity(body, now);
    writer.parameters(body);
    writer.listeners(body);
    writer.variables(body);
    writer.byte_map(body);
    writer.esi(body);
    writer.banks(body);
    return page.text();
}

} // namespace cfg::report
