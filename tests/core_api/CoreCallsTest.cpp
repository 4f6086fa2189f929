// The calls around the books: singletons and set objects, user and selection, folders, the
// connection, messages, the error record, faults and the call log.
#include "CoreTestSupport.h"

#include "core_api/ClAccConnect.h"
#include "core_api/ClDataMgr.h"
#include "core_api/ClFileMgr.h"
#include "core_api/ClLinkMgr.h"
#include "core_api/ClMsgMgr.h"
#include "core_api/ClRuleShiwake.h"
#include "core_api/ClSetBumon.h"
#include "core_api/ClSetData.h"
#include "core_api/ClSetKamoku.h"
#include "core_api/ClSetShohizei.h"
#include "core_api/SetObject.h"
#include "platform/host/HostSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace CoreTest;

namespace {

const char* kBooks = R"({
  "user": "yamada", "selection": [3, 20],
  "folders": {"output": "C:\\TxLink\\Export\\", "settings": ""},
  "connection": {"initiate": 0, "link": 1},
  "faults": {"ClSetShohizei::Get": 77, "ClRuleShiwake::MoveNext": {"status": 9, "after": 2}},
  "dataSets": [
    {"id": "D10", "number": 10, "company": "A", "period": [20240101, 20241231], "kind": 99, "entity": 3,
     "incomeKind": 4, "interim": 1, "tax": {"method": 1, "rounding": 2, "credit": 1, "mainBusiness": 5, "included": true}},
    {"id": "D20", "number": 20, "company": "B", "period": [20240401, 20250331], "taxObject": false, "tax": null,
     "departments": [{"code": 5, "name": "east", "link": 9, "class": 1, "incomeType": 8}, {"code": 6}],
     "journal": [{"date": 20240401}, {"date": 20240402}, {"date": 20240403}, {"date": 20240404}]}]
})";

// The message-box events of the last host session's transcript.
std::vector<std::string> MessageBoxes() {
    std::vector<std::string> boxes;
    for (const std::string& line : HostSession::TranscriptLines())
        if (line.find("\"msgbox\"") != std::string::npos) boxes.push_back(line);
    return boxes;
}

class CoreCallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        StandIn::Reset();
        Load(kBooks);
    }
    void TearDown() override { StandIn::Reset(); }
};

TEST_F(CoreCallsTest, SingletonsAndSetObjects) {
    EXPECT_EQ(ClAccConnect::Inst(), ClAccConnect::Inst());
    EXPECT_EQ(ClMsgMgr::Inst(), ClMsgMgr::Inst());
    ClDataMgr* data = ClDataMgr::Inst();
    EXPECT_NE(dynamic_cast<ClSetKamoku*>(data->GetSetObject(1, 1)), nullptr);
    EXPECT_NE(dynamic_cast<ClSetBumon*>(data->GetSetObject(2, 1)), nullptr);
    EXPECT_NE(dynamic_cast<ClSetData*>(data->GetSetObject(5, 1)), nullptr);
    EXPECT_EQ(data->GetSetObject(3, 1), nullptr);
    EXPECT_EQ(data->GetSetMgr()->GetSetObject(5, 1), data->GetSetObject(5, 1));
    // The selected data set (number 20) has no tax-settings object.
    EXPECT_EQ(data->GetSetObject(4, 1), nullptr);
    EXPECT_NE(ClLinkMgr::Inst()->GetOptLink(), nullptr);
}

TEST_F(CoreCallsTest, UserSelectionAndDataSets) {
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    std::string id;
    ASSERT_EQ(user->GetCurUserID(id), 0);
    EXPECT_EQ(id, "yamada");
    std::int32_t first = 0, second = 0;
    ASSERT_EQ(user->GetSelectedNo(id, first, second), 0);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 20);
    EXPECT_NE(user->GetSelectedNo("suzuki", first, second), 0);

    auto* data = DataManagerSetObject<SetObject::DataSets>();
    EXPECT_STREQ(data->GetSelectedInfo()->dataId, "D20");
    ClSetBase::CursorHandle cursor = 0;
    ASSERT_EQ(data->GetDatCursor(cursor), 0);
    ASSERT_EQ(data->ReadyDat(cursor, 0), 0);
    StDATAINFO info{};
    ASSERT_EQ(data->WalkDat(&info, cursor), 0);
    EXPECT_EQ(+info.dataNo, 10);
    EXPECT_EQ(+info.dataKind, 99);
    EXPECT_EQ(+info.entityKind, 3);
    EXPECT_EQ(+info.incomeKind, 4);
    EXPECT_EQ(+info.interimSetting, 1);
    EXPECT_EQ(+info.periodFirst, 20240101);
    ASSERT_EQ(data->WalkDat(&info, cursor), 0);
    EXPECT_EQ(+info.dataNo, 20);
    EXPECT_NE(data->WalkDat(&info, cursor), 0);
    EXPECT_EQ(data->ReleaseDatCursor(cursor), 0);
    EXPECT_NE(data->WalkDat(&info, cursor), 0);  // a released cursor
}

TEST_F(CoreCallsTest, TaxSettingsFollowTheCurrentDataSet) {
    auto* data = DataManagerSetObject<SetObject::DataSets>();
    ASSERT_EQ(data->SetCurDataID("D10"), 0);  // each set object keeps its own current data set
    EXPECT_EQ(ClDataMgr::Inst()->GetSetObject(4, 1), nullptr);

    Load(R"({"selection": [0, 1], "dataSets": [
      {"id": "D1", "number": 1, "period": [20240101, 20241231], "tax": {"method": 2, "rounding": 1, "credit": 1,
       "mainBusiness": 0, "included": 1}, "rates": 3},
      {"id": "D2", "number": 2, "period": [20240101, 20241231], "tax": null}]})");
    auto* tax = DataManagerSetObject<SetObject::TaxSettings>();
    ASSERT_NE(tax, nullptr);
    StSHOHIZEIINFO settings{};
    ASSERT_EQ(tax->Get(&settings), 0);
    EXPECT_EQ(+settings.taxMethod, 2);
    EXPECT_EQ(+settings.roundingMode, 1);
    EXPECT_EQ(+settings.creditMethod, 1);
    EXPECT_EQ(+settings.taxIncludedBasis, 1);
    EXPECT_EQ(tax->GetTaxRateCount(), 3);
    ASSERT_EQ(tax->SetCurDataID("D2"), 0);
    EXPECT_NE(tax->Get(&settings), 0);  // tax: null
    EXPECT_NE(tax->SetCurDataID("D3"), 0);
}

TEST_F(CoreCallsTest, DepartmentsByWalkAndByCode) {
    auto* departments = SetManagerSetObject<SetObject::Departments>();
    std::int32_t count = 0;
    ASSERT_EQ(departments->GetBmnCount(count, 0), 0);
    EXPECT_EQ(count, 2);
    ClSetBase::CursorHandle cursor = 0;
    ASSERT_EQ(departments->GetCursor(cursor), 0);
    ASSERT_EQ(departments->ReadyCursor(cursor), 0);
    StBUMONINFO info{};
    ASSERT_EQ(departments->Walk(&info, cursor), 0);
    EXPECT_EQ(+info.code, 5);
    EXPECT_EQ(+info.departmentLink, 9);
    EXPECT_EQ(+info.departmentClass, 1);
    EXPECT_EQ(+info.incomeType, 8);
    EXPECT_STREQ(info.name, "east");
    ASSERT_EQ(departments->Walk(&info, cursor), 0);
    EXPECT_EQ(departments->Walk(&info, cursor), 5000);
    ASSERT_EQ(departments->GetInfoByCode(5, &info, cursor), 0);
    EXPECT_EQ(+info.incomeType, 8);
    EXPECT_NE(departments->GetInfoByCode(77, &info, cursor), 0);
    EXPECT_EQ(+info.incomeType, 0);  // an unknown code leaves zeros
    EXPECT_EQ(departments->ReleaseCursor(cursor), 0);
    EXPECT_NE(departments->ReleaseCursor(cursor), 0);
}

TEST_F(CoreCallsTest, FoldersAndConnection) {
    EXPECT_EQ(ClFileMgr::Inst()->GetAppFolderPath(0), "C:\\TxLink\\Export\\");
    EXPECT_EQ(ClFileMgr::Inst()->GetAppFolderPath(1), "");
    ClAccConnect* connection = ClAccConnect::Inst();
    EXPECT_EQ(connection->Initiate(), 0);
    EXPECT_EQ(connection->ExpSysLink(), 1);
}

TEST_F(CoreCallsTest, FaultsAnswerTheirStatusAlwaysOrAfterNCalls) {
    Load(R"({"selection": [0, 1], "faults": {"ClSetShohizei::Get": 77,
      "ClRuleShiwake::MoveNext": {"status": 9, "after": 2}},
      "dataSets": [{"id": "D1", "number": 1, "period": [20240401, 20250331],
        "journal": [{"date": 20240401}, {"date": 20240402}, {"date": 20240403}]}]})");
    auto* tax = DataManagerSetObject<SetObject::TaxSettings>();
    StSHOHIZEIINFO settings{};
    EXPECT_EQ(tax->Get(&settings), 77);
    EXPECT_EQ(tax->Get(&settings), 77);
    ClRuleShiwake rule;
    ASSERT_EQ(rule.SetCurDataID("D1"), 0);
    ASSERT_EQ(rule.MoveReady(nullptr, nullptr, nullptr, _ECursorType_Forward), 0);
    StSWKTINFO line{};
    EXPECT_EQ(rule.MoveNext(&line), 0);
    EXPECT_EQ(rule.MoveNext(&line), 0);
    EXPECT_EQ(rule.MoveNext(&line), 9);
    EXPECT_EQ(rule.MoveNext(&line), 9);
}

TEST_F(CoreCallsTest, CallLogKeepsTheOrder) {
    StandIn::ClearCallLog();
    {
        ClRuleShiwake rule;
        rule.AttachSetMgr(ClDataMgr::Inst()->GetSetMgr());
        rule.SetCurDataID("D20");
        rule.MoveReady(nullptr, nullptr, nullptr, _ECursorType_Forward);
        StSWKTINFO line{};
        while (rule.MoveNext(&line) == 0) {
        }
    }
    ClAccConnect::Inst()->LogOut();
    ClAccConnect::Inst()->Terminate();
    ClAccConnect::Inst()->Release();
    std::vector<std::string> expected = {
        "ClRuleShiwake::ClRuleShiwake", "ClDataMgr::GetSetMgr",     "ClRuleShiwake::AttachSetMgr",
        "ClRuleShiwake::SetCurDataID",  "ClRuleShiwake::MoveReady", "ClRuleShiwake::MoveNext",
        "ClRuleShiwake::MoveNext",      "ClRuleShiwake::MoveNext",  "ClRuleShiwake::~ClRuleShiwake",
        "ClAccConnect::LogOut",         "ClAccConnect::Terminate",  "ClAccConnect::Release"};
    // kBooks: the third MoveNext answers the fault 9 after two lines.
    EXPECT_EQ(StandIn::CallLog(), expected);
}

TEST_F(CoreCallsTest, ErrorRecordAndFatalCheck) {
    ClMsgMgr* messages = ClMsgMgr::Inst();
    EXPECT_EQ(messages->SetLastError(-1001, "Acc_FinTax31/AddTax", 4008), -1001);
    EXPECT_EQ(messages->GetLastErrorStatus(), -1001);
    EXPECT_EQ(messages->GetLastErrorLocation(), "Acc_FinTax31/AddTax");
    EXPECT_EQ(messages->GetLastErrorLine(), 4008);
    EXPECT_EQ(messages->SetLastError(0, nullptr, 0), 0);
    EXPECT_EQ(messages->GetLastErrorLocation(), "");

    HostConfig config;
    HostSession::Start(config);
    EXPECT_EQ(messages->CheckFatalErrorWithMsg(0, -1, 1, nullptr), 0);
    EXPECT_EQ(messages->CheckFatalErrorWithMsg(5000, -1, 1, nullptr), 0);
    EXPECT_NE(messages->CheckFatalErrorWithMsg(2101, -1, 1, nullptr), 0);
    HostSession::Stop();
    std::vector<std::string> boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);  // only the fatal status shows a message
    EXPECT_NE(boxes[0].find("2101"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("\"warning\""), std::string::npos) << boxes[0];
}

TEST_F(CoreCallsTest, DispMsgNamesTheFilingApplication) {
    HostConfig config;
    HostSession::Start(config);
    ClAccConnect::Inst()->DispMsg(nullptr, "ES_APRPACKAGENAMEが表ES_APRPACKAGENAME", "消費税", MB_OK | MB_ICONWARNING);
    HostSession::Stop();
    std::vector<std::string> boxes = MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    const char8_t expected[] = u8"税匠が表税匠";
    EXPECT_NE(boxes[0].find(reinterpret_cast<const char*>(expected)), std::string::npos) << boxes[0];
}

}  // namespace
