// The option link of the accounting system, handed to rule and save objects when they are bound.
#pragma once

class ClOptLink {
public:
    ClOptLink() = default;
    ClOptLink(const ClOptLink&) = delete;
    ClOptLink& operator=(const ClOptLink&) = delete;
};
