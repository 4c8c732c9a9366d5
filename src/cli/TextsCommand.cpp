#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "cli/TextColumns.h"
#include "core/lang/LangFile.h"
#include "core/lang/LangFileLine.h"
#include "core/lang/Language.h"

namespace cfg::cli {

// A translator's starting point: the built-in texts, or a language file applied over them. A
// named language whose file cannot be read is an error here, not the silent English fallback of
// the start, so that a typing error in the name does not pass for a translation.
int run_texts(Context& context) {
    if (context.invocation.has("--english-file")) {
        context.out << Builtin_Language_File();
        return Exit_Done;
    }
    Lang_Strings texts = default_texts();
    if (const std::optional<std::string> name = context.invocation.value("--language"))
        Load_Lang_File(texts, Language_File(context.app.language_folders(), *name));
    write_lines(context.out, Lang_File_Lines(texts));
    return Exit_Done;
}

} // namespace cfg::cli
