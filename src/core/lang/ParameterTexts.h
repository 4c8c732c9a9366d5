#pragma once

// The texts of the parameter screen, from its blocks of the catalogue, by index. The captions and
// hints of its rows are in the table of its groups.
namespace cfg::parameter_text {

enum : int {
    Title = 400,
    Description,
    OK,
    Cancel,
    OK_Hint,
    Cancel_Hint,
};

enum : int {
    Baudrate = 429,
    Parity,
    Stop_Bits,
};

enum : int {
    Collapse_Hint = 454,
    Expand_Hint,
};

enum : int {
    Ethernet = 517,
    IP_Address = 518,
    Subnet_Mask = 523,
    Gateway = 528,
    IP_Address_Octet_Invalid = 544, // the first of four, one for each octet
    Subnet_Mask_Octet_Invalid = 548,
    Gateway_Octet_Invalid = 552,
    Serial = 589,
};

enum : int {
    Ethernet_Connection = 1121,
    Device_Name = 1122,
    DHCP_Cable = 1124,
    DHCP_WiFi = 1126,
    Enable_DNS = 1128,
    Primary_DNS = 1130,
    Secondary_DNS = 1135,
    EtherCAT_Slave = 1140,
    Revision_Number = 1141,
    Slave_Name = 1143,
    Node_Address = 1145,
    Primary_DNS_Octet_Invalid = 1147, // the first of four, one for each octet
    Secondary_DNS_Octet_Invalid = 1151,
    Revision_Number_Invalid = 1155,
    Slave_Name_Empty,
    Node_Address_Invalid,
};

} // namespace cfg::parameter_text
