#include "core_api/standin/BooksSax.h"

namespace StandIn {

namespace {

std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
}

bool IsNote(const std::string& key) { return !key.empty() && key[0] == '_'; }

std::int32_t Int32(const Scalar& value, const KeyPath& path) {
    return static_cast<std::int32_t>(ReadInteger(value, path, INT32_MIN, INT32_MAX));
}

void ReadSideValue(BookSide& side, const std::string& key, const Scalar& value, const KeyPath& path) {
    if (key == "amount") side.amount = ReadAmount(value, path);
    else if (key == "account") side.account = Int32(value, path);
    else if (key == "tax") side.tax = ReadAmount(value, path);
    else if (key == "category") side.category = static_cast<std::uint8_t>(ReadInteger(value, path, 0, 255));
    else if (key == "rate") side.rate = static_cast<std::int32_t>(ReadInteger(value, path, 0, 100000));
    else if (key == "department") side.department = Int32(value, path);
    else if (key == "reduced") side.reduced = ReadFlag(value, path);
    else if (key == "business") side.business = static_cast<std::uint8_t>(ReadInteger(value, path, 0, 6));
    else path.Fail("unknown key of a journal side");
}

}  // namespace

std::string BooksSax::PathText() const {
    std::string text;
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        const Frame& f = frames_[i];
        if (f.isArray) {
            if (f.index >= 0) text += "[" + std::to_string(f.index) + "]";
        } else if (!f.key.empty()) {
            text += (text.empty() ? "" : ".") + f.key;
        }
    }
    return text;
}

// The journal array of a data set: root.dataSets[i].journal.
bool BooksSax::InJournalArray() const {
    return frames_.size() == 4 && frames_[0].key == "dataSets" && frames_[1].isArray && !frames_[2].isArray &&
           frames_[2].key == "journal" && frames_[3].isArray;
}

Json& BooksSax::NewValue(Json&& value) {
    if (containers_.empty()) {
        root_ = std::move(value);
        return root_;
    }
    Json& top = *containers_.back();
    if (top.is_array()) {
        ++frames_.back().index;
        top.push_back(std::move(value));
        return top.back();
    }
    Json& slot = top[frames_.back().key];
    slot = std::move(value);
    return slot;
}

bool BooksSax::Value(Json&& value, const Scalar& scalar) {
    if (inLine_) {
        LineScalar(scalar);
        return true;
    }
    if (InJournalArray())
        throw BooksFormatError(PathText() + "[" + std::to_string(frames_.back().index + 1) + "]",
                               "a journal line must be an object");
    NewValue(std::move(value));
    return true;
}

bool BooksSax::null() { return Value(Json(), Scalar{}); }

bool BooksSax::boolean(bool value) {
    Scalar s;
    s.kind = Scalar::Kind::Boolean;
    s.boolean = value;
    return Value(Json(value), s);
}

bool BooksSax::number_integer(Json::number_integer_t value) {
    Scalar s;
    s.kind = Scalar::Kind::Integer;
    s.integer = value;
    return Value(Json(value), s);
}

bool BooksSax::number_unsigned(Json::number_unsigned_t value) {
    Scalar s;
    s.kind = Scalar::Kind::Unsigned;
    s.unsignedInteger = value;
    return Value(Json(value), s);
}

bool BooksSax::number_float(Json::number_float_t, const std::string& text) {
    Scalar s;
    s.kind = Scalar::Kind::Number;
    s.text = text;
    return Value(inLine_ ? Json() : Json(text), s);
}

bool BooksSax::string(std::string& value) {
    Scalar s;
    s.kind = Scalar::Kind::Text;
    s.text = value;
    return Value(inLine_ ? Json() : Json(value), s);
}

bool BooksSax::binary(Json::binary_t&) { return Value(Json(), Scalar{}); }

bool BooksSax::start_object(std::size_t) {
    if (inLine_) {
        StartLineObject();
        return true;
    }
    if (InJournalArray()) {
        ++frames_.back().index;
        inLine_ = true;
        lineDepth_ = 1;
        skip_ = 0;
        hasDate_ = false;
        line_ = BookLine();
        lineKey_.clear();
        return true;
    }
    Json& object = NewValue(Json::object());
    containers_.push_back(&object);
    frames_.push_back({false, std::string(), -1});
    return true;
}

bool BooksSax::key(std::string& key) {
    if (inLine_) {
        if (skip_ > 0) return true;
        (lineDepth_ == 1 ? lineKey_ : sideKey_) = key;
        return true;
    }
    frames_.back().key = key;
    return true;
}

bool BooksSax::end_object() {
    if (inLine_) {
        EndLineObject();
        return true;
    }
    containers_.pop_back();
    frames_.pop_back();
    return true;
}

bool BooksSax::start_array(std::size_t) {
    if (inLine_) {
        if (skip_ > 0 || IsNote(lineDepth_ == 1 ? lineKey_ : sideKey_)) {
            ++skip_;
            return true;
        }
        LineFail("a list is not a value of a journal line", true);
    }
    if (InJournalArray())
        throw BooksFormatError(PathText() + "[" + std::to_string(frames_.back().index + 1) + "]",
                               "a journal line must be an object");
    Json& array = NewValue(Json::array());
    containers_.push_back(&array);
    frames_.push_back({true, std::string(), -1});
    return true;
}

bool BooksSax::end_array() {
    if (inLine_) {
        --skip_;
        return true;
    }
    containers_.pop_back();
    frames_.pop_back();
    return true;
}

// The key path of the journal line being read, with its current key when withKey.
void BooksSax::LineFail(const std::string& problem, bool withKey) const {
    KeyPath root;
    KeyPath dataSets = root.Key("dataSets");
    KeyPath dataSet = dataSets.Index(frames_[1].index);
    KeyPath journal = dataSet.Key("journal");
    KeyPath line = journal.Index(frames_[3].index);
    KeyPath lineKey = line.Key(lineKey_.c_str());
    KeyPath sideKey = lineKey.Key(sideKey_.c_str());
    const KeyPath& at = !withKey ? (lineDepth_ == 2 ? lineKey : line) : (lineDepth_ == 2 ? sideKey : lineKey);
    at.Fail(problem);
}

void BooksSax::StartLineObject() {
    if (skip_ > 0 || IsNote(lineDepth_ == 1 ? lineKey_ : sideKey_)) {
        ++skip_;
        return;
    }
    if (lineDepth_ == 2) LineFail("an object is not a value of a journal side", true);
    if (lineKey_ == "debit") side_ = &line_.debit;
    else if (lineKey_ == "credit") side_ = &line_.credit;
    else LineFail(lineKey_ == "date" || lineKey_ == "closing" ? "expected a value, found an object"
                                                                : "unknown key of a journal line",
                  true);
    lineDepth_ = 2;
    sideKey_.clear();
}

void BooksSax::EndLineObject() {
    if (skip_ > 0) {
        --skip_;
        return;
    }
    if (lineDepth_ == 2) {
        lineDepth_ = 1;
        return;
    }
    if (!hasDate_) {
        lineKey_ = "date";
        LineFail("a journal line needs a date", true);
    }
    long dataSet = frames_[1].index;
    if (journals_.size() <= static_cast<std::size_t>(dataSet)) journals_.resize(dataSet + 1);
    journals_[dataSet].push_back(line_);
    inLine_ = false;
}

void BooksSax::LineScalar(const Scalar& value) {
    if (skip_ > 0) return;
    const std::string& key = lineDepth_ == 1 ? lineKey_ : sideKey_;
    if (IsNote(key) || value.kind == Scalar::Kind::Null) return;
    try {
        KeyPath none;
        if (lineDepth_ == 2) {
            ReadSideValue(*side_, key, value, none);
        } else if (key == "date") {
            line_.date = ReadDate(value, none);
            hasDate_ = true;
        } else if (key == "closing") {
            if (value.kind == Scalar::Kind::Text && value.text == "interim") line_.closing = Closing::Interim;
            else if (value.kind == Scalar::Kind::Text && value.text == "yearEnd") line_.closing = Closing::YearEnd;
            else none.Fail("expected \"interim\" or \"yearEnd\"");
        } else if (key == "debit" || key == "credit") {
            none.Fail("expected an object, found a value");
        } else {
            none.Fail("unknown key of a journal line");
        }
    } catch (const BooksFormatError& e) {
        LineFail(e.what(), true);
    }
}

bool BooksSax::parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) {
    std::string path = PathText();
    throw BooksFormatError(path.empty() ? "(top level)" : path,
                           OneLine("not JSON near byte " + std::to_string(position) + ": " + error.what()));
}

}  // namespace StandIn
