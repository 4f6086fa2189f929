#include "core_api/standin/JournalLineTree.h"

#include "core_api/standin/JournalFields.h"

#include <string>

namespace StandIn {

namespace {

bool IsNote(const std::string& key) { return !key.empty() && key[0] == '_'; }

void ReadSide(const Json& value, const KeyPath& path, BookSide& side) {
    if (!value.is_object()) path.Fail("expected an object, found a value");
    for (const auto& [key, v] : value.items()) {
        if (IsNote(key) || v.is_null()) continue;
        const KeyPath at = path.Key(key.c_str());
        if (v.is_array()) at.Fail("a list is not a value of a journal line");
        if (v.is_object()) at.Fail("an object is not a value of a journal side");
        StoreSideValue(SideKeyOf(key), ScalarOf(v), at, side);
    }
}

}  // namespace

BookLine ReadJournalLine(const Json& value, const KeyPath& path, Closing& closing) {
    if (!value.is_object()) path.Fail("a journal line must be an object");
    BookSide sides[2];
    BookLine line;
    bool hasDate = false;
    closing = Closing::None;
    for (const auto& [key, v] : value.items()) {
        if (IsNote(key)) continue;
        const KeyPath at = path.Key(key.c_str());
        if (v.is_array()) at.Fail("a list is not a value of a journal line");
        if (v.is_null()) continue;
        if (key == "debit" || key == "credit") {
            ReadSide(v, at, sides[key == "debit" ? 0 : 1]);
        } else if (v.is_object()) {
            at.Fail(key == "date" || key == "closing" ? "expected a value, found an object" : "unknown key of a journal line");
        } else if (key == "date") {
            line.date = ReadDate(v, at);
            hasDate = true;
        } else if (key == "closing") {
            closing = ClosingOf(ScalarOf(v), at);
        } else {
            at.Fail("unknown key of a journal line");
        }
    }
    if (!hasDate) path.Key("date").Fail("a journal line needs a date");
    line.SetSide(1, sides[0]);
    line.SetSide(2, sides[1]);
    return line;
}


}  // namespace StandIn
