// The frame that both DATA writers write through: DATA at depth 1, its groups at depth 2, their
// value elements at depth 3, amounts in the report's text form. The first failed write stops
// it: that call and every later one answer 0 and write nothing more, so a writer may simply
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

    DataSectionWriter(XmlReportWriter& writer, std::string& line) : writer_(writer), line_(line) {}

    int OpenData();
    int CloseData();
    int OpenGroup(const DataGroup& group);
    int CloseGroup();  // the group last opened; 0 when none is open

    // An amount in whole yen: decimal digits after "-" when negative; zero as zero says.
    int WriteAmount(std::string_view name, std::int64_t yen, Zero zero = Zero::Empty);
    int WriteEmpty(std::string_view name);
    int WriteText(std::string_view name, std::string_view text);
    // The whole group with every value empty.
    int WriteEmptyGroup(const DataGroup& group);

    // 1 while every write so far succeeded.
    int Result() const { return failed_ ? 0 : 1; }

    static std::string AmountText(std::int64_t yen, Zero zero = Zero::Empty);

private:
    int Track(int result);

    XmlReportWriter& writer_;
    std::string& line_;
    const DataGroup* openGroup_ = nullptr;
    bool failed_ = false;
};
