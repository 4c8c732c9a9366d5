#include "core/ethercat/EsiFile.h"

#include "core/common/SafeFile.h"
#include "core/ethercat/EsiIcon.h"
#include "core/ethercat/EsiText.h"

#include <initializer_list>
#include <string_view>

namespace cfg::ethercat {
namespace {

// What tells the outputs' objects from the inputs'.
struct Pdo_Kind {
    std::string_view element;
    std::string_view sync_manager;
    std::uint32_t index_base;
    std::string_view name_prefix;
    std::uint32_t entry_index_base;
};

constexpr Pdo_Kind Outputs{"RxPdo", "2", 0x1600, "Outputs_", 0x7000};
constexpr Pdo_Kind Inputs{"TxPdo", "3", 0x1A00, "Inputs_", 0x6000};

// The file's text, written line by line straight into one string: indent, pieces, CR LF.
class Lines {
public:
    explicit Lines(std::size_t expected_size) { text_.reserve(expected_size); }

    void add(int blanks, std::string_view text) { add_indented(blanks, ' ', {text}); }
    void add(int blanks, std::initializer_list<std::string_view> pieces) {
        add_indented(blanks, ' ', pieces);
    }
    void add_tabbed(int tabs, std::string_view text) { add_indented(tabs, '\t', {text}); }
    void add_tabbed(int tabs, std::initializer_list<std::string_view> pieces) {
        add_indented(tabs, '\t', pieces);
    }
    void add_empty() { text_ += "\r\n"; }
    std::string take() { return std::move(text_); }

private:
    void add_indented(int count, char indent, std::initializer_list<std::string_view> pieces) {
        text_.append(static_cast<std::size_t>(count), indent);
        for (std::string_view piece : pieces)
            text_ += piece;
        text_ += "\r\n";
    }

    std::string text_;
};

void add_entry(Lines& lines, const Pdo_Kind& kind, std::size_t i, const TEtherCAT_Rule& rule) {
    lines.add(10, "<Entry>");
    lines.add(12,
              {"<Index>#x", hex_upper(kind.entry_index_base + static_cast<std::uint32_t>(i), 4), "</Index>"});
    lines.add(12, "<SubIndex>0</SubIndex>");
    lines.add(12, {"<BitLen>", std::to_string(rule.Length), "</BitLen>"});
    lines.add(12, {"<Name>", esi_escaped(rule.Name), "</Name>"});
    lines.add(12, {"<DataType>", rule.DataType, "</DataType>"});
    lines.add(10, "</Entry>");
    lines.add_empty();
}

void add_padding(Lines& lines, int bits) {
    lines.add_tabbed(5, "<Entry>");
    lines.add_tabbed(6, "<Index>#x0</Index>");
    lines.add_tabbed(6, "<SubIndex>0</SubIndex>");
    lines.add_tabbed(6, {"<BitLen>", std::to_string(bits), "</BitLen>"});
    lines.add_tabbed(5, "</Entry>");
    lines.add_empty();
}

// Objects of at most 16 entries; a run of bits is padded to its byte's end where it stops, but
// goes on into the next object across the boundary.
void add_pdos(Lines& lines, const Pdo_Kind& kind, const std::vector<TEtherCAT_Rule>& entries) {
    int object = 0;
    int free_bits = 8;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i % 16 == 0) {
            lines.add(
                8, {"<", kind.element, " Mandatory=\"true\" Fixed=\"true\" Sm=\"", kind.sync_manager, "\">"});
            lines.add(10, {"<Index>#x", hex_upper(kind.index_base + static_cast<std::uint32_t>(object), 4),
                           "</Index>"});
            lines.add(10, {"<Name>", kind.name_prefix, Pdo_Number_Text(object), "</Name>"});
            lines.add_empty();
            ++object;
        }
        add_entry(lines, kind, i, entries[i]);
        if (entries[i].DataType != "BIT") {
            free_bits = 8;
        } else if (--free_bits == 0) {
            free_bits = 8;
        } else if (i + 1 == entries.size() || entries[i + 1].DataType != "BIT") {
            add_padding(lines, free_bits);
            free_bits = 8;
        }
        if (i % 16 == 15)
            lines.add(8, {"</", kind.element, ">"});
    }
    if (entries.size() % 16 != 0)
        lines.add(8, {"</", kind.element, ">"});
}

std::string config_data(std::uint16_t node_address) {
    // The node address goes low byte first.
    const std::string low = hex_upper(node_address & 0xFFu, 2);
    const std::string high = hex_upper(static_cast<std::uint32_t>(node_address >> 8), 2);
    return "800F00CC8813ff00" + low + high + "00800000";
}

} // namespace

std::string Pdo_Number_Text(int n) {
    std::string text = std::to_string(n);
    if (text.size() < 3)
        text.insert(0, 3 - text.size(), '0');
    return text;
}

std::string sync_manager2_address(std::int64_t inputs_size) {
    const std::int64_t buffers = 3 * inputs_size;
    // Rounded up towards the next multiple of 4, also for a negative size from a hand-made file.
    const std::int64_t rounded = buffers >= 0 ? (buffers + 3) / 4 * 4 : -(-buffers / 4 * 4);
    return hex_upper(static_cast<std::uint32_t>((0x1000 + rounded) & 0xFFFFFFFF), 4);
}

std::string ESI_File_Text(const ESI_Sources& sources) {
    const std::string image = "<ImageData16x14>" + esi_icon_hex() + "</ImageData16x14>";
    const std::string name = esi_escaped(sources.ESI_Device_Name);
    // Room for the fixed lines and about 250 bytes an entry, so that the text seldom grows.
    const std::size_t entries = sources.ESI_Inputs.size() + sources.ESI_Outputs.size();
    Lines lines(3 * image.size() + 4096 + 256 * entries);
    lines.add(0, "<?xml version=\"1.0\"?>");
    lines.add(0, "<EtherCATInfo xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                 "xsi:noNamespaceSchemaLocation=\"EtherCATInfo.xsd\" Version=\"1.6\">");
    lines.add(2, "<Vendor>");
    lines.add(4, {"<Id>#x", ESI_Vendor_Id, "</Id>"});
    lines.add(4, {"<Name>", ESI_Vendor_Name, "</Name>"});
    lines.add(4, image);
    lines.add(2, "</Vendor>");
    lines.add(2, "<Descriptions>");
    lines.add(4, "<Groups>");
    lines.add(6, "<Group SortOrder=\"0\">");
    lines.add(8, "<Type>Brimlow Slaves</Type>");
    lines.add(8, "<Name LcId=\"1031\">Brimlow Slaves</Name>");
    lines.add(8, "<Name LcId=\"1033\">Brimlow Slaves</Name>");
    lines.add(8, image);
    lines.add(6, "</Group>");
    lines.add(4, "</Groups>");
    lines.add(4, "<Devices>");
    lines.add(6, "<Device Physics=\"YY\">");
    lines.add(8, {"<Type ProductCode=\"#x", sources.ESI_Product_Code, "\" RevisionNo=\"#x",
                  hex_upper(sources.ESI_Revision_Number, 2), "\">", name, "</Type>"});
    lines.add(8, {"<Name LcId=\"1033\">", name, "</Name>"});
    lines.add(8, {"<Name LcId=\"1031\">", name, "</Name>"});
    lines.add(8, "<Info>");
    lines.add(10, "<StateMachine>");
    lines.add(12, "<Timeout>");
    lines.add(14, "<PreopTimeout>2000</PreopTimeout>");
    lines.add(14, "<SafeopOpTimeout>9000</SafeopOpTimeout>");
    lines.add(14, "<BackToInitTimeout>5000</BackToInitTimeout>");
    lines.add(14, "<BackToSafeopTimeout>200</BackToSafeopTimeout>");
    lines.add(12, "</Timeout>");
    lines.add(10, "</StateMachine>");
    lines.add(10, "<Mailbox>");
    lines.add(12, "<Timeout>");
    lines.add(14, "<RequestTimeout>100</RequestTimeout>");
    lines.add(14, "<ResponseTimeout>2000</ResponseTimeout>");
    lines.add(12, "</Timeout>");
    lines.add(10, "</Mailbox>");
    lines.add(10, "<IdentificationReg134>true</IdentificationReg134>");
    lines.add(8, "</Info>");
    lines.add(8, "<GroupType>Brimlow Slaves</GroupType>");
    lines.add(8, "<Fmmu>Outputs</Fmmu>");
    lines.add(8, "<Fmmu>Inputs</Fmmu>");
    lines.add(
        8, "<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x26\" "
           "Enable=\"0\">MBoxOut</Sm>");
    lines.add(
        8, "<Sm MinSize=\"0\" MaxSize=\"0\" DefaultSize=\"0\" StartAddress=\"#x1FFF\" ControlByte=\"#x22\" "
           "Enable=\"0\">MBoxIn</Sm>");
    lines.add(8, {"<Sm StartAddress=\"#x", sync_manager2_address(sources.ESI_Inputs_Size),
                  "\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>"});
    lines.add(8,
              "<Sm StartAddress=\"#x1000\" ControlByte=\"#x20\" DefaultSize=\"1\" Enable=\"1\">Inputs</Sm>");
    add_pdos(lines, Outputs, sources.ESI_Outputs);
    add_pdos(lines, Inputs, sources.ESI_Inputs);
    lines.add(8, "<Mailbox DataLinkLayer=\"true\">");
    lines.add(10, "<EoE />");
    lines.add(10, "<CoE SdoInfo=\"true\" SegmentedSdo=\"true\" CompleteAccess=\"true\" />");
    lines.add(10, "<FoE />");
    lines.add(8, "</Mailbox>");
    lines.add(8, "<Dc>");
    lines.add(10, "<OpMode>");
    lines.add(12, "<Name>Synchron</Name>");
    lines.add(12, "<Desc>SM-Synchron</Desc>");
    lines.add(12, "<AssignActivate>#x0</AssignActivate>");
    lines.add(12, "<CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>");
    lines.add(12, "<ShiftTimeSync0>0</ShiftTimeSync0>");
    lines.add(12, "<CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>");
    lines.add(10, "</OpMode>");
    lines.add(10, "<OpMode>");
    lines.add(12, "<Name>DC</Name>");
    lines.add(12, "<Desc>DC-Synchron</Desc>");
    lines.add(12, "<AssignActivate>#x300</AssignActivate>");
    lines.add(12, "<CycleTimeSync0 Factor=\"1\">0</CycleTimeSync0>");
    lines.add(12, "<ShiftTimeSync0>0</ShiftTimeSync0>");
    lines.add(12, "<CycleTimeSync1 Factor=\"1\">0</CycleTimeSync1>");
    lines.add(10, "</OpMode>");
    lines.add(8, "</Dc>");
    lines.add(8, "<Eeprom>");
    lines.add(10, "<ByteSize>2048</ByteSize>");
    lines.add(10, {"<ConfigData>", config_data(sources.ESI_Node_Address), "</ConfigData>"});
    lines.add(8, "</Eeprom>");
    lines.add(8, image);
    lines.add(6, "</Device>");
    lines.add(4, "</Devices>");
    lines.add(2, "</Descriptions>");
    lines.add(0, "</EtherCATInfo>");
    return lines.take();
}

void Write_ESI_File(const ESI_Sources& sources, const std::filesystem::path& file) {
    write_file_safely(file, ESI_File_Text(sources));
}

ESI_Sources Create_ESI_File(const std::filesystem::path& file_pargen,
                            const std::filesystem::path& file_ethercat_slave,
                            const std::filesystem::path& file) {
    ESI_Sources sources = Load_ESI_Sources(file_pargen, file_ethercat_slave);
    Write_ESI_File(sources, file);
    return sources;
}

} // namespace cfg::ethercat
