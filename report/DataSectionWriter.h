// The frame that both DATA writers write through: DATA at depth 1, its groups at depth 2, their
// value elements at depth 3, amounts in the report's text form. The first failed write stops
// it: that call and every later one answer false and write nothing more, so a writer may simply
// run on and test the result once at the end, or stop early.
#pragma once

#include "report/ReportCatalogue.h"
#include "report/XmlReportWriter.h"

#include <cstdint>
#include <string>
#include <string_view>

class DataSectionWriter {
public:
    // How an amount of zero is written: as empty content, or (the individual refund statement
    // of the journal method) as "0".
    enum class Zero { Empty, AsDigit };

    static constexpr int kDataDepth = 1;
    static constexpr int kGroupDepth = 2;
    static constexpr int kValueDepth = 3;

    explicit DataSectionWriter(XmlReportWriter& writer) : writer_(writer) {}

    bool OpenData();
    bool CloseData();
    bool OpenGroup(const DataGroup& group);
    bool CloseGroup();  // the group last opened; false when none is open

    // An amount in whole yen: decimal digits after "-" when negative; zero as zero says.
    bool WriteAmount(std::string_view name, std::int64_t yen, Zero zero = Zero::Empty);
    bool WriteEmpty(std::string_view name);
    bool WriteText(std::string_view name, std::string_view text);
    // The whole group with every value empty.
    bool WriteEmptyGroup(const DataGroup& group);

    // True while every write so far succeeded.
    bool Succeeded() const { return !failed_; }

    static std::string AmountText(std::int64_t yen, Zero zero = Zero::Empty);

private:
    bool Track(bool written);

    XmlReportWriter& writer_;
    const DataGroup* openGroup_ = nullptr;
    bool failed_ = false;
};
