#include "core/nmea/CodeCounts.h"

#include "core/nmea/SentenceCatalogue.h"

namespace cfg::nmea {

std::optional<std::size_t> Code_Counts::Count(const std::string& code) {
    if (const auto kept = places_.find(code); kept != places_.end()) {
        ++entries_[kept->second].count;
        return kept->second;
    }
    const bool in_catalogue = Find_Sentence(code) >= 1;
    if (!in_catalogue && others_kept_ == Other_Codes_Kept) {
        ++sentences_not_kept_;
        return std::nullopt;
    }
    others_kept_ += in_catalogue ? 0 : 1;
    places_.emplace(code, entries_.size());
    entries_.push_back({code, 1});
    return entries_.size() - 1;
}

} // namespace cfg::nmea
