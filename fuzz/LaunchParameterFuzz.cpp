// The launch parameter: any command line is parsed without harm; a parameter that names a
// calling window fits the parse buffer and ends in the fixed output path.
#include "app/LaunchParameter.h"
#include "fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string commandLine(Fuzz::Bytes(data, size));
    RunState state;
    if (!ParseLaunchParameter(commandLine, state)) return 0;
    Fuzz::Require(commandLine.size() < kLaunchParameterBuffer, "a parsed parameter fits the buffer");
    Fuzz::Require(commandLine.ends_with(state.fixedOutputPath), "the fixed path is the parameter's end");
    return 0;
}
