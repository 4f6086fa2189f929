#include "core_api/standin/BooksSax.h"

#include <cstdlib>

namespace StandIn {

namespace {

std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
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

bool BooksSax::null() {
    NewValue(Json());
    return true;
}

bool BooksSax::boolean(bool value) {
    NewValue(Json(value));
    return true;
}

bool BooksSax::number_integer(Json::number_integer_t value) {
    NewValue(Json(value));
    return true;
}

bool BooksSax::number_unsigned(Json::number_unsigned_t value) {
    NewValue(Json(value));
    return true;
}

bool BooksSax::number_float(Json::number_float_t, const std::string& text) {
    NewValue(NumberLiteral(text));
    return true;
}

bool BooksSax::string(std::string& value) {
    NewValue(Json(std::move(value)));
    return true;
}

bool BooksSax::binary(Json::binary_t&) {
    NewValue(Json());
    return true;
}

bool BooksSax::Open(Json&& emptyContainer) {
    const bool isArray = emptyContainer.is_array();
    containers_.push_back(&NewValue(std::move(emptyContainer)));
    frames_.push_back({isArray, std::string(), -1});
    return true;
}

bool BooksSax::Close() {
    containers_.pop_back();
    frames_.pop_back();
    return true;
}

bool BooksSax::start_object(std::size_t) { return Open(Json::object()); }

bool BooksSax::key(std::string& key) {
    frames_.back().key = key;
    return true;
}

bool BooksSax::end_object() { return Close(); }

bool BooksSax::start_array(std::size_t) { return Open(Json::array()); }

bool BooksSax::end_array() { return Close(); }

// The position and the library's message name the file's byte, line and column: the head
// keeps the file's line breaks, and its positions map back past each journal.
bool BooksSax::parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) {
    std::string path = PathText();
    throw BooksFormatError(path.empty() ? "(top level)" : path,
                           OneLine("not JSON near byte " + std::to_string(split_.FilePosition(position)) + ": " +
                                   error.what()));
}

}  // namespace StandIn
