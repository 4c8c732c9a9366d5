#include "core/common/Csv.h"

#include "core/common/Text.h"
#include "core/common/Windows1252.h"

namespace cfg {
namespace {

std::string utf8_text_of(std::string_view bytes) {
    if (bytes.starts_with(Utf8_Bom))
        return std::string(bytes.substr(Utf8_Bom.size()));
    if (valid_utf8(bytes) == bytes)
        return std::string(bytes);
    return windows1252_to_utf8(bytes);
}

bool needs_quotes(std::string_view field, char delimiter) {
    if (field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) != std::string_view::npos)
        return true;
    return !field.empty() && (field.front() == ' ' || field.back() == ' ');
}

void append_field(std::string& out, std::string_view field, char delimiter) {
    if (!needs_quotes(field, delimiter)) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

// Walks the text record by record; the state of one field is whether it is inside quotes.
class Csv_Parser {
public:
    Csv_Parser(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

    Csv_Read read() {
        Csv_Read result;
        while (pos_ < text_.size()) {
            std::optional<Csv_Record> record = next_record();
            if (!record) {
                result.unclosed_quote_record = static_cast<int>(result.records.size()) + 1;
                break;
            }
            result.records.push_back(std::move(*record));
        }
        return result;
    }

private:
    // One record, the line break after it consumed; nothing when a quoted field runs to the end.
    std::optional<Csv_Record> next_record() {
        Csv_Record record(1);
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '"' && record.back().empty() && !field_quoted_) {
                if (!read_quoted(record.back()))
                    return std::nullopt;
                field_quoted_ = true;
                continue;
            }
            ++pos_;
            if (c == delimiter_) {
                record.emplace_back();
                field_quoted_ = false;
            } else if (c == '\n' || (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')) {
                pos_ += c == '\r' ? 1 : 0;
                break;
            } else {
                record.back() += c;
            }
        }
        field_quoted_ = false;
        return record;
    }

    // The quoted part of a field, from its opening quote past its closing one.
    bool read_quoted(std::string& field) {
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] != '"') {
                field += text_[pos_];
            } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                field += '"';
                ++pos_;
            } else {
                ++pos_;
                return true;
            }
        }
        return false;
    }

    std::string_view text_;
    char delimiter_;
    std::size_t pos_ = 0;
    bool field_quoted_ = false;
};

} // namespace

char Csv_Delimiter(std::string_view text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

Csv_Read Read_Csv(std::string_view bytes) {
    const std::string text = utf8_text_of(bytes);
    return Csv_Parser(text, Csv_Delimiter(text)).read();
}

Csv_Read Read_Csv(std::string_view bytes, char delimiter) {
    const std::string text = utf8_text_of(bytes);
    return Csv_Parser(text, delimiter).read();
}

std::string Csv_Bytes(const std::vector<Csv_Record>& records, char delimiter) {
    return std::string(Utf8_Bom) + Csv_Text(records, delimiter);
}

std::string Csv_Text(const std::vector<Csv_Record>& records, char delimiter) {
    std::string out;
    for (const Csv_Record& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0)
                out += delimiter;
            append_field(out, record[i], delimiter);
        }
        out += "\r\n";
    }
    return out;
}

} // namespace cfg
