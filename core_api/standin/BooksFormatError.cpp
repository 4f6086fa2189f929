#include "core_api/standin/BooksFormatError.h"

namespace StandIn {

std::string KeyPath::Text() const {
    std::string head = parent ? parent->Text() : std::string();
    if (key == nullptr && parent == nullptr) return head;
    if (key == nullptr) return head + "[" + std::to_string(index) + "]";
    return head.empty() ? std::string(key) : head + "." + key;
}

}  // namespace StandIn
