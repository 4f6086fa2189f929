// The value elements of a written DATA section, read back group by group: the values of a group
// joined with "|" in document order, so that a test states a whole group in one line.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

class WrittenData {
public:
    // bytes: the report or its DATA section as written (TAB indentation, CR LF).
    explicit WrittenData(const std::string& bytes) {
        std::istringstream lines(bytes);
        std::string open;
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::size_t tabs = line.find_first_not_of('\t');
            if (tabs == 2 && line.find("</") == std::string::npos) open = line.substr(3, line.size() - 4);
            if (tabs != 3) continue;
            const std::size_t close = line.find('>');
            const std::string name = line.substr(4, close - 4);
            const std::string value = line.substr(close + 1, line.rfind("</") - close - 1);
            groups_[open].push_back(value);
            values_[open + "/" + name] = value;
        }
    }

    // "v1|v2|...", empty values as nothing between the bars.
    std::string Group(const std::string& identifier) const {
        std::string joined;
        const auto found = groups_.find(identifier);
        if (found == groups_.end()) return "(missing)";
        for (std::size_t i = 0; i < found->second.size(); ++i) joined += (i ? "|" : "") + found->second[i];
        return joined;
    }

    std::string Value(const std::string& group, const std::string& name) const {
        const auto found = values_.find(group + "/" + name);
        return found == values_.end() ? "(missing)" : found->second;
    }

    std::size_t GroupCount() const { return groups_.size(); }
    std::size_t ValueCount() const { return values_.size(); }

    // Every value that is not empty, keyed "GROUP/NAME".
    std::map<std::string, std::string> NonEmpty() const {
        std::map<std::string, std::string> found;
        for (const auto& [key, value] : values_) {
            if (!value.empty()) found[key] = value;
        }
        return found;
    }

private:
    std::map<std::string, std::vector<std::string>> groups_;
    std::map<std::string, std::string> values_;
};
