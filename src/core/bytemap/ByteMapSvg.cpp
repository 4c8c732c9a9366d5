#include "core/bytemap/ByteMapSvg.h"

#include <pugixml.hpp>

#include <set>
#include <sstream>

namespace cfg::bytemap {
namespace {

// The pattern of a hatch colour, by its "#rrggbb".
std::string hatch_id(const std::string& colour) {
    return "hatch-" + colour.substr(1);
}

void set_rect(pugi::xml_node node, const Map_Rect& rect) {
    node.append_attribute("x") = rect.x;
    node.append_attribute("y") = rect.y;
    node.append_attribute("width") = rect.width;
    node.append_attribute("height") = rect.height;
}

void add_hatch_patterns(pugi::xml_node svg, const Byte_Map& map) {
    std::set<std::string> colours;
    for (const Map_Box& box : map.boxes)
        if (box.hatch)
            colours.insert(Hex(*box.hatch));
    if (colours.empty())
        return;
    pugi::xml_node defs = svg.append_child("defs");
    for (const std::string& colour : colours) {
        pugi::xml_node pattern = defs.append_child("pattern");
        pattern.append_attribute("id") = hatch_id(colour).c_str();
        pattern.append_attribute("width") = 6;
        pattern.append_attribute("height") = 6;
        pattern.append_attribute("patternUnits") = "userSpaceOnUse";
        pattern.append_attribute("patternTransform") = "rotate(45)";
        pugi::xml_node line = pattern.append_child("line");
        line.append_attribute("x1") = 0;
        line.append_attribute("y1") = 0;
        line.append_attribute("x2") = 0;
        line.append_attribute("y2") = 6;
        line.append_attribute("stroke") = colour.c_str();
        line.append_attribute("stroke-width") = 2;
    }
}

// A hatched box is drawn twice: its fill and outline, then the hatching over them.
void add_box(pugi::xml_node svg, const Map_Box& box) {
    pugi::xml_node rect = svg.append_child("rect");
    set_rect(rect, box.rect);
    rect.append_attribute("fill") = box.fill ? Hex(*box.fill).c_str() : "none";
    if (box.stroke) {
        rect.append_attribute("stroke") = Hex(*box.stroke).c_str();
        rect.append_attribute("stroke-width") = box.stroke_width;
    }
    if (box.hatch) {
        pugi::xml_node hatch = svg.append_child("rect");
        set_rect(hatch, box.rect);
        hatch.append_attribute("fill") = ("url(#" + hatch_id(Hex(*box.hatch)) + ")").c_str();
    }
}

// A nested viewport cuts the text at its clip rectangle.
void add_text(pugi::xml_node svg, const Map_Text& text) {
    pugi::xml_node viewport = svg.append_child("svg");
    set_rect(viewport, text.clip);
    pugi::xml_node node = viewport.append_child("text");
    node.append_attribute("x") = text.x - text.clip.x;
    node.append_attribute("y") = text.baseline - text.clip.y;
    node.append_attribute("fill") = Hex(text.colour).c_str();
    if (text.anchor == Text_Anchor::End)
        node.append_attribute("text-anchor") = "end";
    node.text().set(text.text.c_str());
}

// Invisible shapes over the blocks carry their hover texts as titles.
void add_block_titles(pugi::xml_node svg, const Byte_Map& map) {
    pugi::xml_node layer = svg.append_child("g");
    layer.append_attribute("fill") = "#000000";
    layer.append_attribute("fill-opacity") = 0;
    for (const Map_Block& block : map.blocks) {
        if (block.pieces.empty())
            continue;
        pugi::xml_node group = layer.append_child("g");
        group.append_child("title").text().set(block.hover.c_str());
        for (const Map_Rect& piece : block.pieces)
            set_rect(group.append_child("rect"), piece);
    }
}

} // namespace

std::string Byte_Map_Svg(const Byte_Map& map) {
    pugi::xml_document doc;
    pugi::xml_node svg = doc.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    svg.append_attribute("width") = map.width;
    svg.append_attribute("height") = map.height;
    svg.append_attribute("viewBox") =
        ("0 0 " + std::to_string(map.width) + " " + std::to_string(map.height)).c_str();
    svg.append_attribute("font-family") = "sans-serif";
    svg.append_attribute("font-size") = map.font_size;
    add_hatch_patterns(svg, map);
    add_box(svg, {{0, 0, map.width, map.height}, palette::Background, {}, {}, 1});
    for (const Map_Box& box : map.boxes)
        add_box(svg, box);
    for (const Map_Text& text : map.texts)
        add_text(svg, text);
    add_block_titles(svg, map);
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_indent);
    return out.str();
}

} // namespace cfg::bytemap
