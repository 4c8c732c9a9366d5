#pragma once

#include "core/nmea/NmeaSentence.h"
#include "core/preview/CaptureSurvey.h"
#include "core/preview/ConverterModel.h"

#include <string_view>

namespace cfg::preview {

// One run of the preview, fed line by line as a log plays or a port receives: the converter model,
// the survey of what came (for learning rows) and the counts of the lines.
class Preview_Session {
public:
    explicit Preview_Session(std::vector<image::Listener_Image_Row> rows) : model_(std::move(rows)) {}

    // A line as Log_Lines hands it on.
    void Take_Line(std::string_view line, bool cut);

    const Converter_Model& model() const { return model_; }
    const Capture_Survey& survey() const { return survey_; }
    const nmea::Log_Summary& summary() const { return reader_.summary(); }

private:
    Converter_Model model_;
    Capture_Survey survey_;
    nmea::Log_Reader reader_;
};

} // namespace cfg::preview
