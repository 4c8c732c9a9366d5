// Language files: any bytes overlay the catalogue, and every text they change, written as a line of
// a language file, reads back the same whatever was loaded before. (The built-in texts do not depend
// on the input; their lines are the unit tests' business.)
#include "FuzzInput.h"
#include "core/lang/LangFile.h"
#include "core/lang/LangFileLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cfg::Lang_Strings builtin = cfg::default_texts();
    cfg::Lang_Strings loaded = builtin;
    cfg::Load_Lang_Bytes(loaded, cfg::fuzz::as_text(data, size));

    std::string written;
    for (int index = 0; index < cfg::Lang_Strings::size(); ++index) {
        if (loaded[index] != builtin[index])
            written += cfg::Lang_File_Line(index, loaded[index]) + "\r\n";
    }
    cfg::Lang_Strings reloaded;
    cfg::Load_Lang_Bytes(reloaded, written);
    for (int index = 0; index < cfg::Lang_Strings::size(); ++index) {
        if (loaded[index] != builtin[index])
            cfg::fuzz::require(reloaded[index] == loaded[index], "a written text reads back the same");
    }
    return 0;
}
