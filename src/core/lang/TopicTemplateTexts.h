#pragma once

// The texts of the window that edits a topic or a template, from its block of the catalogue, by
// index.
namespace cfg::topic_template_text {

enum : int {
    Topic_Title = 1400,
    Template_Title,
    Topic_Description,
    Template_Description,
    Keywords_Label,
    Keyword_Header,
    Keyword_Description_Header,
    OK,
    Cancel,
};

} // namespace cfg::topic_template_text
