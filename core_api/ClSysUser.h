// The user logged on to the accounting system and the data set they selected.
#pragma once

#include <cstdint>
#include <string>

class ClSysUser {
public:
    std::int32_t GetCurUserID(std::string& id);
    // The user's selection: second is the selected data number.
    std::int32_t GetSelectedNo(const std::string& userId, std::int32_t& first, std::int32_t& second);
};
