#include "base/program_settings.h"

ProgramSettings& programSettings()
{
    static ProgramSettings settings;
    return settings;
}
