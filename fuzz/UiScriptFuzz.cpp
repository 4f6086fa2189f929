// The UI script: any script is parsed line by line; a malformed line is a WorldError naming its
// line, never another failure.
#include "fuzz/FuzzTarget.h"
#include "platform/WorldError.h"
#include "platform/script/UiScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    UiScript script = UiScript::FromText(Fuzz::Bytes(data, size));
    try {
        while (const std::optional<ScriptAction> action = script.Take()) {
            Fuzz::Require(action->line >= 1, "an action names its line");
            (void)DescribeAction(*action);
        }
    } catch (const WorldError&) {
    }
    return 0;
}
