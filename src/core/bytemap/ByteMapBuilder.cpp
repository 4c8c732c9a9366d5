#include "core/bytemap/ByteMapBuilder.h"

#include "core/bytemap/BlockTexts.h"
#include "core/ethercat/ImageTexts.h"
#include "core/lang/EtherCATTexts.h"
#include "core/lang/ListenerTexts.h"
#include "core/nmea/ArrayMarks.h"
#include "core/nmea/ListenerPositions.h"

#include <algorithm>

namespace cfg::bytemap {
namespace {

constexpr int Cell_Width = 32; // a byte; a bit is an eighth of it
constexpr int Bit_Width = Cell_Width / 8;
constexpr int Tick_Width = 2;
constexpr int Margin = 8;
constexpr int Left = 56; // room for the line's first byte number
constexpr int Legend_Height = 24;
constexpr int Top = Legend_Height + 16; // the legend, then the column numbers
constexpr int Lane_Height = 20;
constexpr int Lane_Gap = 2;
constexpr int Line_Height = 2 * Lane_Height + Lane_Gap + 8;
constexpr int Text_Baseline = 14; // from the top of a lane
constexpr int Swatch_Size = 12;

int lane_top(Map_Lane lane, std::int64_t line) {
    return Top + static_cast<int>(line) * Line_Height +
           (lane == Map_Lane::Variables ? Lane_Height + Lane_Gap : 0);
}

int byte_x(std::int64_t byte) {
    return Left + static_cast<int>(byte % Bytes_Per_Line) * Cell_Width;
}

// The pieces of the bytes first to last within the map, one per line they cross.
std::vector<Map_Rect> span_pieces(Map_Lane lane, std::int64_t first, std::int64_t last, std::int64_t end) {
    std::vector<Map_Rect> pieces;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, end - 1);
    while (first <= last) {
        const std::int64_t line_last = std::min(last, first - first % Bytes_Per_Line + Bytes_Per_Line - 1);
        pieces.push_back(Lane_Rect(lane, first, line_last));
        first = line_last + 1;
    }
    return pieces;
}

// The byte after the last one the map shows.
std::int64_t map_end(const Map_Content& content) {
    std::int64_t end = std::max<std::int64_t>(nmea::NMEA_Array_Size, content.image.size);
    for (const nmea::Array_Field& field : content.fields)
        end = std::max(end, field.last_byte() + 1);
    for (const ethercat::Variable_Place& place : content.image.places)
        end = std::max(end, place.position + std::max<std::int64_t>(place.size, 1));
    return std::min(end, Map_Byte_Limit);
}

class Builder {
public:
    Builder(const Map_Content& content, const Lang_Strings& texts)
        : content_(content), texts_(texts), end_(map_end(content)),
          lines_((end_ + Bytes_Per_Line - 1) / Bytes_Per_Line) {
        map_.width = Left + Bytes_Per_Line * Cell_Width + Margin;
        map_.height = Top + static_cast<int>(lines_) * Line_Height;
    }

    Byte_Map build() {
        add_legend();
        add_lines();
        add_bit_bytes();
        for (const nmea::Array_Field& field : content_.fields)
            add_block(Map_Lane::Listener, field.row, nmea::Is_Marked(field), Field_Hover(field, texts_),
                      Field_Label(field),
                      span_pieces(Map_Lane::Listener, field.first_byte, field.last_byte(), end_),
                      palette::Row_Colour(field.row));
        for (const ethercat::Variable_Place& place : content_.image.places)
            if (place.enabled)
                add_block(Map_Lane::Variables, place.row, false, Variable_Hover(place, texts_),
                          Variable_Label(place), variable_pieces(place),
                          place.is_bit || place.size > 0 ? palette::Row_Colour(place.row)
                                                         : palette::Block_Border);
        add_overlaps();
        return std::move(map_);
    }

private:
    void add_text(std::string text, int x, int baseline, Map_Rect clip,
                  Text_Anchor anchor = Text_Anchor::Start, Rgb colour = palette::Text) {
        map_.texts.push_back({std::move(text), x, baseline, anchor, clip, colour});
    }

    void add_legend_entry(int x, Rgb lane_fill, int caption) {
        const int top = (Legend_Height - Swatch_Size) / 2;
        map_.boxes.push_back({{x, top, Swatch_Size, Swatch_Size}, lane_fill, palette::Lane_Border, {}, 1});
        const int text_x = x + Swatch_Size + 6;
        add_text(texts_[caption], text_x, top + Swatch_Size - 1,
                 {text_x, 0, Bytes_Per_Line / 2 * Cell_Width - Swatch_Size - 12, Legend_Height});
    }

    void add_legend() {
        add_legend_entry(Left, palette::Array_Lane, listener_text::Array_Caption);
        add_legend_entry(Left + Bytes_Per_Line / 2 * Cell_Width, palette::Image_Lane,
                         ethercat_text::Image_Caption);
        for (int column = 0; column < Bytes_Per_Line; column += 8)
            add_text(std::to_string(column), byte_x(column) + 2, Top - 4,
                     {byte_x(column), Legend_Height, 8 * Cell_Width, Top - Legend_Height}, Text_Anchor::Start,
                     palette::Faint_Text);
    }

    void add_lines() {
        for (std::int64_t line = 0; line < lines_; ++line) {
            const std::int64_t first = line * Bytes_Per_Line;
            const std::int64_t last = first + Bytes_Per_Line - 1;
            const int array_top = lane_top(Map_Lane::Listener, line);
            add_text(std::to_string(first), Left - 6, array_top + Text_Baseline,
                     {0, array_top, Left, Lane_Height}, Text_Anchor::End, palette::Faint_Text);
            for (const auto& [lane, fill] : {std::pair{Map_Lane::Listener, palette::Array_Lane},
                                             std::pair{Map_Lane::Variables, palette::Image_Lane}})
                map_.boxes.push_back({Lane_Rect(lane, first, last), fill, palette::Lane_Border, {}, 1});
            const std::int64_t outside = std::max<std::int64_t>(first, nmea::NMEA_Array_Size);
            if (outside <= last)
                map_.boxes.push_back(
                    {Lane_Rect(Map_Lane::Listener, outside, last), {}, {}, palette::Outside_Hatch, 1});
        }
    }

    // The bytes that hold "Bool" bits are drawn as empty bytes first, so their free bits show.
    void add_bit_bytes() {
        std::int64_t drawn = -1;
        for (const ethercat::Variable_Place& place : content_.image.places) {
            if (!place.is_bit || place.position == drawn || place.position >= end_)
                continue;
            drawn = place.position;
            map_.boxes.push_back({Lane_Rect(Map_Lane::Variables, drawn, drawn),
                                  palette::Background,
                                  palette::Lane_Border,
                                  {},
                                  1});
        }
    }

    std::vector<Map_Rect> variable_pieces(const ethercat::Variable_Place& place) const {
        if (place.position < 0 || place.position >= end_)
            return {};
        Map_Rect byte = Lane_Rect(Map_Lane::Variables, place.position, place.position);
        if (place.is_bit)
            return {{byte.x + place.bit * Bit_Width, byte.y, Bit_Width, byte.height}};
        if (place.size <= 0)
            return {{byte.x - Tick_Width / 2, byte.y, Tick_Width, byte.height}};
        return span_pieces(Map_Lane::Variables, place.position, place.position + place.size - 1, end_);
    }

    void add_block(Map_Lane lane, int row, bool marked, std::string hover, const std::string& label,
                   std::vector<Map_Rect> pieces, Rgb fill) {
        for (const Map_Rect& piece : pieces) {
            // Slivers and ticks are too narrow for an outline or a label.
            if (piece.width < Cell_Width) {
                map_.boxes.push_back({piece, fill, {}, {}, 1});
                continue;
            }
            map_.boxes.push_back(
                {piece, fill, marked ? palette::Warning : palette::Block_Border, {}, marked ? 2 : 1});
            add_label(label, piece);
        }
        map_.blocks.push_back({lane, row, marked, std::move(hover), std::move(pieces)});
    }

    // A label takes the part of its piece that no earlier label holds, from its start to the next
    // label, so rows sharing bytes are not written over each other. Where no byte of room is left
    // (two rows at the same bytes), it joins the label that holds its start.
    void add_label(const std::string& label, const Map_Rect& piece) {
        Map_Rect room = piece;
        for (const Label_Place& held : labels_) {
            if (held.room.y != room.y)
                continue;
            const int held_end = held.room.x + held.room.width;
            const int room_end = room.x + room.width;
            if (held.room.x <= room.x && held_end > room.x)
                room = {held_end, room.y, room_end - held_end, room.height};
            else if (held.room.x > room.x && held.room.x < room_end)
                room.width = held.room.x - room.x;
        }
        if (room.width >= Cell_Width) {
            labels_.push_back({room, map_.texts.size()});
            add_text(label, room.x + 3, room.y + Text_Baseline, room);
            return;
        }
        for (const Label_Place& held : labels_)
            if (held.room.y == piece.y && held.room.x <= piece.x && held.room.x + held.room.width > piece.x) {
                map_.texts[held.text].text += " / " + label;
                return;
            }
    }

    // Hatching goes over the blocks, so the shared bytes show whichever field was drawn last.
    void add_overlaps() {
        const std::vector<nmea::Array_Field>& fields = content_.fields;
        for (std::size_t a = 0; a < fields.size(); ++a)
            for (std::size_t b = a + 1; b < fields.size(); ++b) {
                const std::int64_t first = std::max(fields[a].first_byte, fields[b].first_byte);
                const std::int64_t last = std::min(fields[a].last_byte(), fields[b].last_byte());
                for (const Map_Rect& piece : span_pieces(Map_Lane::Listener, first, last, end_))
                    map_.boxes.push_back({piece, {}, palette::Warning, palette::Warning, 2});
            }
    }

    struct Label_Place {
        Map_Rect room;
        std::size_t text; // in map_.texts
    };

    const Map_Content& content_;
    const Lang_Strings& texts_;
    std::vector<Label_Place> labels_;
    std::int64_t end_;
    std::int64_t lines_;
    Byte_Map map_;
};

} // namespace

Map_Rect Lane_Rect(Map_Lane lane, std::int64_t first, std::int64_t last) {
    return {byte_x(first), lane_top(lane, first / Bytes_Per_Line),
            static_cast<int>(last - first + 1) * Cell_Width, Lane_Height};
}

Byte_Map Build_Byte_Map(const Map_Content& content, const Lang_Strings& texts) {
    return Builder(content, texts).build();
}

} // namespace cfg::bytemap
