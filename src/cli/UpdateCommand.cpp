#include "cli/Command.h"
#include "cli/ConfigurationArgument.h"
#include "cli/ExitCode.h"
#include "cli/UpdateArguments.h"
#include "core/app/CompileConfiguration.h"
#include "core/app/EsiStep.h"
#include "core/image/UpdateSequence.h"
#include "core/image/UpdateTexts.h"
#include "platform/IcmpEcho.h"
#include "platform/ProgramRunner.h"
#include "platform/SleepingHost.h"
#include "platform/WineLauncher.h"

#include <optional>
#include <ostream>

namespace cfg::cli {
namespace {

// A long wait shows a line when it begins and then every 10 s.
constexpr std::int64_t Progress_Line_Ms = 10000;

// The terminal as the update's front end. It leaves the settings file alone, as every command does,
// so the address used is not remembered for the desktop program.
class Terminal_Host : public platform::SleepingHost {
public:
    Terminal_Host(const Lang_Strings& texts, std::ostream& err) : texts_(texts), err_(err) {}

    void progress(const image::Update_Progress& progress) override {
        const std::int64_t line = progress.elapsed_ms / Progress_Line_Ms;
        if (shown_phase_ == progress.phase && shown_line_ == line)
            return;
        shown_phase_ = progress.phase;
        shown_line_ = line;
        err_ << image::Progress_Status(texts_, progress) << ' ' << image::Progress_Seconds(texts_, progress)
             << '\n';
    }

    void device_answered(const image::Update_Request&) override {}

private:
    const Lang_Strings& texts_;
    std::ostream& err_;
    std::optional<image::Update_Phase> shown_phase_;
    std::int64_t shown_line_ = -1;
};

int exit_code_of(image::Update_Outcome outcome) {
    using image::Update_Outcome;
    switch (outcome) {
    case Update_Outcome::Updated:
        return Exit_Done;
    case Update_Outcome::Checked:
        return Exit_Only_Checked;
    case Update_Outcome::Check_Faults:
        return Exit_Check_Failed;
    case Update_Outcome::Stand_In_As_Updater:
        return Exit_Stand_In;
    case Update_Outcome::Files_Missing:
        return Exit_File;
    case Update_Outcome::Address_Unusable:
    case Update_Outcome::Device_Silent:
    case Update_Outcome::Icmp_Not_Permitted:
    case Update_Outcome::Given_Up:
        return Exit_No_Device;
    case Update_Outcome::Updater_Busy:
    case Update_Outcome::Updater_Missing:
    case Update_Outcome::Updater_Needs_Wine:
    case Update_Outcome::Updater_Not_Started:
    case Update_Outcome::Updater_Failed:
    case Update_Outcome::Updater_Crashed:
    case Update_Outcome::Updater_Still_Running:
        break;
    }
    return Exit_Not_Updated;
}

} // namespace

// Step 6 without a display, for updating converters from a script: the banks compiled, the device
// tested, the job written and the updater (with --check-only the check program) started and waited
// for, as the update dialog does. Only an update by the maker's updater that ended well exits 0.
int run_update(Context& context) {
    const int option = update_option(context.invocation);
    const std::string address = device_address(context, "--address");
    open_configuration(context.app, context.invocation.operands[0]);
    const Application& app = context.app;
    {
        // Not held while the updater runs: that takes minutes and writes nothing of the configuration.
        const Configuration_Lock lock = lock_configuration(app, context.err);
        image::Compile_Configuration(app);
    }
    if (const std::optional<std::string> warning = ethercat::ESI_Step_Warning(app))
        context.err << *warning << '\n';

    platform::IcmpEcho echo;
    platform::ProgramRunner ping;
    platform::ProgramRunner updater;
    Terminal_Host host(app.Lang_Strings, context.err);
    const image::Update_Request request{address, option, context.invocation.has("--read-back"),
                                        context.invocation.has("--check-only")};
    const image::Update_Result result = image::Run_Update(
        request, image::Job_Folders(app),
        {echo, ping, updater, image::Updater_Wait_Limit_Ms, platform::Wine_Launcher()}, host);
    context.err << image::Update_Message(app.Lang_Strings, result) << '\n';
    return exit_code_of(result.outcome);
}

} // namespace cfg::cli
