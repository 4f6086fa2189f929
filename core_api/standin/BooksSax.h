// The SAX handler that reads the head of the books (everything but the journal lines, which
// the splitter has cut out) into a document tree, keeping the key path for parse errors.
#pragma once

#include "core_api/standin/BooksSplitter.h"
#include "core_api/standin/BooksValues.h"

#include <string>
#include <vector>

namespace StandIn {

class BooksSax {
public:
    using Json = StandIn::Json;

    // split maps positions in the head to positions in the file.
    explicit BooksSax(const SplitBooks& split) : split_(split) {}

    bool null();
    bool boolean(bool value);
    bool number_integer(Json::number_integer_t value);
    bool number_unsigned(Json::number_unsigned_t value);
    // Kept as its literal, so that an amount with a fraction is read exactly.
    bool number_float(Json::number_float_t value, const std::string& text);
    bool string(std::string& value);
    bool binary(Json::binary_t& value);
    bool start_object(std::size_t elements);
    bool key(std::string& key);
    bool end_object();
    bool start_array(std::size_t elements);
    bool end_array();
    bool parse_error(std::size_t position, const std::string& token, const nlohmann::detail::exception& error);

    Json& Root() { return root_; }

private:
    struct Frame {
        bool isArray;
        std::string key;  // objects: the current key
        long index;       // arrays: the current element
    };

    Json& NewValue(Json&& value);
    // An object or an array begins (its values go into it) or ends.
    bool Open(Json&& emptyContainer);
    bool Close();
    std::string PathText() const;

    const SplitBooks& split_;
    Json root_;
    std::vector<Json*> containers_;
    std::vector<Frame> frames_;
};

}  // namespace StandIn
