// The SAX handler of the books loader: builds a document tree of everything but the journal
// lines, which it decodes field by field as they stream past and keeps per data set.
#pragma once

#include "core_api/standin/Books.h"
#include "core_api/standin/BooksValues.h"

#include <string>
#include <vector>

namespace StandIn {

class BooksSax {
public:
    using Json = nlohmann::json;

    bool null();
    bool boolean(bool value);
    bool number_integer(Json::number_integer_t value);
    bool number_unsigned(Json::number_unsigned_t value);
    // Kept as its text, so that an amount with a fraction is read exactly.
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
    // The journal lines of data set i, in books order.
    std::vector<std::vector<BookLine>>& Journals() { return journals_; }

private:
    struct Frame {
        bool isArray;
        std::string key;  // objects: the current key
        long index;       // arrays: the current element
    };

    // Values of the tree.
    bool Value(Json&& value, const Scalar& scalar);
    Json& NewValue(Json&& value);
    bool InJournalArray() const;
    std::string PathText() const;

    // The journal line being read: depth 1 in the line, 2 in one of its sides; skip counts
    // the levels of a "_" note being skipped.
    void LineScalar(const Scalar& value);
    void StartLineObject();
    void EndLineObject();
    [[noreturn]] void LineFail(const std::string& problem, bool withKey) const;

    Json root_;
    std::vector<Json*> containers_;
    std::vector<Frame> frames_;
    bool inLine_ = false;
    int lineDepth_ = 0;
    int skip_ = 0;
    bool hasDate_ = false;
    BookLine line_;
    BookSide* side_ = nullptr;
    std::string lineKey_;
    std::string sideKey_;
    std::vector<std::vector<BookLine>> journals_;
};

}  // namespace StandIn
