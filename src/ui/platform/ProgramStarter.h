#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>

namespace ui {

// How long the tool waits for the external updater before it goes on without it.
inline constexpr int Updater_Wait_Limit_Ms = 150000;

enum class Start_Outcome { Not_Started, Ended, Still_Running };

// Starts a program and waits for it, so that the update can run against a fake.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts NomeSW with the parameter text Parameter (no arguments when empty), in a visible window
    // when tipo is 0 and hidden otherwise, and waits for it to end up to the starter's limit,
    // processing no events meanwhile. A program still running then goes on on its own.
    virtual Start_Outcome Start_Program(const std::filesystem::path& NomeSW, const QString& Parameter,
                                        std::uint8_t tipo) = 0;
};

} // namespace ui
