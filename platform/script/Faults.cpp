#include "platform/script/Faults.h"

#include "platform/MbcsText.h"
#include "platform/WorldError.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace {

[[noreturn]] void Malformed(std::string_view entry, const std::string& problem) {
    throw WorldError("TXLINK_FAULTS entry '" + std::string(entry) + "': " + problem);
}

std::string Name(std::string_view value, std::string_view entry) {
    std::optional<std::string> name = TextCodec::ToCp932(value);
    if (!name || name->empty()) Malformed(entry, "needs a name");
    return *name;
}

// A final '*' matches any rest of the name, so that names that hold a process id can be hit.
bool Matches(std::string_view pattern, std::string_view name) {
    if (!pattern.ends_with('*')) return MbcsText::EqualNoCase(pattern, name);
    pattern.remove_suffix(1);
    return MbcsText::EqualNoCase(pattern, MbcsText::CutAt(name, pattern.size()));
}

bool Named(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return Matches(n, name); });
}

}  // namespace

Faults Faults::Parse(std::string_view text) {
    Faults faults;
    for (const std::string_view entry : MbcsText::ListEntries(text, ',')) {
        const std::size_t equals = entry.find('=');
        const std::string_view key = entry.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view{} : entry.substr(equals + 1);
        const bool hasValue = equals != std::string_view::npos;
        if (key == "write-fail-after") {
            const bool digits = !value.empty() && value.size() < 19 &&
                                std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits) Malformed(entry, "needs a number of bytes");
            faults.writeFailAfter = std::stoull(std::string(value));
        } else if (key == "mkdir-fail") {
            faults.mkdirFail.push_back(Name(value, entry));
        } else if (key == "create-fail") {
            faults.createFail.push_back(Name(value, entry));
        } else if (key == "replace-fail" && hasValue) {
            faults.replaceFailNames.push_back(Name(value, entry));
        } else if (key == "busy-create" || key == "busy-replace") {
            const std::size_t colon = value.find(':');
            const std::string_view count = value.substr(0, colon);
            const bool digits = colon != std::string_view::npos && !count.empty() && count.size() < 7 &&
                                std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits) Malformed(entry, "needs a number of attempts, a colon and a name");
            faults.busy.push_back({Name(value.substr(colon + 1), entry), std::stoi(std::string(count)), key == "busy-replace"});
        } else if ((key == "replace-fail" || key == "cwd-fail") && !hasValue) {
            (key == "replace-fail" ? faults.replaceFail : faults.cwdFail) = true;
        } else {
            Malformed(entry, "unknown fault");
        }
    }
    return faults;
}

bool Faults::RefusesFolder(std::string_view name) const { return Named(mkdirFail, name); }

bool Faults::RefusesFile(std::string_view name) const { return Named(createFail, name); }

bool Faults::RefusesReplace(std::string_view targetName) const {
    return replaceFail || Named(replaceFailNames, targetName);
}

bool Faults::HoldsBusy(std::string_view name, bool replacement) {
    for (Busy& entry : busy) {
        if (entry.replacement == replacement && entry.left > 0 && Matches(entry.name, name)) {
            --entry.left;
            return true;
        }
    }
    return false;
}
